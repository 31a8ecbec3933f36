// Background sessions from the shown main window: the job file ftp_n_s.dat
// byte for byte, every check and message of the two commands, and FTP_ns
// really started by the window, fetching and sending while the window works.

#include "app/server_panel.h"
#include "session/session_state.h"
#include "tests/transfers/batches/transfer_fixture.h"
#include "transfers/background_jobs.h"
#include "transfers/transfer_state.h"

#include <QProcess>
#include <QTest>

#include <signal.h>

namespace {

// "zażółć gęślą.txt" as Windows-1250 writes it.
const QString kPolish = QString::fromUtf8("zażółć gęślą.txt");
const QByteArray kPolish1250("za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9.txt");

struct Background : TransferWindow {
    // The connection fields a server picked from the list fills.
    void pickServer() {
        form->kopia_ftp = "127.0.0.1";
        form->kopia_ures = "korvante";
    }
    void placeProgram() { home.writeBytes("FTP_ns", "#!/bin/sh\n"); }
    QStringList shown() const { return services.messages(); }
    QStringList captions() const {
        QStringList texts;
        for (const RecordedCall& call : services.callsOf("messageBox"))
            texts << call.args.value(1);
        return texts;
    }
    QByteArray header(const QByteArray& kind, const QByteArray& folder, const char* passive) {
        return kind + "\r\n127.0.0.1\r\nsecret\r\nkorvante\r\n" + folder + "\r\n" +
               QByteArray::number(server->port()) + "\r\n" + passive + "\r\n";
    }
};

TEST_F(Background, JobFilesAreWrittenByteForByteAndNeverOverwriteAnUnreadOne) {
    write(remoteFile(kPolish), "remote");
    write(remoteFile("b.bin"), "b");
    write(localFile(kPolish), "local");
    write(localFile("other.txt"), "other");
    connect(0);
    pickServer();
    placeProgram();

    selectLocal({kPolish});
    form->wyslij_n_sesja->trigger();
    const QByteArray localFolder = QFile::encodeName(QString::fromStdString(local.path()));
    const QByteArray upload = header("1", "/", "0") + localFolder + "/" + kPolish1250 + "\r\n";
    EXPECT_EQ(home.readBytes("ftp_n_s.dat"), upload);
    EXPECT_EQ(QFile(home.file("ftp_n_s.dat")).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    ASSERT_EQ(services.callsOf("startProgram").size(), 1);
    EXPECT_EQ(services.callsOf("startProgram").first().args.value(0), home.file("FTP_ns"));

    // The first program has not read its job yet: the second one waits.
    selectRemote({kPolish, "b.bin"});
    form->serverPanel->l3->selectionModel()->setCurrentIndex(
        form->serverPanel->l3->rows()->index(row("b.bin"), 0), QItemSelectionModel::NoUpdate);
    form->sciagnij_n_s->trigger();
    EXPECT_EQ(home.readBytes("ftp_n_s.dat"), upload);
    EXPECT_EQ(form->backgroundJobs->waiting(), 1);
    EXPECT_EQ(services.callsOf("startProgram").size(), 1);
    // FTP_ns removes the file once it has read it; then the next job is written.
    QFile::remove(home.file("ftp_n_s.dat"));
    // The names in list order.
    const QByteArray download =
        header("0", localFolder + "/*/", "0") + "b.bin\r\n" + kPolish1250 + "\r\n";
    ASSERT_TRUE(QTest::qWaitFor([&] { return home.exists("ftp_n_s.dat"); }, 5000));
    EXPECT_EQ(home.readBytes("ftp_n_s.dat").toStdString(), download.toStdString());
    EXPECT_EQ(services.callsOf("startProgram").size(), 2);
    EXPECT_TRUE(shown().isEmpty()) << shown().join('\n').toStdString();
    // The window's own selection and batch state were not touched.
    EXPECT_EQ(int(form->serverPanel->l3->selectedRows().size()), 2);
    EXPECT_EQ(form->transfers->selectedCount, 0);
}

TEST_F(Background, ChecksAndMessagesInBothLanguages) {
    write(remoteFile("r.txt"), "r");
    write(localFile("l.txt"), "l");
    QDir(QString::fromStdString(remote.path())).mkdir("dir");
    connect(1);
    selectLocal({"l.txt"});
    selectRemote({"r.txt"});
    form->serverPanel->l3->selectionModel()->setCurrentIndex(
        form->serverPanel->l3->rows()->index(row("r.txt"), 0), QItemSelectionModel::NoUpdate);

    // No server name: said for both commands, each with its own caption.
    form->kopia_ftp.clear();
    form->wyslij_n_sesjaClick();
    form->sciagnij_n_sClick();
    const QString noData =
        QString::fromUtf8("Nie można otworzyć nowej sesji FTP + \r\nSprawdź czy Pola: Server, "
                          "Nazwa użytkownika i hasło nie są puste i spróbuj ponownie");
    EXPECT_EQ(shown(), QStringList({noData, noData}));
    EXPECT_EQ(captions(), QStringList({QString::fromUtf8("KORVANTE - BŁĄD"), "KORVANTE 2.5.5"}));
    services.clear();

    // No user name: nothing at all.
    pickServer();
    form->kopia_ures.clear();
    form->wyslij_n_sesjaClick();
    form->sciagnij_n_sClick();
    EXPECT_TRUE(services.calls.isEmpty());

    // No program beside the window.
    pickServer();
    form->wyslij_n_sesjaClick();
    form->sciagnij_n_sClick();
    EXPECT_EQ(shown(),
              QStringList({QString::fromUtf8("Nie mogę odszukać programu Nowej sesji na Twoim "
                                             "dysku"),
                           "Brak na dysku programu nowej sesji"}));
    EXPECT_EQ(captions(), QStringList({"KORVANTE - FTP", "KORVANTE 2.5.5"}));
    EXPECT_FALSE(home.exists("ftp_n_s.dat"));
    services.clear();

    // Nothing selected, in English; a folder as the current row starts nothing.
    placeProgram();
    form->settings.language = 0;
    form->localPanel->pliki->clearSelection();
    form->wyslij_n_sesjaClick();
    EXPECT_EQ(shown(), QStringList({"No select any more files"}));
    EXPECT_EQ(captions(), QStringList({"KORVANTE - Not data"}));
    services.clear();
    selectRemote({"dir"});
    form->serverPanel->l3->selectionModel()->setCurrentIndex(
        form->serverPanel->l3->rows()->index(row("dir"), 0), QItemSelectionModel::NoUpdate);
    form->sciagnij_n_sClick();
    EXPECT_TRUE(services.calls.isEmpty());

    // Another language flag shows none of these messages.
    form->settings.language = 2;
    form->wyslij_n_sesjaClick();
    EXPECT_TRUE(services.calls.isEmpty());

    // A job file that cannot be written is reported, and nothing is started.
    form->settings.language = 1;
    QDir(home.path()).mkdir("ftp_n_s.dat");
    selectLocal({"l.txt"});
    form->wyslij_n_sesjaClick();
    EXPECT_EQ(services.callsOf("startProgram").size(), 0);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first().startsWith(QString::fromUtf8("Błąd wejścia/wyjścia")));

    // Not connected: nothing.
    services.clear();
    form->roz2Click();
    form->wyslij_n_sesjaClick();
    form->sciagnij_n_sClick();
    EXPECT_TRUE(services.calls.isEmpty());
}

// The platform seam as the tests build it for this case: it records the call
// and really runs the program. The first program started can be held still.
struct RunningServices : RecordingServices {
    std::vector<std::unique_ptr<QProcess>> started;
    bool holdFirst = false;

