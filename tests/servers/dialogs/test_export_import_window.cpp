// The export and import window and the folder chooser driven as a user
// drives them: popup item, "Pokaż katalogi", the chooser, the list, "Wykonaj".

#include "app/settings_dialog.h"
#include "app/top_panel.h"
#include "local/folder_chooser.h"
#include "local/local_lists.h"
#include "servers/export_import_dialog.h"
#include "servers/server_directory_state.h"
#include "tests/servers/dialogs/dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

struct ExportImport : DialogFixture {
    QTemporaryDir other;

    // "Pokaż katalogi", then the chooser confirms `folder` with OK.
    void chooseFolder(TForm17& d, const QString& folder, const char* expectedMode) {
        whenShown("Formy", [folder, expectedMode](QDialog& dialog) {
            auto& chooser = static_cast<TFormy&>(dialog);
            EXPECT_EQ(chooser.edit_forma, expectedMode);
            ASSERT_TRUE(chooser.openFolder(folder));
            click(chooser.OK);
        });
        click(d.katalogi);
    }
    static QStringList rows(QListWidget* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names.append(list->item(i)->text());
        return names;
    }
    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

using FolderChooser = DialogFixture;

} // namespace

TEST_F(ExportImport, ExportOfFirmyAndInneCreatesByteEqualCopies) {
    home.writeBytes("P.dat", "\rFirma*0*jan*ftp.firma.pl*^*21*0*\r\n");
    home.writeBytes("S_list.dat",
                    "Inny*1*anonymous*h*guest@example.com*21*7*\r\n\rB*0*b*h*p*21*7*\r\n");
    start();
    form->settings.fieldBackground = 0x00FF00; // green
    whenShown("Form17", [this](QDialog& dialog) {
        auto& d = static_cast<TForm17&>(dialog);
        EXPECT_EQ(d.lista->palette().color(QPalette::Base), QColor(Qt::green));
        EXPECT_EQ(d.import_edit->palette().color(QPalette::Base), QColor(Qt::green));
        EXPECT_EQ(rows(d.lista).size(), 8);
        EXPECT_FALSE(d.exp1->isEnabled());
        chooseFolder(d, other.path(), "I");
        EXPECT_EQ(d.import_edit->text(), other.path());
        EXPECT_TRUE(d.exp1->isEnabled());
        EXPECT_TRUE(d.zaznacz->isEnabled());
        click(d.exp1);
        ASSERT_EQ(rows(d.lista).size(), 8);
        clickRow(d.lista, 0);
        clickRow(d.lista, 7);
        click(d.go);
        EXPECT_FALSE(d.isVisible());
    });
    form->exp->trigger();

    EXPECT_EQ(QDir(other.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"p.dat", "s_list.dat"}));
    EXPECT_EQ(bytesOf(other.filePath("p.dat")), home.readBytes("P.dat"));
    EXPECT_EQ(bytesOf(other.filePath("s_list.dat")), home.readBytes("S_list.dat"));
    EXPECT_EQ(boxTexts(),
              QStringList{"Zaznaczone pliki z danymi zostały skopiowane z powodzeniem"});

    // A category without a file is reported; the window stays open.
    services.clear();
    whenShown("Form17", [this](QDialog& dialog) {
        auto& d = static_cast<TForm17&>(dialog);
        EXPECT_TRUE(d.exp1->isChecked()); // closing after an export keeps the choice
        click(d.exp1);
        clickRow(d.lista, 1);
        click(d.go);
        EXPECT_TRUE(d.isVisible());
        click(d.Anuluj);
        EXPECT_FALSE(d.exp1->isChecked());
        EXPECT_FALSE(d.exp1->isEnabled());
        EXPECT_FALSE(d.zaznacz->isEnabled());
        EXPECT_EQ(d.lista->count(), 0);
    });
    form->exp->trigger();
    const auto errors = services.callsOf("messageDlg");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first().args.first(),
              "Nie udało się skopiować plików z danymi:\nm.dat (brak pliku)");
    EXPECT_FALSE(QFile::exists(other.filePath("m.dat")));
    EXPECT_EQ(form->Form17->import_edit->text(), other.path()); // kept for the next opening
}

