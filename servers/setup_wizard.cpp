#include "servers/setup_wizard.h"

#include "app/main_window.h"
#include "servers/server_files.h"
#include "servers/server_list_logic.h"
#include "servers/servers_texts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace texts = servers::texts;

TF_kreator::TF_kreator(TForm1* owner) : QDialog(owner), owner_(owner) {
    setObjectName(QStringLiteral("F_kreator"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    Label1 = named(new QLabel(this), "Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = named(new QLabel(this), "Label2");
    Image1 = named(new QLabel(this), "Image1");
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(48, 48));
    lista = named(new QListWidget(this), "lista");
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap); // one description line per row
    ok = named(new QPushButton(this), "ok");
    ok->setEnabled(false);
    Anuluj = named(new QPushButton(this), "Anuluj");
    status = named(new QLabel(this), "status");
    status->setFrameShape(QFrame::StyledPanel);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    auto* titles = new QVBoxLayout;
    titles->addWidget(Label1);
    titles->addWidget(Label2);
    top->addLayout(titles, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(lista, 1);
    middle->addWidget(Memo1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(Anuluj);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(middle, 1);
    column->addLayout(buttons);
    column->addWidget(status);
    resize(620, 300);

    // The user's choice is the selected row (a click, or the arrow keys). The
    // list's current row alone is no choice: focus moves it to the first row.
    connect(lista, &QListWidget::itemSelectionChanged, this, [this] { listaClick(); });
    connect(lista, &QListWidget::itemDoubleClicked, this, [this] { okClick(); });
    connect(ok, &QPushButton::clicked, this, &TF_kreator::okClick);
    connect(Anuluj, &QPushButton::clicked, this, &TF_kreator::AnulujClick);
    FormShow();
}

void TF_kreator::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TF_kreator::FormShow() {
    const int language = languageFlag();
    lista->clear();
    for (int code = 0; code <= servers::kAllServers; ++code)
        lista->addItem(servers::categoryName(code));
    // No current row either: a view without one makes its first row current
    // when it gets the focus, and that is no choice of the user's.
    lista->setCurrentIndex(QModelIndex());
    lista->clearSelection();
    setWindowTitle(lang::pick(texts::kWizardTitle, language));
    Label1->setText(lang::pick(texts::kWizardWelcome, language));
    Label2->setText(lang::pick(texts::kWizardPrompt, language));
    ok->setText(lang::pick(texts::kWizardLoad, language));
    Anuluj->setText(lang::pick(texts::kWizardQuit, language));
    status->setText(lang::pick(texts::kWizardStatus, language));
    ok->setEnabled(false);
    Memo1->clear();
}

int TF_kreator::chosenRow() const {
    const QList<QListWidgetItem*> chosen = lista->selectedItems();
    return chosen.isEmpty() ? -1 : lista->row(chosen.first());
}

void TF_kreator::listaClick() {
    const int row = chosenRow();
    if (row < 0)
        return;
    const QListWidgetItem* item = lista->item(row);
    ok->setEnabled(true);
    status->setText(lang::pick(texts::kWizardSelected, languageFlag()) + item->text());
    Memo1->setPlainText(servers::wizardDescription(row).join(QLatin1Char('\n')));
}

void TF_kreator::okClick() {
    const int code = chosenRow();
    if (code == servers::kAllServers) {
        owner_->pokaz_wszystkieClick();
    } else if (servers::category(code)) {
        owner_->openServerCategory(code);
        if (code == servers::kInne)
            owner_->StatusBar1->setPanelText(2, QString::fromUtf8(texts::kInneCategory));
    }
    accept();
}

void TF_kreator::AnulujClick() {
    quitChosen_ = true;
    owner_->setQuitting(); // start-up then ends before the main window is shown
    QDialog::done(QDialog::Rejected);
    // Should the message loop already run, it ends too.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
