// The log pane and the log window, offscreen, with recorded platform services.

#include "log/log_colors.h"
#include "log/log_pane.h"
#include "log/log_window.h"
#include "platform/colors.h"
#include "tests/support/ui/recording_services.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// True when some pixel of the row's rectangle is drawn in exactly this colour.
bool rowHasColour(TLogPane& pane, int row, const QColor& colour) {
    const QImage image = pane.viewport()->grab().toImage();
    const QRect rect = pane.visualRect(pane.model()->index(row, 0));
    for (int y = rect.top(); y <= rect.bottom() && y < image.height(); ++y)
        for (int x = rect.left(); x <= rect.right() && x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                return true;
    return false;
}

} // namespace

TEST(LogPaneWindow, PaneColoursHidesPasswordsAndKeepsTheLastItem) {
    TLogPane pane(nullptr);
    pane.resize(500, 200);
    pane.show();
    pane.logItem("Recv: 530 Login incorrect.<EOL>", 1);
    pane.logItem("Recv: 226 Transfer complete.<EOL>", 1);
    pane.logItem("Sent: pass secret<EOL>", 1);
    ASSERT_EQ(pane.count(), 3);
    ASSERT_EQ(pane.line(2), QStringLiteral("Sent pass HIDDEN<EOF>"));
    ASSERT_EQ(pane.lastLogItem(), QStringLiteral("Sent: pass secret<EOL>"));
    ASSERT_EQ(pane.currentIndex().row(), 2);

    pane.setCurrentIndex({}); // no selection highlight over the colours
    const QColor red = platform::colorFromValue(sessionlog::kRed);
    const QColor navy = platform::colorFromValue(sessionlog::kNavy);
    const QColor maroon = platform::colorFromValue(sessionlog::kMaroon);
    ASSERT_TRUE(rowHasColour(pane, 0, red));
    ASSERT_FALSE(rowHasColour(pane, 0, navy));
    ASSERT_TRUE(rowHasColour(pane, 1, navy));
    ASSERT_FALSE(rowHasColour(pane, 1, red));
    ASSERT_TRUE(rowHasColour(pane, 2, maroon));

    pane.addLine("explanatory line");
    ASSERT_EQ(pane.lastLogItem(), QStringLiteral("Sent: pass secret<EOL>"));
    pane.clear();
    ASSERT_EQ(pane.count(), 0);
    ASSERT_EQ(pane.lastLogItem(), QStringLiteral("Sent: pass secret<EOL>"));
}

TEST(LogPaneWindow, PaneShowsPasswordLinesUnmaskedWhenHidingIsOff) {
    TLogPane pane(nullptr);
    pane.logItem("Sent: pass secret<EOL>", 0);
    pane.logItem("Sent: user bob<EOL>", 0);
    ASSERT_EQ(pane.lines(), QStringList({"Sent: pass secret<EOL>", "Sent: user bob<EOL>"}));
}

TEST(LogPaneWindow, PaneEmptiesItselfAtTheCapacity) {
    TLogPane pane(nullptr);
    for (int i = 0; i < sessionlog::kCapacity; ++i)
        pane.addLine(QString::number(i));
    ASSERT_EQ(pane.count(), 32200);
    ASSERT_EQ(pane.line(32199), QStringLiteral("32199"));
    pane.logItem("Recv: 226 the 32,201st line<EOL>", 1);
    ASSERT_EQ(pane.count(), 1);
    ASSERT_EQ(pane.line(0), QStringLiteral("Recv: 226 the 32,201st line<EOL>"));
}