TEST_F(ExportImport, ImportOfMiastaAndUlubioneReloadsTheList) {
    {
        QFile m(other.filePath("m.dat"));
        ASSERT_TRUE(m.open(QIODevice::WriteOnly));
        m.write("Krak\xf3w*0*k*ftp.krakow.pl*^*21*1*\r\n");
        QFile u(other.filePath("u.dat"));
        ASSERT_TRUE(u.open(QIODevice::WriteOnly));
        u.write("Ulubiony*0*u*fav.pl*x*21*5*\r\nDrugi*0*d*fav2.pl*y*21*5*\r\n");
    }
    home.writeLines("U.dat", {"Stary*0*s*old.pl*z*21*5*"});
    start(0);
    whenShown("Form17", [this](QDialog& dialog) {
        auto& d = static_cast<TForm17&>(dialog);
        EXPECT_EQ(d.go->text(), "Do it");
        chooseFolder(d, other.path(), "I");
        click(d.import);
        EXPECT_EQ(rows(d.lista), (QStringList{"MIASTA", "ULUBIONE"}));
        click(d.zaznacz);
        EXPECT_EQ(d.lista->selectedItems().size(), 2);
        click(d.go);
    });
    form->exp->trigger();

    EXPECT_EQ(home.readBytes("m.dat"), bytesOf(other.filePath("m.dat")));
    EXPECT_EQ(home.readBytes("U.dat"), bytesOf(other.filePath("u.dat")));
    EXPECT_FALSE(home.exists("u.dat"));
    EXPECT_EQ(shownServers(), (QStringList{"Ulubiony", "Drugi"}));
    EXPECT_EQ(form->serverDirectory->openCategory, 5);
    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_TRUE(services.callsOf("messageDlg").isEmpty());
}

TEST_F(ExportImport, NothingTickedImportsAndTheDriveRootIsRefused) {
    QFile m(other.filePath("m.dat"));
    ASSERT_TRUE(m.open(QIODevice::WriteOnly));
    m.write("Miasto*0*m*m.pl*^*21*1*\r\n");
    m.close();
    start();
    whenShown("Form17", [this](QDialog& dialog) {
        auto& d = static_cast<TForm17&>(dialog);
        click(d.go); // nothing selected
        // The root of the file system as the destination.
        chooseFolder(d, QDir::rootPath(), "I");
        click(d.exp1);
        clickRow(d.lista, 0);
        click(d.go);
        // Choosing again while exporting offers the eight categories again.
        chooseFolder(d, other.path(), "E");
        EXPECT_EQ(d.lista->count(), 8);
        click(d.Anuluj);
    });
    form->exp->trigger();
    // Next time: the folder is kept, nothing is ticked, a row of the
    // initial list is selected: "Wykonaj" imports.
    whenShown("Form17", [](QDialog& dialog) {
        auto& d = static_cast<TForm17&>(dialog);
        EXPECT_FALSE(d.exp1->isChecked());
        EXPECT_FALSE(d.import->isChecked());
        clickRow(d.lista, 1);
        click(d.go);
    });
    form->exp->trigger();
    const QString refusal = "Nie zaznaczono na liście żadnej kategorii lub wybrano główny dysk "
                            "jako miejsce docelowe";
    QStringList captions;
    EXPECT_EQ(boxTexts(&captions), (QStringList{refusal, refusal}));
    EXPECT_EQ(captions.first(), "KORVANTE 2.5.5");
    EXPECT_EQ(home.readLines("m.dat"), QStringList{"Miasto*0*m*m.pl*^*21*1*"});
    EXPECT_EQ(shownServers(), QStringList{"Miasto"});
}

