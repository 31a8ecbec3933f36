// TForm14 at start: the right password opens the program, a wrong one is
// asked again, cancelling ends the program before its window is shown.

#include "app/password_prompt.h"
#include "app/startup.h"
#include "servers/server_directory_state.h"
#include "tests/app/settings/window_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// Notes whether a main window was ever shown.
struct MainWindowWatch : QObject {
    bool shown = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<TForm1*>(watched))
            shown = true;
        return false;
    }
};

struct PasswordPrompt : SettingsWindow {
    void writePassword(const QString& password) {
        home.writeLines(QStringLiteral("pas.dat"), {password});
    }
    void whenPrompted(std::function<void(TForm14&)> step) {
        whenShown(QStringLiteral("TForm14"),
                  [step](QDialog& d) { step(static_cast<TForm14&>(d)); });
    }
};

TEST_F(PasswordPrompt, RightPasswordOpensWrongIsAskedAgainHelpOpensHelp) {
    home.writeDefaultKonf(1, 7);
    writePassword(QStringLiteral("Sekret"));
    int wrongAnswers = -1;
    whenPrompted([&](TForm14& p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Logowanie..."));
        QTest::keyClicks(p.haslo, QStringLiteral("sekret"));
        p.OK->click();
        EXPECT_EQ(p.result(), 0) << "letter case counts";
        p.haslo->clear();
        QTest::keyClicks(p.haslo, QStringLiteral("Sekret "));
        QTest::keyClick(p.haslo, Qt::Key_Return);
        EXPECT_EQ(p.result(), 0) << "so does a trailing space";
        wrongAnswers = int(services.messages().size());
        p.pomoc->click();
        p.haslo->clear();
        QTest::keyClicks(p.haslo, QStringLiteral("Sekret"));
        QTest::keyClick(p.haslo, Qt::Key_Return);
    });
    create();
    EXPECT_FALSE(form->quitting());
    EXPECT_EQ(wrongAnswers, 2);
    EXPECT_EQ(services.messages().value(0),
              QStringLiteral("Wprowadzono błędne hasło dostępu. Spróbuj ponownie..."));
    EXPECT_EQ(services.messages().value(2),
              QStringLiteral("BŁĄD: Nie mogę odszukać programu pomocy na Twoin dysku"));
    EXPECT_EQ(modalsShown(), QStringList{QStringLiteral("TForm14")});
    EXPECT_EQ(form->serverDirectory->openCategory, 7)
        << "the start category is opened after the prompt";
}

TEST_F(PasswordPrompt, CancelEndsTheProgramBeforeItsWindowIsShown) {
    home.writeDefaultKonf(0, 7);
    writePassword(QStringLiteral("Sekret"));
    whenPrompted([](TForm14& p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Login..."));
        EXPECT_EQ(p.Anuluj->text(), QStringLiteral("Cancel"));
        p.Anuluj->click();
    });
    // The whole start-up: it must end without ever showing the main window.
    // Should it reach the message loop anyway, the timer ends that loop.
    MainWindowWatch watch;
    qApp->installEventFilter(&watch);
    QTimer loopBreaker;
    QObject::connect(&loopBreaker, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    loopBreaker.start(0);
    EXPECT_EQ(runKorvante(*qApp), 0);
    qApp->removeEventFilter(&watch);
    EXPECT_FALSE(watch.shown);
    EXPECT_EQ(modalsShown(), QStringList{QStringLiteral("TForm14")});

    // Esc is no way past the prompt either.
    services.clear();
    whenPrompted([](TForm14& p) { QTest::keyClick(p.haslo, Qt::Key_Escape); });
    create();
    EXPECT_TRUE(form->quitting());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PasswordPrompt, AskAtStartShowsTheWizardOnceAfterThePrompt) {
    home.writeDefaultKonf(2, 9);
    writePassword(QString());
    whenPrompted([](TForm14& p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Logowanie...")) << "English only for 0";
        p.OK->click(); // an empty pas.dat holds the empty password
    });
    whenShown(QStringLiteral("F_kreator"), [](QDialog&) {});
    create();
    EXPECT_FALSE(form->quitting());
    EXPECT_EQ(modalsShown(), QStringList({"TForm14", "F_kreator"}));
}

} // namespace
