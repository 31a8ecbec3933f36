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

class LogPaneWindowTest : public QObject {
    Q_OBJECT
private slots:
    void paneColoursHidesPasswordsAndKeepsTheLastItem();
    void paneShowsPasswordLinesUnmaskedWhenHidingIsOff();
    void paneEmptiesItselfAtTheCapacity();
    void windowShowsHeaderPlainAndColouredLines();
    void windowWithoutAChosenServerShowsOnlyTitleAndPlainLog();
    void windowCommands();
};

void LogPaneWindowTest::paneColoursHidesPasswordsAndKeepsTheLastItem() {
    TLogPane pane(nullptr);
    pane.resize(500, 200);
    pane.show();
    pane.logItem("Recv: 530 Login incorrect.<EOL>", 1);
    pane.logItem("Recv: 226 Transfer complete.<EOL>", 1);
    pane.logItem("Sent: pass secret<EOL>", 1);
    QCOMPARE(pane.count(), 3);
    QCOMPARE(pane.line(2), QStringLiteral("Sent pass HIDDEN<EOF>"));
    QCOMPARE(pane.lastLogItem(), QStringLiteral("Sent: pass secret<EOL>"));
    QCOMPARE(pane.currentIndex().row(), 2);

    pane.setCurrentIndex({}); // no selection highlight over the colours
    const QColor red = platform::colorFromValue(sessionlog::kRed);
    const QColor navy = platform::colorFromValue(sessionlog::kNavy);
    const QColor maroon = platform::colorFromValue(sessionlog::kMaroon);
    QVERIFY(rowHasColour(pane, 0, red));
    QVERIFY(!rowHasColour(pane, 0, navy));
    QVERIFY(rowHasColour(pane, 1, navy));
    QVERIFY(!rowHasColour(pane, 1, red));
    QVERIFY(rowHasColour(pane, 2, maroon));

    pane.addLine("explanatory line");
    QCOMPARE(pane.lastLogItem(), QStringLiteral("Sent: pass secret<EOL>"));
    pane.clear();
    QCOMPARE(pane.count(), 0);
    QCOMPARE(pane.lastLogItem(), QStringLiteral("Sent: pass secret<EOL>"));
}

void LogPaneWindowTest::paneShowsPasswordLinesUnmaskedWhenHidingIsOff() {
    TLogPane pane(nullptr);
    pane.logItem("Sent: pass secret<EOL>", 0);
    pane.logItem("Sent: user bob<EOL>", 0);
    QCOMPARE(pane.lines(), QStringList({"Sent: pass secret<EOL>", "Sent: user bob<EOL>"}));
}

void LogPaneWindowTest::paneEmptiesItselfAtTheCapacity() {
    TLogPane pane(nullptr);
    for (int i = 0; i < sessionlog::kCapacity; ++i)
        pane.addLine(QString::number(i));
    QCOMPARE(pane.count(), 32200);
    QCOMPARE(pane.line(32199), QStringLiteral("32199"));
    pane.logItem("Recv: 226 the 32,201st line<EOL>", 1);
    QCOMPARE(pane.count(), 1);
    QCOMPARE(pane.line(0), QStringLiteral("Recv: 226 the 32,201st line<EOL>"));
}

void LogPaneWindowTest::windowShowsHeaderPlainAndColouredLines() {
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
    QCOMPARE(lines, expected);
    QCOMPARE(window.windowTitle(), QStringLiteral("Logs list..."));
    QCOMPARE(window.Kopiuj1->text(), QStringLiteral("Copy"));
    // The coloured copy: green, red, and black for what the table does not name.
    QCOMPARE(colours.value(11), platform::colorFromValue(sessionlog::kGreen));
    QCOMPARE(colours.value(12), platform::colorFromValue(sessionlog::kRed));
    QCOMPARE(colours.value(13), QColor(Qt::black));
    // Closing empties the editor for the next opening.
    QVERIFY(window.edytor->toPlainText().isEmpty());
}

void LogPaneWindowTest::windowWithoutAChosenServerShowsOnlyTitleAndPlainLog() {
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
    QCOMPARE(shown.split('\n'), QStringList({"   KORVANTE 2.5.5 - Klient FTP",
                                             "   " + QString(84, '-'), "Connected."}));
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Lista logów..."));
}

void LogPaneWindowTest::windowCommands() {
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
    QVERIFY(window.edytor->toPlainText().contains("Recv: 220 ready<EOL>"));

    // Save: ".txt" is always appended to the chosen name.
    services.textAnswers.push_back(dir.filePath("session"));
    window.zapisz->click();
    QCOMPARE(services.callsOf("saveFileName").value(0).args.value(1), QStringLiteral("Logi"));
    QCOMPARE(services.callsOf("saveFileName").value(0).args.value(2), QStringLiteral("*.txt"));
    QFile saved(dir.filePath("session.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("Recv: 220 ready<EOL>\r\n"));
    services.textAnswers.push_back(std::nullopt);
    window.zapisz->click();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // Print goes through the print dialog of the platform layer.
    window.drukuj->click();
    const auto printed = services.callsOf("printText");
    QCOMPARE(printed.size(), 1);
    QVERIFY(printed[0].args.value(1).contains("KORVANTE 2.5.5 - Klient FTP"));

    QFont chosen("Monospace", 13);
    services.textAnswers.push_back(chosen.toString());
    window.czcionka->click();
    QCOMPARE(window.edytor->font().pointSize(), 13);
    services.textAnswers.push_back(std::nullopt);
    window.czcionka->click();
    QCOMPARE(window.edytor->font().pointSize(), 13);

    // Clear empties the editor and the pane, then writes the header again.
    window.czysc->click();
    QCOMPARE(pane.count(), 0);
    const QStringList afterClear = window.edytor->toPlainText().split('\n');
    QCOMPARE(afterClear.size(), 8);
    QCOMPARE(afterClear.value(3), QStringLiteral("Sesja:  S"));
    QCOMPARE(afterClear.value(6), QString::fromUtf8("Hasło użytkownika:  **"));

    window.zamknij->click();
    QVERIFY(!window.isVisible());
    QVERIFY(window.edytor->toPlainText().isEmpty());
}

QTEST_MAIN(LogPaneWindowTest)
#include "log_pane_window_test.moc"