TEST_F(FolderChooser, ModesFillTheirCallersAndThePopupCommandsWork) {
    start(0);
    QTemporaryDir base;
    // Mode "U": the settings dialog's default folder, even when unchanged.
    TFormy& chooser = *form->Formy;
    form->settings.fieldBackground = 0x00FF00; // green
    QString chosen, keptOnCancel;
    whenShown("TUstawienia", [&](QDialog& d) {
        auto& settings = static_cast<TUstawienia&>(d);
        whenShown("Formy", [&base](QDialog& d) {
            auto& formy = static_cast<TFormy&>(d);
            EXPECT_EQ(formy.edit_forma, "U");
            EXPECT_EQ(formy.katalog->palette().color(QPalette::Base), QColor(Qt::green));
            ASSERT_TRUE(formy.openFolder(base.path()));
            click(formy.OK);
        });
        settings.zmien_katalog->click();
        chosen = settings.lokalizacja->text();
        // Anuluj changes nothing.
        settings.lokalizacja->setText("keep");
        whenShown("Formy", [](QDialog& d) { click(static_cast<TFormy&>(d).Anuluj); });
        settings.zmien_katalog->click();
        keptOnCancel = settings.lokalizacja->text();
        settings.reject();
    });
    form->topPanel->Ustawienia2->click();
    EXPECT_EQ(chosen, QDir(base.path()).absolutePath());
    EXPECT_EQ(keptOnCancel, "keep");
    EXPECT_EQ(chooser.windowTitle(), "Select directory...");
    EXPECT_EQ(chooser.usun->text(), "Remove selected directory");

    // The popup commands while the chooser is open: new folder, find it by
    // the start of its name, delete it; the drive root is never deleted.
    whenShown("Formy", [this, &base](QDialog& dialog) {
        auto& d = static_cast<TFormy&>(dialog);
        EXPECT_FALSE(d.usun->isEnabled());
        services.textAnswers = {QString("Kopie"), QString("kop")};
        d.nowy->trigger();
        EXPECT_TRUE(QDir(base.filePath("Kopie")).exists());
        d.szukaj->trigger();
        ASSERT_NE(d.katalog->currentItem(), nullptr);
        EXPECT_EQ(d.katalog->folderAt(d.katalog->currentRow()), base.filePath("Kopie"));
        EXPECT_TRUE(d.usun->isEnabled());
        services.dialogAnswers = {platform::DlgResult::No};
        d.usun->trigger();
        EXPECT_TRUE(QDir(base.filePath("Kopie")).exists());
        QFile(base.filePath("Kopie/plik.txt")).open(QIODevice::WriteOnly);
        services.dialogAnswers = {platform::DlgResult::Yes};
        d.usun->trigger();
        EXPECT_FALSE(QDir(base.filePath("Kopie")).exists());

        QDir(base.path()).mkdir("Zostaje");
        d.odswiez->trigger();
        clickRow(d.katalog, 0);
        EXPECT_TRUE(d.usun->isEnabled());
        services.dialogAnswers = {platform::DlgResult::Yes};
        d.usun->trigger();
        EXPECT_TRUE(QDir(base.filePath("Zostaje")).exists());
        click(d.Anuluj);
    });
    services.clear();
    platform::services().showModal(chooser);
    const auto inputs = services.callsOf("inputBox");
    ASSERT_EQ(inputs.size(), 2);
    EXPECT_EQ(inputs[0].args.mid(0, 2), (QStringList{"New local directory", "Directory name..."}));
    const auto dialogs = services.callsOf("messageDlg");
    ASSERT_EQ(dialogs.size(), 4);
    EXPECT_EQ(dialogs[0].args.first(), "Do you want delete selected directory?");
    EXPECT_EQ(dialogs[3].args.first(), "ERROR: You cannot remove all disk");
}
