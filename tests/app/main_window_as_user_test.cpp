// The main window as a user meets it: shown and activated, closed by the
// desktop, failing handlers, window titles and the settings' restart.

#include "app/application.h"
#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/settings_dialog.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/colors.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

using platform::DlgResult;
using userinput::rowOf;

const QString kExitQuestion = QString::fromUtf8(
    "Jesteś aktualnie połączony z serwerem FTP. Czy napewno chcesz się rozłączyć i zamknąć "
    "program?");

struct MainWindowAsUser : MainWindowFixture {

    void create() {
        createWindow();
        showWindow();
    }
    // Chooses the one saved server with the mouse and presses F5.
    void connectTo(const ftptest::PyFtpServer& server) {
        home.writeLines(
            "S_list.dat",
            {QStringLiteral("Alfa*0*korvante*127.0.0.1*secret*%1*7*").arg(server.port())});
        home.writeDefaultKonf(1, 7);
        create();
        userinput::clickRow(form->serverPanel->ftp_lista,
                            rowOf(form->serverPanel->ftp_lista, "Alfa"));
        QTest::keyClick(form.get(), Qt::Key_F5);
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    }
};

TEST_F(MainWindowAsUser, TheDesktopsCloseFollowsTheExitRules) {
    ftptest::TempDir root;
    ftptest::PyFtpServer server(root.path());
    home.writeLines("roz.dat", {"337"});
    connectTo(server);
    form->Splitter1Moved(300);

    // The title bar's close box while connected: the exit question; No keeps all.
    services.dialogAnswers.push_back(DlgResult::No);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(services.messages(), QStringList({kExitQuestion}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->connected());
    EXPECT_FALSE(form->quitting());
    EXPECT_EQ(home.readLines("roz.dat"), QStringList({"337"}));

    // Yes: disconnected, the width saved, the program on its way out.
    services.clear();
    services.dialogAnswers.push_back(DlgResult::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(services.messages(), QStringList({kExitQuestion}));
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(form->quitting());
    EXPECT_EQ(home.readLines("roz.dat"), QStringList({"300"}));
}

TEST_F(MainWindowAsUser, ClosingWhileDisconnectedSavesTheWidthWithoutAQuestion) {
    home.writeDefaultKonf(1, 7);
    create();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(form->quitting());
    EXPECT_EQ(home.readLines("roz.dat"), QStringList({"337"}));
}

TEST_F(MainWindowAsUser, AFailureNoHandlerCaughtEndsInTheErrorBox) {
    home.writeDefaultKonf(1, 7);
    create();
    // The new-server dialog fails inside the F2 handler.
    services.modalSteps[QStringLiteral("TForm6")] = [](QDialog&) -> int {
        throw std::runtime_error("disk on fire");
    };
    QTest::keyClick(form.get(), Qt::Key_F2);
    ASSERT_EQ(services.callsOf("messageDlg").size(), 1);
    EXPECT_EQ(services.callsOf("messageDlg").first().args,
              QStringList({"disk on fire", QString::number(int(platform::DlgType::Error)),
                           QString::number(int(platform::DlgButtons::Ok))}));
    // From a timer, and with no text of its own.
    QTimer::singleShot(0, form.get(), [] { throw 42; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return services.callsOf("messageDlg").size() == 2; }, 2000));
    EXPECT_EQ(services.messages().last(), QString::fromUtf8("Nieoczekiwany błąd programu"));
    // The program goes on: the next key is handled as ever.
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(services.messages().size(), 3);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowAsUser, WindowTitlesAreTheProgramsOwn) {
    prepareApplication();
    // A display name would be appended to every title the desktop shows; the
    // application name shows through only while none was set.
    const QString name = QApplication::applicationName();
    QApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("probe"));
    QApplication::setApplicationName(name);
    home.writeDefaultKonf(1, 7);
    create();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("KORVANTE 2.5.5 - Klient FTP"));
}

TEST_F(MainWindowAsUser, TheSettingsRestartIsTheExitCommand) {
    ftptest::TempDir root;
    ftptest::PyFtpServer server(root.path());
    connectTo(server);
    services.modalSteps[QStringLiteral("TUstawienia")] = [](QDialog& dialog) {
        auto& settings = static_cast<TUstawienia&>(dialog);
        settings.r_angielski2->click();
        settings.Zastosuj->click();
        return dialog.result();
    };
    // Restart: yes; disconnect and close: no. The file is written, nothing ends.
    services.dialogAnswers = {DlgResult::Yes, DlgResult::No};
    QTest::mouseClick(form->topPanel->Ustawienia2, Qt::LeftButton);
    ASSERT_EQ(services.messages().size(), 2);
    EXPECT_EQ(services.messages().value(1), QStringLiteral("You are connect now with FTP server. "
                                                           "Do you want disconnect and close "
                                                           "application?"));
    EXPECT_EQ(home.readLines("konf.dat").value(4), "0");
    EXPECT_TRUE(services.callsOf("startProgram").isEmpty());
    EXPECT_TRUE(form->connected());
    EXPECT_FALSE(form->quitting());
    EXPECT_FALSE(home.exists("roz.dat"));

    // Both yes: the session ends, the width is saved, the program starts again.
    services.clear();
    services.dialogAnswers = {DlgResult::Yes, DlgResult::Yes};
    QTest::mouseClick(form->topPanel->Ustawienia2, Qt::LeftButton);
    EXPECT_EQ(services.callsOf("startProgram").size(), 1);
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(form->quitting());
    EXPECT_TRUE(home.exists("roz.dat"));
}

// Text and background of a field are never one colour.
void expectReadable(QWidget* field) {
    const QPalette palette = field->palette();
    EXPECT_NE(palette.color(QPalette::Base).rgb(), palette.color(QPalette::Text).rgb())
        << field->objectName().toStdString();
}

