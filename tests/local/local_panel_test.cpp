// The local file panel in the main window, offscreen, on a temporary folder.

#include "app/main_window.h"
#include "local/case_dialog.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "tests/support/ui/main_window_fixture.h"
#include "transfers/progress_window.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>

namespace {

using platform::DlgResult;

struct LocalPanel : MainWindowFixture {
    QTemporaryDir work;

    // The window leaves before the folder it shows.
    ~LocalPanel() override { form.reset(); }

    void SetUp() override {
        home.writeDefaultKonf(1);
        createWindow();
        services.clear();
        ASSERT_TRUE(form->localPanel->katalog->setDirectory(work.path()));
    }

    QString at(const QString& name) const { return work.filePath(name); }
    void write(const QString& name) {
        QFile f(at(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("data");
    }
    QStringList shownFiles() const {
        QStringList out;
        for (int row = 0; row < form->localPanel->pliki->count(); ++row)
            out.append(form->localPanel->pliki->item(row)->text());
        return out;
    }
    QStringList shownSubfolders() const {
        QStringList out;
        for (int row = form->localPanel->katalog->ancestorRows();
             row < form->localPanel->katalog->count(); ++row)
            out.append(form->localPanel->katalog->nameAt(row));
        return out;
    }
    void select(const QStringList& names) {
        form->localPanel->pliki->clearSelection();
        for (const QString& name : names)
            form->localPanel->pliki->item(form->Znajdz(name))->setSelected(true);
    }
    void press(int key) { form->FormKeyDown(key, Qt::NoModifier); }
};

TEST_F(LocalPanel, F8CreatesAFolderInsideTheCurrentFolderOnly) {
    services.textAnswers = {QStringLiteral("nowy"), QStringLiteral("../escaped"),
                            QStringLiteral("")};
    press(Qt::Key_F8);
    ASSERT_EQ(services.callsOf("inputBox").size(), 1);
    EXPECT_EQ(services.callsOf("inputBox")[0].args,
              QStringList({"Nowy katalog lokalny", "Nazwa katalogu...", ""}));
    EXPECT_TRUE(QFileInfo(at("nowy")).isDir());
    EXPECT_EQ(shownSubfolders(), QStringList({"nowy"}));
    EXPECT_EQ(form->localPanel->Status_kat->panelText(0),
              QString::fromUtf8("Katalogów: %1").arg(form->localPanel->katalog->count() - 1));

    // A typed path never leads out of the folder.
    form->localPanel->SpeedButton3->click();
    EXPECT_FALSE(QFileInfo::exists(QDir(work.path()).absoluteFilePath("../escaped")));
    form->nowy_kat_lokal->trigger();
    EXPECT_EQ(shownSubfolders(), QStringList({"nowy"}));
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(LocalPanel, DelAsksAndDeletesOnlyTheSelectedFilesOnYes) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        write(name);
    form->localPanel->pliki->refresh();
    select({"a.txt", "b.txt"});
    form->plikiTag = 101;

    services.dialogAnswers = {DlgResult::No};
    press(Qt::Key_Delete);
    ASSERT_EQ(services.callsOf("messageBox").size(), 1);
    EXPECT_EQ(
        services.callsOf("messageBox")[0].args.mid(0, 2),
        QStringList({QString::fromUtf8("Czy napewno chcesz usunąć plik(i) z Twojego komputera? "),
                     QString::fromUtf8("KORVANTE - Usunięcie")}));
    EXPECT_EQ(services.callsOf("messageBox")[0].args.value(3),
              QString::number(int(platform::BoxKind::Warning)));
    EXPECT_EQ(shownFiles(), QStringList({"a.txt", "b.txt", "c.txt"}));

    services.dialogAnswers = {DlgResult::Yes};
    press(Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(at("a.txt")));
    EXPECT_FALSE(QFile::exists(at("b.txt")));
    EXPECT_TRUE(QFile::exists(at("c.txt")));
    EXPECT_EQ(shownFiles(), QStringList({"c.txt"}));
    EXPECT_EQ(form->localPanel->status_lokal->panelText(0), QString::fromUtf8("Plików: 1"));
    // The progress window showed the deletion and is put away again.
    EXPECT_EQ(form->Form13->licznik->text(), QString::fromUtf8("Pliki usunięto..."));
    EXPECT_FALSE(form->Form13->isVisible());

    // Nothing selected: said so, nothing deleted.
    services.clear();
    form->localPanel->pliki->clearSelection();
    services.dialogAnswers = {DlgResult::Yes};
    form->Usuplik1->trigger();
    EXPECT_EQ(services.messages().last(),
              QString::fromUtf8("Nie zaznaczono żadnego pliku do usunięcia"));
    EXPECT_TRUE(QFile::exists(at("c.txt")));
}

TEST_F(LocalPanel, AttributeFiltersAndTheNameMask) {
    for (const char* name : {"a.txt", "b.doc", ".hidden.txt", "noext"})
        write(name);
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe")).constData(), 0600), 0);
    form->localPanel->pliki->refresh();
    EXPECT_TRUE(form->Pl_normalne->isChecked());
    EXPECT_EQ(shownFiles(), QStringList({"a.txt", "b.doc", "noext"}));

    form->pl_wszystkie->trigger();
    EXPECT_EQ(shownFiles(), QStringList({".hidden.txt", "a.txt", "b.doc", "noext", "pipe"}));
    EXPECT_FALSE(form->Pl_normalne->isChecked());
    EXPECT_EQ(form->localPanel->status_lokal->panelText(0), QString::fromUtf8("Plików: 5"));
    form->pl_ukryte->trigger();
    EXPECT_EQ(shownFiles(), QStringList({".hidden.txt"}));
    form->pl_system->trigger();
    EXPECT_EQ(shownFiles(), QStringList({"pipe"}));
    form->pl_archiwalne->trigger();
    EXPECT_EQ(shownFiles(), QStringList({".hidden.txt", "a.txt", "b.doc", "noext"}));
    form->Pl_normalne->trigger();
    EXPECT_EQ(shownFiles(), QStringList({"a.txt", "b.doc", "noext"}));
    EXPECT_TRUE(form->Pl_normalne->isChecked());
    EXPECT_FALSE(form->pl_archiwalne->isChecked());

    // "doc" means *.doc; a mask with a star is used as typed; empty keeps it.
    services.textAnswers = {QStringLiteral("doc"), QStringLiteral("*.txt"), QStringLiteral("")};
    form->localPanel->filtr->click();
    EXPECT_EQ(services.callsOf("inputBox")[0].args,
              QStringList({"Filtruj pliki...",
                           QString::fromUtf8("Wpisz maskę filtracji np.(*.doc)"), "*.*"}));
    EXPECT_EQ(form->localPanel->pliki->mask(), "*.doc");
    EXPECT_EQ(shownFiles(), QStringList({"b.doc"}));
    EXPECT_EQ(form->localPanel->status_lokal->panelText(0), QString::fromUtf8("Plików: 1"));
    form->localPanel->filtr->click();
    EXPECT_EQ(shownFiles(), QStringList({"a.txt"}));
    form->localPanel->filtr->click();
    EXPECT_EQ(form->localPanel->pliki->mask(), "*.txt");
}

TEST_F(LocalPanel, F4OpensTheFileAtTheFocusAndFindAddsToTheSelection) {
    for (const char* name : {"alpha.txt", "beta.txt", "Gamma.txt"})
        write(name);
    form->localPanel->pliki->refresh();
    form->localPanel->pliki->clearSelection();
    press(Qt::Key_F4);
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8(
                  "Nie zaznaczono żadnego pliku do otwarcia lub uruchomienia")}));
    EXPECT_TRUE(services.callsOf("shellOpen").isEmpty());

