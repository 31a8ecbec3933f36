// The caption button, the tray icon and its menu.

#include "app/top_panel.h"
#include "tests/desktop/desktop_fixture.h"

#include <QScreen>

namespace {

using platform::TrayButton;

TEST_F(DesktopWindow, CaptionButtonHidesToTheTrayAndTheMenuBringsTheWindowBack) {
    create(1);
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(tray.icons.isEmpty());

    QTest::mouseClick(form->topPanel->CButton, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->hiddenToTray);
    ASSERT_EQ(tray.icons.size(), 1);
    const auto& icon = *tray.icons[0];
    EXPECT_TRUE(icon.visible);
    EXPECT_EQ(icon.additions, 1);
    EXPECT_EQ(icon.toolTip, "KORVANTE - Klient FTP");

    // A left click opens the menu near the screen's bottom right corner.
    tray.click(0, TrayButton::Left);
    ASSERT_TRUE(form->Menu_tray->isVisible());
    EXPECT_EQ(
        items(form->Menu_tray),
        QStringList({QString::fromUtf8("Pokaż główne okno"), "-", "O programie", "Pomoc", "-",
                     QString::fromUtf8("Otwórz WWW / Wyślij e-mail"), "-", "Zamknij program"}));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_GT(form->Menu_tray->geometry().bottom(), screen.height() / 2);
    EXPECT_GT(form->Menu_tray->geometry().right(), screen.width() / 2);
    form->Menu_tray->hide();

    // The right button opens it too, through the icon.
    tray.click(0, TrayButton::Right);
    ASSERT_TRUE(form->Menu_tray->isVisible());
    clickItem(form->Menu_tray, form->pokaz_okno);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMaximized());
    EXPECT_FALSE(form->hiddenToTray);
    EXPECT_FALSE(icon.visible);
    EXPECT_EQ(icon.removals, 1);

    // Hiding again reuses the one icon; the middle button opens nothing.
    QTest::mouseClick(form->topPanel->CButton, Qt::LeftButton);
    EXPECT_EQ(tray.icons.size(), 1);
    EXPECT_EQ(icon.additions, 2);
    tray.click(0, TrayButton::Middle);
    EXPECT_FALSE(form->Menu_tray->isVisible());
    EXPECT_TRUE(services.calls.isEmpty());

    // "Zamknij program" is the exit command: the sizes are saved, the program ends.
    tray.click(0, TrayButton::Left);
    clickItem(form->Menu_tray, form->Tray_zamknij);
    EXPECT_TRUE(form->quitting());
    EXPECT_TRUE(home.exists("roz.dat"));
}

TEST_F(DesktopWindow, ReleasingTheCaptionButtonElsewhereDoesNothing) {
    create(0);
    EXPECT_EQ(form->topPanel->CButton->toolTip(), "Hide the program in the notification area");
    EXPECT_EQ(form->mail_www->text(), "Open WWW page / Sent e-mail");
    QTest::mousePress(form->topPanel->CButton, Qt::LeftButton);
    QTest::mouseRelease(form->topPanel->CButton, Qt::LeftButton, {}, QPoint(-40, -40));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->topPanel->CButton->isDown());
    EXPECT_TRUE(tray.icons.isEmpty());
}

TEST_F(DesktopWindow, HintIsCutAndTheIconIsAddedOnce) {
    QWidget owner;
    TTrayIcon first(&owner);
    TTrayIcon second(&owner);
    EXPECT_EQ(first.TrayID(), 1);
    EXPECT_EQ(second.TrayID(), 2);

    const QString hundred(100, QLatin1Char('k'));
    first.setHint(hundred);
    EXPECT_EQ(first.Hint(), hundred.left(63));
    first.setVisible(true);
    first.setVisible(true);
    ASSERT_EQ(tray.icons.size(), 1);
    EXPECT_EQ(tray.icons[0]->additions, 1);
    EXPECT_EQ(tray.icons[0]->toolTip.size(), 63);
    // The same hint again is not sent again.
    const int sent = int(tray.icons[0]->toolTips.size());
    first.setHint(hundred + QStringLiteral("more"));
    EXPECT_EQ(tray.icons[0]->toolTips.size(), sent);

    // Clicks reach the handlers as a press and a release.
    QStringList events;
    first.OnMouseDown = [&](TTrayIcon*, Qt::MouseButton b) { events << QString("down %1").arg(b); };
    first.OnClick = [&](TTrayIcon* icon, Qt::MouseButton b) {
        events << QString("click %1 %2").arg(b).arg(icon->LDown);
    };
    first.OnMouseUp = [&](TTrayIcon* icon, Qt::MouseButton b) {
        events << QString("up %1 %2").arg(b).arg(icon->LDown);
    };
    tray.click(0, TrayButton::Left);
    EXPECT_EQ(events, QStringList({"down 1", "click 1 1", "up 1 0"}));
}

TEST_F(DesktopWindow, WithoutANotificationAreaTheWindowIsMinimisedAndTheUserToldOnce) {
    tray.availableAnswer = false;
    create(1);
    QTest::mouseClick(form->topPanel->CButton, Qt::LeftButton);
    EXPECT_TRUE(form->isMinimized());
    EXPECT_FALSE(form->hiddenToTray);
    form->showNormal();
    QTest::mouseClick(form->topPanel->CButton, Qt::LeftButton);
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(tray.icons.isEmpty());
    ASSERT_EQ(services.callsOf("notice").size(), 1);
    EXPECT_EQ(services.callsOf("notice")[0].args.value(0),
              QString::fromUtf8("Pulpit nie ma obszaru powiadomień, więc okno programu zostało "
                                "zminimalizowane. Przywrócisz je z paska zadań."));
}

} // namespace