TEST_F(MainWindowAsUser, AFreshProgramFolderIsReadableAndLeadsToTheRestart) {
    create(); // no konf.dat
    EXPECT_EQ(form->localPanel->Status_kat->panelText(0), QStringLiteral("Directories: 0"));
    // The settings dialog the notice sends the user to, opened with the mouse.
    bool checked = false;
    services.modalSteps[QStringLiteral("TUstawienia")] = [&checked](QDialog& dialog) {
        auto& settings = static_cast<TUstawienia&>(dialog);
        for (QWidget* field :
             {static_cast<QWidget*>(settings.haslo), static_cast<QWidget*>(settings.lokalizacja),
              static_cast<QWidget*>(settings.lista)})
            expectReadable(field);
        checked = true;
        settings.domyslne->click();
        return dialog.result();
    };
    services.dialogAnswers = {DlgResult::Yes};
    QTest::mouseClick(form->topPanel->Ustawienia2, Qt::LeftButton);
    EXPECT_TRUE(checked);
    EXPECT_EQ(home.readLines("konf.dat").value(5), "-2147483624");
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages().first().startsWith("ATENTION:"));
    EXPECT_EQ(services.callsOf("startProgram").size(), 1);
    EXPECT_TRUE(form->quitting());
}

TEST_F(MainWindowAsUser, ANonNumberInKonfLeavesTheBuiltInColours) {
    home.writeLines("konf.dat",
                    {"0", "x", "0", "1", "1", "16777215", "0", "1", "7", "0", home.path()});
    create();
    EXPECT_TRUE(services.messages().value(0).startsWith("Error in konf.dat, line 2"));
    for (QWidget* field : {static_cast<QWidget*>(form->topPanel->UserID),
                           static_cast<QWidget*>(form->serverPanel->ftp_lista),
                           static_cast<QWidget*>(form->localPanel->pliki)})
        expectReadable(field);
    EXPECT_EQ(form->topPanel->UserID->palette().color(QPalette::Base),
              platform::colorFromValue(platform::kBuiltInFieldBackground));
    // Even a file that names one colour for both keeps the fields readable.
    home.writeLines("konf.dat",
                    {"0", "0", "0", "1", "1", "255", "255", "1", "7", "0", home.path()});
    form.reset();
    create();
    expectReadable(form->topPanel->UserID);
    expectReadable(form->serverPanel->l3);
}

TEST_F(MainWindowAsUser, TheStoredWidthIsASplitterPositionThatFitsTheScreen) {
    home.writeDefaultKonf(1, 7);
    home.writeLines("roz.dat", {"300"});
    create();
    EXPECT_EQ(form->Splitter1->sizes().value(0), 300);
    EXPECT_EQ(form->localPanel->Splitter2->sizes().value(0), 300 / 2 - 15);
    // The folder column still follows its splitter.
    form->localPanel->Splitter2->setSizes({200, 100 - form->localPanel->Splitter2->handleWidth()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->localPanel->Panel6->width() == 200; }, 2000));

    // A width saved on a wider screen: the window stays within this one.
    const QRect screen = form->screen()->availableGeometry();
    home.writeLines("roz.dat", {QString::number(screen.width() * 3)});
    ASSERT_TRUE(userinput::reactivate(*form));
    EXPECT_LE(form->minimumSizeHint().width(), screen.width());
    EXPECT_LE(form->width(), screen.width());
    EXPECT_LE(form->Splitter1->sizes().value(0), form->Splitter1->width());
    EXPECT_EQ(form->leftPanelWidth, screen.width() * 3) << "the file keeps what it said";
}

// The local half beside the folder column at the design size: file names
// of a dozen characters are readable in full, every category button shows
// its whole caption, and neither takes the other's room.
TEST_F(MainWindowAsUser, AtTheDesignSizeFileNamesAndCategoryCaptionsAreWhole) {
    for (bool stored : {true, false}) {
        SCOPED_TRACE(stored ? "roz.dat 337" : "no roz.dat");
        home.writeDefaultKonf(1, 7);
        if (stored)
            home.writeLines("roz.dat", {"337"});
        else
            QFile::remove(home.path() + "/roz.dat");
        const QString name = QStringLiteral("REPORT-2024.DOC");
        QFile(home.path() + '/' + name).open(QIODevice::WriteOnly);
        create();
        form->localPanel->katalog->setDirectory(home.path());
        form->showNormal();
        form->resize(780, 548);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->width() == 780; }, 2000));
        if (stored) {
            EXPECT_EQ(form->localPanel->Splitter2->sizes().value(0), 337 / 2 - 15);
        }
        QTest::qWait(0);

        const auto found = form->localPanel->pliki->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect row = form->localPanel->pliki->visualItemRect(found.first());
        const int textNeeds = form->localPanel->pliki->fontMetrics().horizontalAdvance(name);
        EXPECT_GE(form->localPanel->pliki->viewport()->width() - row.left(),
                  textNeeds + form->localPanel->pliki->iconSize().width())
            << "the file list is " << form->localPanel->pliki->width()
            << " pixels wide, the column " << form->localPanel->ToolBar2->width();
        for (QToolButton* b : {form->localPanel->f2, form->localPanel->M2, form->localPanel->s2,
                               form->localPanel->p2, form->localPanel->mu2, form->localPanel->U2,
                               form->localPanel->Pr2, form->localPanel->In2, form->localPanel->W2,
                               form->localPanel->kont}) {
            EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
        }
        // The column is as wide as its widest button needs, no wider.
        EXPECT_LE(form->localPanel->ToolBar2->width(),
                  form->localPanel->ToolBar2->sizeHint().width());
        form.reset();
    }
}

} // namespace
