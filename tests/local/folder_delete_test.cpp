// Deleting a folder that is a symbolic link, from the main window's local
// panel and from the folder chooser, with the windows shown and clicked.

#include "app/main_window.h"
#include "app/settings_dialog.h"
#include "app/top_panel.h"
#include "local/folder_chooser.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::DlgResult;

struct LinkedFolderDelete : MainWindowFixture {
    QTemporaryDir work;      // the folder the lists show
    QTemporaryDir elsewhere; // what the link points at, with a file inside

    // The window leaves before the folders it shows.
    ~LinkedFolderDelete() override { form.reset(); }

    void SetUp() override {
        QFile kept(elsewhere.filePath("keep.txt"));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("precious");
        kept.close();
        ASSERT_TRUE(QFile::link(elsewhere.path(), work.filePath("link")));
        home.writeDefaultKonf(1, 7);
        createWindow();
        ASSERT_TRUE(form->localPanel->katalog->setDirectory(work.path()));
        showWindow();
    }
    static void clickFolder(TLocalFolderList* list, const QString& name) {
        for (int row = list->ancestorRows(); row < list->count(); ++row)
            if (list->nameAt(row) == name) {
                userinput::clickRow(list, list->item(row));
                return;
            }
        ADD_FAILURE() << "no folder " << name.toStdString();
    }
    void expectOnlyTheLinkGone() {
        EXPECT_FALSE(QFileInfo(work.filePath("link")).isSymLink());
        EXPECT_FALSE(QFileInfo::exists(work.filePath("link")));
        EXPECT_TRUE(QFileInfo(elsewhere.path()).isDir());
        EXPECT_TRUE(QFile::exists(elsewhere.filePath("keep.txt")));
    }
};

TEST_F(LinkedFolderDelete, TheLocalPanelRemovesTheLinkOnly) {
    clickFolder(form->localPanel->katalog, "link");
    services.dialogAnswers = {DlgResult::Yes};
    form->kat_usun->trigger();
    expectOnlyTheLinkGone();
}

TEST_F(LinkedFolderDelete, TheFolderChooserRemovesTheLinkOnly) {
    services.modalSteps[QStringLiteral("Formy")] = [this](QDialog& dialog) {
        auto& chooser = static_cast<TFormy&>(dialog);
        chooser.openFolder(work.path());
        clickFolder(chooser.katalog, "link");
        EXPECT_TRUE(chooser.usun->isEnabled());
        services.dialogAnswers = {DlgResult::Yes};
        chooser.usun->trigger();
        expectOnlyTheLinkGone();
        chooser.Anuluj->click();
        return dialog.result();
    };
    services.modalSteps[QStringLiteral("TUstawienia")] = [](QDialog& dialog) {
        auto& settings = static_cast<TUstawienia&>(dialog);
        settings.zmien_katalog->click();
        settings.Anuluj->click();
        return dialog.result();
    };
    QTest::mouseClick(form->topPanel->Ustawienia2, Qt::LeftButton);
    EXPECT_EQ(services.callsOf("showModal").size(), 2);
    expectOnlyTheLinkGone();
}

} // namespace
