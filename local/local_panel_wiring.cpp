// The local panel's controls: the drive and folder lists, the attribute
// filters and the name mask, selection and search, open or run.

#include "app/main_window.h"
#include "local/case_dialog.h"
#include "local/drive_folders.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "local/local_panel_texts.h"
#include "platform/msg.h"
#include "platform/services.h"

#include <QActionGroup>
#include <QDir>

namespace texts = local_panel_texts;

void TForm1::wireLocalPanel() {
    if (localPanelWired)
        return;
    localPanelWired = true;

    driveFolders = std::make_unique<local::DriveFolders>();
    connect(localPanel->dysk, &QComboBox::activated, this, [this] { dyskChange(); });
    connect(localPanel->katalog, &TLocalFolderList::directoryChanged, this,
            [this] { katalogChange(); });
    if (!localPanel->katalog->directory().isEmpty())
        katalogChange();
    connect(localPanel->filtr, &QToolButton::clicked, this, [this] { filtrClick(); });
    connect(localPanel->siec, &QToolButton::clicked, this, &TForm1::siecClick);
    connect(localPanel->SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(nowy_kat_lokal, &QAction::triggered, this, [this] { SpeedButton3Click(); });
    connect(localPanel->SpeedButton2, &QToolButton::clicked, this, [this] { Usuplik1Click(); });
    connect(Usuplik1, &QAction::triggered, this, [this] { Usuplik1Click(); });
    connect(localPanel->ran2, &QToolButton::clicked, this, [this] { ranClick(); });
    connect(ran, &QAction::triggered, this, [this] { ranClick(); });
    connect(zaznacz1, &QAction::triggered, this, [this] { zaznacz1Click(); });
    connect(odznacz, &QAction::triggered, this, [this] { odznaczClick(); });
    connect(odswiez, &QAction::triggered, this, [this] { odswiezClick(); });
    connect(Szukaj_pliku, &QAction::triggered, this, [this] { Szukaj_plikuClick(); });
    connect(kat_otworz, &QAction::triggered, this, [this] { kat_otworzClick(); });
    connect(kat_usun, &QAction::triggered, this, [this] { kat_usunClick(); });
    connect(zmien_katalog, &QAction::triggered, this, [this] { zmien_katalogClick(); });
    connect(Odswiez1, &QAction::triggered, this, [this] { Odswiez1Click(); });
    connect(kat_szukaj, &QAction::triggered, this, [this] { kat_szukajClick(); });

    // Exactly one attribute filter is checked; the list starts with normal files.
    auto* filters = new QActionGroup(this);
    filters->setExclusive(true);
    for (QAction* choice :
         {Pl_normalne, pl_archiwalne, pl_system, pl_ukryte, pl_read, pl_wszystkie}) {
        choice->setCheckable(true);
        filters->addAction(choice);
    }
    Pl_normalne->setChecked(true);
    localPanel->pliki->setAttributes(TLocalFileList::Normal);
    connect(filters, &QActionGroup::triggered, this, [this](QAction* a) { pokazuj_plikiClick(a); });

    Form15 = new TForm15(this);
    connect(localPanel->litery_lokal, &QToolButton::clicked, this, [this] { litery_lokalClick(); });
}

void TForm1::dyskChange() {
    // A drive opens at the folder last shown on it; a folder that has gone
    // since gives way to the drive's root, and an unreadable drive changes
    // nothing (the selector goes back to the drive of the folder shown).
    const QString root = localPanel->dysk->currentText();
    if (!localPanel->katalog->setDirectory(driveFolders->currentFolderOf(root)) &&
        !localPanel->katalog->setDirectory(root))
        katalogChange();
    Statusy();
}

void TForm1::katalogChange() {
    const QString folder = localPanel->katalog->directory();
    QStringList roots;
    for (int i = 0; i < localPanel->dysk->count(); ++i)
        roots.append(localPanel->dysk->itemText(i));
    const int drive = local::driveIndexOf(roots, folder);
    if (drive >= 0) {
        localPanel->dysk->setCurrentIndex(drive);
        driveFolders->remember(roots.at(drive), folder);
    }
    // Plain file names the shell is handed refer to the folder shown.
    QDir::setCurrent(folder);
    Statusy();
}

void TForm1::pokazuj_plikiClick(QAction* choice) {
    int set = TLocalFileList::Normal;
    if (choice == pl_archiwalne)
        set = TLocalFileList::Archive;
    else if (choice == pl_system)
        set = TLocalFileList::System;
    else if (choice == pl_ukryte)
        set = TLocalFileList::Hidden;
    else if (choice == pl_read)
        set = TLocalFileList::ReadOnly;
    else if (choice == pl_wszystkie)
        set = TLocalFileList::kAllAttributes;
    choice->setChecked(true);
    localPanel->pliki->setAttributes(set);
    Statusy();
}

void TForm1::filtrClick() {
    const int flag = languageFlag();
    const std::optional<QString> answer = platform::services().inputBox(
        lang::pickStrict(texts::kMaskCaption, flag), lang::pickStrict(texts::kMaskPrompt, flag),
        QStringLiteral("*.*"));
    if (answer && !answer->isEmpty())
        localPanel->pliki->setMask(
            answer->startsWith(QLatin1Char('*')) ? *answer : QStringLiteral("*.") + *answer);
    Statusy();
}

void TForm1::ranClick() {
    if (localPanel->pliki->selectedItems().isEmpty()) {
        platform::services().messageDlg(lang::pick(texts::kNothingToOpen, languageFlag()),
                                        platform::DlgType::Information, platform::DlgButtons::Ok);
        return;
    }
    // The file at the focus, as the shell's default action would open it.
    int row = localPanel->pliki->currentRow();
    if (row < 0)
        row = localPanel->pliki->row(localPanel->pliki->selectedItems().first());
    platform::services().shellOpen(localPanel->pliki->filePath(row),
                                   localPanel->pliki->directory());
}

void TForm1::zaznacz1Click() {
    localPanel->pliki->selectAll();
}

void TForm1::odznaczClick() {
    localPanel->pliki->clearSelection();
}

void TForm1::odswiezClick() {
    localPanel->pliki->refresh();
    Statusy();
}

void TForm1::Odswiez1Click() {
    localPanel->katalog->refresh();
    Statusy();
}

void TForm1::kat_otworzClick() {
    const int row = localPanel->katalog->currentRow();
    if (row >= 0)
        localPanel->katalog->setDirectory(localPanel->katalog->folderAt(row));
}

void TForm1::Szukaj_plikuClick() {
    const int flag = languageFlag();
    const std::optional<QString> answer =
        platform::services().inputBox(lang::pickStrict(texts::kFindFileCaption, flag),
                                      lang::pickStrict(texts::kFindFilePrompt, flag), QString());
    if (!answer || answer->isEmpty())
        return;
    for (int row = 0; row < localPanel->pliki->count(); ++row) {
        if (localPanel->pliki->item(row)->text().startsWith(*answer, Qt::CaseInsensitive)) {
            // Added to whatever is selected already.
            localPanel->pliki->item(row)->setSelected(true);
            localPanel->pliki->setCurrentRow(row, QItemSelectionModel::Current);
            localPanel->pliki->scrollToItem(localPanel->pliki->item(row));
            return;
        }
    }
}

void TForm1::kat_szukajClick() {
    const int flag = languageFlag();
    const std::optional<QString> answer =
        platform::services().inputBox(lang::pickStrict(texts::kFindFolderCaption, flag),
                                      lang::pickStrict(texts::kFindFolderPrompt, flag), QString());
    if (!answer || answer->isEmpty())
        return;
    for (int row = 0; row < localPanel->katalog->count(); ++row) {
        if (localPanel->katalog->nameAt(row).startsWith(*answer, Qt::CaseInsensitive)) {
            localPanel->katalog->setCurrentRow(row);
            localPanel->katalog->scrollToItem(localPanel->katalog->item(row));
            return;
        }
    }
}

void TForm1::litery_lokalClick() {
    Form15->Edit1 = QStringLiteral("1");
    platform::services().showModal(*Form15);
}

int TForm1::Znajdz(const QString& name) const {
    return localPanel->pliki->rowOf(name);
}
