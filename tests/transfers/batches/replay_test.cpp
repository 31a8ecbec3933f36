// The interrupted-download replay at start-up: the window shown over a program
// folder with error.dat reconnects to pyftpdlib, fetches the file again under
// TForm20 and removes the record; slot 10 off, a broken record and a failed
// replay each behave as the user needs.

#include "app/top_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "session/replay_window.h"
#include "tests/transfers/batches/transfer_fixture.h"
#include "transfers/transfer_state.h"

#include <QTest>

namespace {

struct Replay : TransferWindow {
    // Creates the program as it starts for the user, with `record` as error.dat.
    void prepare(int reconnect, const QStringList& record) {
        server = std::make_unique<ftptest::PyFtpServer>(remote.path());
        home.writeLines("konf.dat", {"0", "1", "0", "1", "1", "16777215", "0", "1", "7",
                                     QString::number(reconnect), home.path()});
        home.writeLines("error.dat", record);
        createWindow();
        // The port is not part of the record: the one the window holds is used.
        form->edit_port = QString::number(server->port());
    }
    void start(int reconnect, const QStringList& record) {
        prepare(reconnect, record);
        showWindow();
    }
    QStringList record(const QString& folder, const QString& file,
                       const QString& user = "korvante") const {
        return {QString::fromStdString(local.path()), "127.0.0.1", user, "secret", folder, file};
    }
    // The replay is queued behind the show; this lets it run.
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !form->Form20->isVisible() && !form->replayRunning; }, 30000));
    }
};

TEST_F(Replay, StartUpFetchesTheInterruptedFileAgainAndRemovesTheRecord) {
    const QString name = QString::fromUtf8("przerwany plik ż.bin");
    QDir(QString::fromStdString(remote.path())).mkdir("pub");
    write(remoteFile("pub/" + name), pattern(700000, 4));
    write(localFile(name), "the part that arrived before");

    bool windowUp = false;
    QString serverLabel, fileLabel, status;
    prepare(1, record("/pub", name));
    // What TForm20 shows while the file moves (the listing of the connect
    // moves bytes too, before the progress window opens).
    auto relay = form->FTP->OnWork;
    form->FTP->OnWork = [&, relay](TIdComponent* sender, TWorkMode mode, int64_t bytes) {
        relay(sender, mode, bytes);
        if (!form->Form13->isOpen() || windowUp)
            return;
        windowUp = form->Form20->isVisible();
        serverLabel = form->Form20->Label4->text();
        fileLabel = form->Form20->Label9->text();
        status = form->Form20->Label10->text();
    };
    showWindow();
    settle();

    EXPECT_EQ(read(localFile(name)), pattern(700000, 4));
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_FALSE(home.exists("error.dat"));
    EXPECT_TRUE(windowUp);
    EXPECT_EQ(serverLabel, "127.0.0.1");
    EXPECT_EQ(fileLabel, name);
    EXPECT_EQ(status, QString::fromUtf8("Status: Połączono..."));
    EXPECT_TRUE(form->connected());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/pub");
    EXPECT_TRUE(form->transfers->lista_bufor.isEmpty());
    EXPECT_TRUE(form->transfers->lista_bufor2.isEmpty());
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_TRUE(log.contains(
        QString::fromUtf8("                   Automatycznie połączono do serwera: 127.0.0.1")));
    EXPECT_TRUE(log.contains(QString::fromUtf8(
        "                   Nie zakończono ściągania pliku: PRZERWANY PLIK Ż.BIN")));
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

TEST_F(Replay, SlotTenOffLeavesTheRecordAlone) {
    write(remoteFile("f.bin"), "f");
    start(0, record("/", "f.bin"));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->connected());
    EXPECT_FALSE(form->Form20->isVisible());
    EXPECT_TRUE(home.exists("error.dat"));
    EXPECT_FALSE(QFile::exists(localFile("f.bin")));
}

TEST_F(Replay, ABrokenRecordIsToldAndRemovedWithoutConnecting) {
    write(remoteFile("f.bin"), "f");
    start(1, record("/", "f.bin", /*user=*/""));
    settle();
    EXPECT_FALSE(form->connected());
    EXPECT_FALSE(home.exists("error.dat"));
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages().first().startsWith(
        QString::fromUtf8("Zapis przerwanego ściągania (error.dat) jest niepełny")));
}

TEST_F(Replay, AFailedReplayKeepsTheRecordAndTellsOnce) {
    write(localFile("gone.bin"), "the earlier copy");
    start(1, record("/", "gone.bin"));
    settle();
    EXPECT_TRUE(form->connected());
    EXPECT_EQ(read(localFile("gone.bin")), "the earlier copy");
    EXPECT_TRUE(home.exists("error.dat"));
    EXPECT_EQ(home.readLines("error.dat"), record("/", "gone.bin"));
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Nie udało się ponownie ściągnąć pliku: gone.bin\r\n"
                                             "Zapis zostaje do następnego uruchomienia "
                                             "programu.")}));
}

} // namespace