    select({"alpha.txt"});
    services.textAnswers = {QStringLiteral("gam"), QStringLiteral("zzz")};
    form->Szukaj_pliku->trigger();
    EXPECT_EQ(form->localPanel->pliki->selectedFileNames(),
              QStringList({"alpha.txt", "Gamma.txt"}));
    form->Szukaj_pliku->trigger(); // nothing found: nothing changes
    EXPECT_EQ(form->localPanel->pliki->selectedFileNames(),
              QStringList({"alpha.txt", "Gamma.txt"}));

    press(Qt::Key_F4);
    ASSERT_EQ(services.callsOf("shellOpen").size(), 1);
    EXPECT_EQ(services.callsOf("shellOpen")[0].args.value(0), at("Gamma.txt"));

    form->odznacz->trigger();
    EXPECT_TRUE(form->localPanel->pliki->selectedItems().isEmpty());
    form->zaznacz1->trigger();
    EXPECT_EQ(form->localPanel->pliki->selectedItems().size(), 3);
    EXPECT_EQ(form->Znajdz("beta.txt"), 1);
    EXPECT_EQ(form->Znajdz("BETA.txt"), -1);
}

TEST_F(LocalPanel, FolderCommandsFindRenameDeleteAndOpen) {
    QDir(work.path()).mkpath("one/inner");
    QDir(work.path()).mkdir("two");
    write("one/inner/file.txt");
    form->Odswiez1->trigger();
    EXPECT_EQ(shownSubfolders(), QStringList({"one", "two"}));

    services.textAnswers = {QStringLiteral("TW"), QStringLiteral("three"), QStringLiteral("../out"),
                            QStringLiteral("one")};
    form->kat_szukaj->trigger();
    EXPECT_EQ(form->localPanel->katalog->nameAt(form->localPanel->katalog->currentRow()), "two");
    form->zmien_katalog->trigger();
    EXPECT_EQ(shownSubfolders(), QStringList({"one", "three"}));
    // A path or an existing name renames nothing.
    form->localPanel->katalog->setCurrentRow(form->localPanel->katalog->count() - 1);
    form->zmien_katalog->trigger();
    form->zmien_katalog->trigger();
    EXPECT_EQ(shownSubfolders(), QStringList({"one", "three"}));

    // The drive root only warns.
    form->localPanel->katalog->setCurrentRow(0);
    services.dialogAnswers = {DlgResult::Yes};
    form->kat_usun->trigger();
    EXPECT_EQ(services.messages().last(),
              QString::fromUtf8("BŁĄD: Nie możesz usunąć całego dysku"));
    EXPECT_TRUE(QDir(work.path()).exists());

    // No keeps the folder; Yes deletes it with everything in it.
    const int oneRow = form->localPanel->katalog->ancestorRows();
    form->localPanel->katalog->setCurrentRow(oneRow);
    services.dialogAnswers = {DlgResult::No};
    form->kat_usun->trigger();
    EXPECT_TRUE(QFile::exists(at("one/inner/file.txt")));
    services.dialogAnswers = {DlgResult::Yes};
    form->kat_usun->trigger();
    EXPECT_FALSE(QFileInfo::exists(at("one")));
    EXPECT_EQ(shownSubfolders(), QStringList({"three"}));

    write("three/inside.txt");
    form->localPanel->katalog->setCurrentRow(form->localPanel->katalog->ancestorRows());
    form->kat_otworz->trigger();
    EXPECT_EQ(form->localPanel->katalog->directory(), at("three"));
    EXPECT_EQ(shownFiles(), QStringList({"inside.txt"}));
    EXPECT_EQ(form->localPanel->status_lokal->panelText(0), QString::fromUtf8("Plików: 1"));
}

