// TForm14 at start: the right password opens the program, a wrong one is
// asked again, cancelling ends the program before its window is shown.

#include "app/password_prompt.h"
#include "app/startup.h"
#include "tests/app/settings/window_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

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
    EXPECT_EQ(form->slot[9], 7) << "the start category is opened after the prompt";
}

TEST_F(PasswordPrompt, CancelEndsTheProgramBeforeItsWindowIsShown) {
    home.writeDefaultKonf(0, 7);
    writePassword(QStringLiteral("Sekret"));
    whenPrompted([](TForm14& p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Login..."));
        EXPECT_EQ(p.Anuluj->text(), QStringLiteral("Cancel"));
        p.Anuluj->click();
    });
    // The whole start-up: it must return without entering the message loop.
    QObject guard;
    bool loopRan = false;
    QTimer::singleShot(0, &guard, [&] {
        loopRan = true;
        QApplication::quit();
    });
    EXPECT_EQ(runKorvante(*qApp), 0);
    EXPECT_FALSE(loopRan);
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
