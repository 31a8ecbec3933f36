#include "local/case_dialog.h"

#include "app/main_window.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "local/local_panel_texts.h"
#include "platform/msg.h"
#include "platform/services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

namespace texts = case_dialog_texts;

TForm15::TForm15(TForm1* form) : QDialog(form), form_(form) {
    setObjectName(QStringLiteral("TForm15"));
    auto* column = new QVBoxLayout(this);
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* options = new QVBoxLayout(GroupBox1);
    r_male = new QRadioButton(GroupBox1);
    r_male->setObjectName(QStringLiteral("r_male"));
    r_male->setChecked(true);
    r_duze = new QRadioButton(GroupBox1);
    r_duze->setObjectName(QStringLiteral("r_duze"));
    options->addWidget(r_male);
    options->addWidget(r_duze);
    column->addWidget(GroupBox1);
    pas = new QProgressBar(this);
    pas->setObjectName(QStringLiteral("pas"));
    pas->setValue(0);
    column->addWidget(pas);
    procent = new QLabel(this);
    procent->setObjectName(QStringLiteral("procent"));
    column->addWidget(procent);
    auto* buttons = new QHBoxLayout;
    Zmien = new QPushButton(this);
    Zmien->setObjectName(QStringLiteral("Zmien"));
    Zmien->setDefault(true);
    Anuluj = new QPushButton(this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    buttons->addStretch(1);
    buttons->addWidget(Zmien);
    buttons->addWidget(Anuluj);
    column->addLayout(buttons);
    connect(Zmien, &QPushButton::clicked, this, &TForm15::ZmienClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well
}

void TForm15::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm15::FormActivate() {
    const int flag = languageFlag();
    setWindowTitle(lang::pick(texts::kTitle, flag));
    GroupBox1->setTitle(lang::pick(texts::kGroup, flag));
    Zmien->setText(lang::pick(texts::kChange, flag));
    Anuluj->setText(lang::pick(texts::kCancel, flag));
    r_male->setText(lang::pick(texts::kLower, flag));
    r_duze->setText(lang::pick(texts::kUpper, flag));
    procent->setText(lang::pick(texts::kDone, flag) + QStringLiteral("0%"));
}

void TForm15::ZmienClick() {
    Zmien->setEnabled(false);
    Anuluj->setEnabled(false);
    setWindowTitle(lang::pick(texts::kWaitTitle, languageFlag()));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (Edit1 != QLatin1String("0"))
        localRoutine();
    else if (remoteRoutine)
        remoteRoutine();
    QApplication::restoreOverrideCursor();
    accept();
    QCoreApplication::processEvents();
}

void TForm15::done(int result) {
    Zmien->setEnabled(true);
    Anuluj->setEnabled(true);
    pas->setValue(0);
    QDialog::done(result);
}

bool TForm15::localRoutine() {
    const int flag = languageFlag();
    const bool upper = r_duze->isChecked();
    TLocalFileList* files = form_->localPanel->pliki;
    const int count = files->count();
    pas->setMaximum(qMax(1, count));
    const QDir folder(files->directory());
    bool allDone = true;
    for (int row = 0; row < count; ++row) {
        pas->setValue(row);
        procent->setText(lang::pick(texts::kDone, flag) +
                         QString::number(std::lround(double(row) / count * 100)) +
                         QStringLiteral("%"));
        const QString name = files->item(row)->text();
        const QString wanted = upper ? name.toUpper() : name.toLower();
        if (wanted == name)
            continue;
        // Another file already has the new name: both stay as they are.
        if (folder.exists(wanted))
            continue;
        if (!QFile::rename(folder.filePath(name), folder.filePath(wanted))) {
            platform::services().messageDlg(
                lang::pick(upper ? texts::kUpperRefused : texts::kLowerRefused, flag),
                platform::DlgType::Error, platform::DlgButtons::Ok);
            allDone = false;
            break;
        }
    }
    files->refresh();
    form_->Statusy();
    QCoreApplication::processEvents();
    return allDone;
}