TEST(LogPaneWindow, WindowShowsHeaderPlainAndColouredLines) {
    RecordingServices services;
    TLogPane pane(nullptr);
    pane.logItem("Connected.", 1);
    pane.logItem("Recv: 530 Login incorrect.<EOL>", 1);
    pane.logItem("Sent: PWD<EOL>", 1);
    TPowiekszenie window;
    window.setSource(&pane, [] {
        LogSessionInfo info;
        info.language = 0;
        info.user = "bob";
        info.host = "ftp.example.org";
        info.password = "secret";
        info.selectedServer = QStringLiteral("Example");
        return info;
    });
    QString shown;
    QList<QColor> colours;
    services.modalSteps["Powiekszenie"] = [&](QDialog&) {
        shown = window.edytor->toPlainText();
        for (QTextBlock b = window.edytor->document()->begin(); b.isValid(); b = b.next())
            colours.append(b.begin().fragment().charFormat().foreground().color());
        return int(QDialog::Accepted);
    };
    platform::services().showModal(window);
    const QStringList lines = shown.split('\n');
    const QStringList expected = {
        "   KORVANTE 2.5.5 - FTP Client",
        "   " + QString(84, '-'),
        "<Info FTP server>",
        "FTP session:  Example",
        "User/Kont:  bob",
        "FTP server name:  ftp.example.org",
        "User password:  ******",
        QString(51, '-'),
        "Connected.",
        "Recv: 530 Login incorrect.<EOL>",
        "Sent: PWD<EOL>",
        "Connected.",
        "Recv: 530 Login incorrect.<EOL>",
        "Sent: PWD<EOL>",
    };
    ASSERT_EQ(lines, expected);
    ASSERT_EQ(window.windowTitle(), QStringLiteral("Logs list..."));
    ASSERT_EQ(window.Kopiuj1->text(), QStringLiteral("Copy"));
    // The coloured copy: green, red, and black for what the table does not name.
    ASSERT_EQ(colours.value(11), platform::colorFromValue(sessionlog::kGreen));
    ASSERT_EQ(colours.value(12), platform::colorFromValue(sessionlog::kRed));
    ASSERT_EQ(colours.value(13), QColor(Qt::black));
    // Closing empties the editor for the next opening.
    ASSERT_TRUE(window.edytor->toPlainText().isEmpty());
}

TEST(LogPaneWindow, WindowWithoutAChosenServerShowsOnlyTitleAndPlainLog) {
    RecordingServices services;
    TLogPane pane(nullptr);
    pane.logItem("Connected.", 1);
    TPowiekszenie window;
    window.setSource(&pane, [] {
        LogSessionInfo info;
        info.language = 1;
        info.user = "bob";
        return info;
    });
    QString shown;
    services.modalSteps["Powiekszenie"] = [&](QDialog&) {
        shown = window.edytor->toPlainText();
        return int(QDialog::Accepted);
    };
    platform::services().showModal(window);
    ASSERT_EQ(shown.split('\n'), QStringList({"   KORVANTE 2.5.5 - Klient FTP",
                                              "   " + QString(84, '-'), "Connected."}));
    ASSERT_EQ(window.windowTitle(), QString::fromUtf8("Lista logów..."));
}

TEST(LogPaneWindow, WindowCommands) {
    RecordingServices services;
    QTemporaryDir dir;
    TLogPane pane(nullptr);
    pane.logItem("Recv: 220 ready<EOL>", 1);
    TPowiekszenie window;
    window.setSource(&pane, [] {
        LogSessionInfo info;
        info.language = 1;
        info.user = "bob";
        info.host = "h";
        info.password = "pw";
        info.selectedServer = QStringLiteral("S");
        return info;
    });
    window.show();
    ASSERT_TRUE(window.edytor->toPlainText().contains("Recv: 220 ready<EOL>"));

    // Save: ".txt" is always appended to the chosen name.
    services.textAnswers.push_back(dir.filePath("session"));
    window.zapisz->click();
    ASSERT_EQ(services.callsOf("saveFileName").value(0).args.value(1), QStringLiteral("Logi"));
    ASSERT_EQ(services.callsOf("saveFileName").value(0).args.value(2), QStringLiteral("*.txt"));
    QFile saved(dir.filePath("session.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(saved.readAll().contains("Recv: 220 ready<EOL>\r\n"));
    services.textAnswers.push_back(std::nullopt);
    window.zapisz->click();
    ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // Print goes through the print dialog of the platform layer.
    window.drukuj->click();
    const auto printed = services.callsOf("printText");
    ASSERT_EQ(printed.size(), 1);
    ASSERT_TRUE(printed[0].args.value(1).contains("KORVANTE 2.5.5 - Klient FTP"));

    QFont chosen("Monospace", 13);
    services.textAnswers.push_back(chosen.toString());
    window.czcionka->click();
    ASSERT_EQ(window.edytor->font().pointSize(), 13);
    services.textAnswers.push_back(std::nullopt);
    window.czcionka->click();
    ASSERT_EQ(window.edytor->font().pointSize(), 13);

    // Clear empties the editor and the pane, then writes the header again.
    window.czysc->click();
    ASSERT_EQ(pane.count(), 0);
    const QStringList afterClear = window.edytor->toPlainText().split('\n');
    ASSERT_EQ(afterClear.size(), 8);
    ASSERT_EQ(afterClear.value(3), QStringLiteral("Sesja:  S"));
    ASSERT_EQ(afterClear.value(6), QString::fromUtf8("Hasło użytkownika:  **"));

    window.zamknij->click();
    ASSERT_FALSE(window.isVisible());
    ASSERT_TRUE(window.edytor->toPlainText().isEmpty());
}
