#include "servers/export_import_dialog.h"

#include "local/folder_chooser.h"
#include "platform/msg.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "servers/dialogs_texts.h"
#include "servers/export_import.h"
#include "servers/server_dialog_support.h"
#include "servers/server_files.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace texts = dialogs_texts;
using export_import::CopyResult;

namespace {

void untick(QRadioButton* radio) {
    // An exclusive radio button cannot be unticked on its own.
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

QString failureLine(const QString& fileName, CopyResult result, int flag) {
    const Msg& why =
        result == CopyResult::SourceMissing ? texts::kFileMissing : texts::kFileNotWritten;
    return fileName + QStringLiteral(" (") + lang::pick(why, flag) + QLatin1Char(')');
}

} // namespace

TForm17::TForm17(TFormy& chooser, QWidget* parent) : QDialog(parent), chooser_(chooser) {
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QString::fromUtf8(texts::kExportImportTitle));
    setModal(true);

    lista = new QListWidget;
    lista->setObjectName(QStringLiteral("lista"));
    lista->setSelectionMode(QAbstractItemView::MultiSelection); // each click toggles a row

    GroupBox1 = new QGroupBox;
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    exp1 = new QRadioButton;
    exp1->setObjectName(QStringLiteral("exp1"));
    import = new QRadioButton;
    import->setObjectName(QStringLiteral("import"));
    zaznacz = new QCheckBox;
    zaznacz->setObjectName(QStringLiteral("zaznacz"));
    for (QWidget* w : {static_cast<QWidget*>(exp1), static_cast<QWidget*>(import),
                       static_cast<QWidget*>(zaznacz)})
        w->setEnabled(false);
    auto* options = new QVBoxLayout(GroupBox1);
    options->addWidget(exp1);
    options->addWidget(import);
    options->addWidget(zaznacz);

    import_edit = new QLineEdit;
    import_edit->setObjectName(QStringLiteral("import_edit"));
    katalogi = new QPushButton;
    katalogi->setObjectName(QStringLiteral("katalogi"));
    go = new QPushButton;
    go->setObjectName(QStringLiteral("go"));
    Anuluj = new QPushButton;
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    for (QPushButton* b : {katalogi, go, Anuluj})
        b->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox1);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(lista, 1);
    top->addLayout(right);
    auto* folder = new QHBoxLayout;
    folder->addWidget(import_edit, 1);
    folder->addWidget(katalogi);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(go);
    buttons->addWidget(Anuluj);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(folder);
    main->addLayout(buttons);
    resize(460, 320);

    connect(katalogi, &QPushButton::clicked, this, &TForm17::katalogiClick);
    connect(exp1, &QRadioButton::clicked, this, &TForm17::exp1Click);
    connect(import, &QRadioButton::clicked, this, &TForm17::importClick);
    connect(zaznacz, &QCheckBox::toggled, this, &TForm17::zaznaczClick);
    connect(go, &QPushButton::clicked, this, &TForm17::goClick);
    connect(Anuluj, &QPushButton::clicked, this, &TForm17::AnulujClick);
}

void TForm17::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm17::FormActivate() {
    fillAllNames();
    importedCategories.clear();
    server_dialogs::applyFieldColors(state_, {lista, import_edit});
    const int flag = server_dialogs::languageFlag();
    GroupBox1->setTitle(lang::pick(texts::kExpOptions, flag));
    exp1->setText(lang::pick(texts::kExportRadio, flag));
    import->setText(lang::pick(texts::kImportRadio, flag));
    zaznacz->setText(lang::pick(texts::kSelectAll, flag));
    katalogi->setText(lang::pick(texts::kShowFolders, flag));
    go->setText(lang::pick(texts::kDoIt, flag));
    Anuluj->setText(lang::pick(texts::kCancel, flag));
}

void TForm17::fillAllNames() {
    lista->clear();
    for (const servers::Category& c : servers::categories())
        lista->addItem(QString::fromUtf8(c.name));
}

void TForm17::detectFiles() {
    lista->clear();
    for (int code : export_import::categoriesIn(import_edit->text()))
        lista->addItem(servers::categoryName(code));
}