    bool startProgram(const QString& path, const QStringList& arguments,
                      const QString& workingFolder) override {
        RecordingServices::startProgram(path, arguments, workingFolder);
        auto process = std::make_unique<QProcess>();
        process->start(path, arguments);
        if (!process->waitForStarted(10000))
            return false;
        if (holdFirst && started.empty())
            ::kill(pid_t(process->processId()), SIGSTOP);
        started.push_back(std::move(process));
        return true;
    }
    void release() {
        if (!started.empty())
            ::kill(pid_t(started.front()->processId()), SIGCONT);
    }
    bool allFinished() const {
        for (const auto& process : started)
            if (process->state() != QProcess::NotRunning)
                return false;
        return !started.empty();
    }
    ~RunningServices() override {
        release();
        for (const auto& process : started)
            if (!process->waitForFinished(10000))
                process->kill();
    }
};

struct BackgroundProgram : Background {
    RunningServices running; // installed over the recording services
    ~BackgroundProgram() override {
        // The window goes while the running services are still installed.
        form.reset();
    }
};

TEST_F(BackgroundProgram, FtpNsStartedByTheWindowTransfersWhileTheWindowWorks) {
    const QByteArray big = pattern(3 * 1024 * 1024 + 5, 9);
    write(remoteFile("duży plik.bin"), big);
    write(remoteFile(kPolish), "polskie litery");
    write(remoteFile("left.txt"), "not selected");
    write(localFile("wyślij mnie.txt"), "sent in the background");
    connect(1);
    pickServer();
    ASSERT_TRUE(QFile::link(QStringLiteral(FTP_NS_PATH), home.file("FTP_ns")));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    running.holdFirst = true;
    const QPoint first = form->serverPanel->l3->rowRect(row("duży plik.bin")).center();
    const QPoint second = form->serverPanel->l3->rowRect(row(kPolish)).center();
    QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      second);
    ASSERT_EQ(int(form->serverPanel->l3->selectedRows().size()), 2);
    form->MenuItem2->trigger();
    ASSERT_EQ(running.started.size(), 1u);
    // A second job right away: it never overwrites the first one unread.
    selectLocal({QString::fromUtf8("wyślij mnie.txt")});
    form->wyslij_n_sesja->trigger();

    // The first FTP_ns is held; the window answers the user meanwhile.
    EXPECT_EQ(running.started.front()->state(), QProcess::Running);
    QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {},
                      form->serverPanel->l3->rowRect(row("left.txt")).center());
    EXPECT_EQ(form->session->clickedRemoteName, "left.txt");
    EXPECT_EQ(running.started.front()->state(), QProcess::Running);

    running.release();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return running.started.size() == 2 && running.allFinished(); }, 60000));
    for (const auto& process : running.started) {
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    EXPECT_EQ(read(localFile("duży plik.bin")), big);
    EXPECT_EQ(read(localFile(kPolish)), "polskie litery");
    EXPECT_FALSE(QFile::exists(localFile("left.txt")));
    EXPECT_EQ(read(remoteFile("wyślij mnie.txt")), "sent in the background");
    EXPECT_FALSE(home.exists("ftp_n_s.dat"));
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(running.messages().isEmpty()) << running.messages().join('\n').toStdString();
}

} // namespace