TEST_F(LocalPanel, LetterCaseRenamesEveryFileAndKeepsCollisions) {
    for (const char* name : {"Mixed.TXT", "upper.txt", "KEEP.MD", "keep.md"})
        write(name);
    form->localPanel->pliki->refresh();
    select({"upper.txt"}); // every file is renamed, not only the selected ones
    QString lastPercent;
    QString title;
    services.modalSteps[QStringLiteral("TForm15")] = [&](QDialog& dialog) {
        auto& caseDialog = static_cast<TForm15&>(dialog);
        EXPECT_EQ(caseDialog.Edit1, "1");
        EXPECT_TRUE(caseDialog.r_male->isChecked());
        EXPECT_EQ(caseDialog.procent->text(), "Wykonano w: 0%");
        title = caseDialog.windowTitle();
        caseDialog.r_duze->setChecked(true);
        caseDialog.Zmien->click();
        lastPercent = caseDialog.procent->text();
        return dialog.result();
    };
    form->localPanel->litery_lokal->click();
    EXPECT_EQ(title, QString::fromUtf8("Zmień..."));
    // Four files: the last one shows 75%.
    EXPECT_EQ(lastPercent, "Wykonano w: 75%");
    // "keep.md" would land on "KEEP.MD": both stay.
    QStringList after = shownFiles();
    after.sort();
    EXPECT_EQ(after, QStringList({"KEEP.MD", "MIXED.TXT", "UPPER.TXT", "keep.md"}));
    EXPECT_TRUE(form->Form15->Zmien->isEnabled());
    EXPECT_EQ(form->Form15->pas->value(), 0);
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(LocalPanel, MasksIgnoreLetterCaseAndEveryFileShowsAnIcon) {
    for (const char* name : {"A.DOC", "b.doc", "c.Doc", "d.docx", "e.txt"})
        write(name);
    services.textAnswers = {QStringLiteral("doc"), QStringLiteral("*.TXT;*.DOC")};
    form->localPanel->filtr->click();
    EXPECT_EQ(shownFiles(), QStringList({"A.DOC", "b.doc", "c.Doc"}));
    form->localPanel->filtr->click();
    EXPECT_EQ(shownFiles(), QStringList({"A.DOC", "b.doc", "c.Doc", "e.txt"}));
    for (int row = 0; row < form->localPanel->pliki->count(); ++row)
        EXPECT_FALSE(form->localPanel->pliki->item(row)->icon().isNull()) << row;
}

TEST_F(LocalPanel, NewFolderTakesAFullPathTypedOnPurpose) {
    QTemporaryDir elsewhere;
    const QString full = QDir(elsewhere.path()).filePath("pelna");
    services.textAnswers = {full, QStringLiteral("."), QStringLiteral("nowy/../../obok"),
                            QStringLiteral("a\\b")};
    press(Qt::Key_F8);
    EXPECT_TRUE(QFileInfo(full).isDir());
    // Typed as a name, nothing leaves the folder shown.
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_F8);
    EXPECT_FALSE(QFileInfo::exists(QDir(work.path()).absoluteFilePath("../obok")));
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(LocalPanel, DriveSelectorFollowsTheFolderAndADriveOpensItsLastFolder) {
    ASSERT_TRUE(QDir(work.path()).mkdir("inner"));
    ASSERT_TRUE(form->localPanel->katalog->setDirectory(at("inner")));
    // The process works in the folder shown.
    EXPECT_EQ(QDir::currentPath(), QDir(at("inner")).canonicalPath());
    const QString drive = QStorageInfo(at("inner")).rootPath();
    EXPECT_EQ(form->localPanel->dysk->currentText(), drive);

    // Another drive and back: the first drive opens where it was left.
    if (form->localPanel->dysk->count() < 2)
        GTEST_SKIP() << "one mounted volume only";
    const int here = form->localPanel->dysk->currentIndex();
    const bool down = here + 1 < form->localPanel->dysk->count();
    const QString otherRoot = form->localPanel->dysk->itemText(down ? here + 1 : here - 1);
    form->show();
    form->localPanel->dysk->setFocus();
    QTest::keyClick(form->localPanel->dysk, down ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(form->localPanel->katalog->directory(), QDir::cleanPath(otherRoot));
    QTest::keyClick(form->localPanel->dysk, down ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(form->localPanel->katalog->directory(), at("inner"));
    EXPECT_EQ(form->localPanel->dysk->currentText(), drive);
}

} // namespace