void TForm17::katalogiClick() {
    lista->clear();
    TFormy& chooser = chooser_;
    chooser.edit_forma = exp1->isChecked() ? QStringLiteral("E") : QStringLiteral("I");
    chooser.fieldBackground = state_.fieldBackground;
    chooser.fieldText = state_.fieldText;
    if (platform::services().showModal(chooser) == QDialog::Accepted)
        import_edit->setText(chooser.chosenFolder);
    if (!import_edit->text().isEmpty()) {
        exp1->setEnabled(true);
        import->setEnabled(true);
        zaznacz->setEnabled(true);
    }
    if (import->isChecked())
        detectFiles();
    else if (exp1->isChecked())
        fillAllNames(); // otherwise the export would have nothing to offer
}

void TForm17::exp1Click() {
    if (exp1->isChecked())
        fillAllNames();
    else
        lista->clear();
}

void TForm17::importClick() {
    if (import->isChecked())
        detectFiles();
}

void TForm17::zaznaczClick(bool ticked) {
    if (ticked)
        lista->selectAll();
    else
        lista->clearSelection();
}

void TForm17::goClick() {
    const int flag = server_dialogs::languageFlag();
    if (lista->selectedItems().isEmpty() || platform::isRoot(import_edit->text())) {
        server_dialogs::showPlainBox(lang::pick(texts::kNothingOrRoot, flag));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (exp1->isChecked())
        exportFiles();
    else
        importFiles();
    QApplication::restoreOverrideCursor();
}

void TForm17::exportFiles() {
    const int flag = server_dialogs::languageFlag();
    const QString folder = import_edit->text();
    if (folder.isEmpty()) {
        server_dialogs::showPlainBox(lang::pick(texts::kChooseExportFolder, flag));
        return;
    }
    QStringList failures;
    for (int row = 0; row < servers::kCategoryCount && row < lista->count(); ++row) {
        if (!lista->item(row)->isSelected())
            continue;
        const CopyResult result = export_import::exportCategory(row, folder);
        if (result != CopyResult::Copied)
            failures.append(
                failureLine(QString::fromLatin1(servers::category(row)->fileName), result, flag));
    }
    if (!failures.isEmpty()) {
        // Whatever was copied stays copied; the user sees what was not.
        platform::services().messageDlg(lang::pick(texts::kExportFailed, flag) + QLatin1Char('\n') +
                                            failures.join(QLatin1Char('\n')),
                                        platform::DlgType::Error, platform::DlgButtons::Ok);
        return;
    }
    server_dialogs::showPlainBox(lang::pick(texts::kExportDone, flag));
    accept();
}

void TForm17::importFiles() {
    const int flag = server_dialogs::languageFlag();
    const QString folder = import_edit->text();
    if (folder.isEmpty()) {
        server_dialogs::showPlainBox(lang::pick(texts::kChooseImportFolder, flag));
        return;
    }
    QStringList failures;
    for (int row = 0; row < servers::kCategoryCount && row < lista->count(); ++row) {
        if (!lista->item(row)->isSelected())
            continue;
        const auto code = servers::categoryByName(lista->item(row)->text());
        if (!code)
            continue;
        const CopyResult result = export_import::importCategory(*code, folder);
        if (result == CopyResult::Copied)
            importedCategories.append(*code);
        else
            failures.append(
                failureLine(QString::fromLatin1(servers::category(*code)->fileName), result, flag));
    }
    if (!failures.isEmpty()) {
        platform::services().messageDlg(lang::pick(texts::kImportFailed, flag) + QLatin1Char('\n') +
                                            failures.join(QLatin1Char('\n')),
                                        platform::DlgType::Error, platform::DlgButtons::Ok);
        return;
    }
    accept();
}

void TForm17::AnulujClick() {
    reject();
}

void TForm17::reject() {
    lista->clear();
    zaznacz->setChecked(false);
    zaznacz->setEnabled(false);
    untick(exp1);
    untick(import);
    exp1->setEnabled(false);
    import->setEnabled(false);
    QDialog::reject();
}
