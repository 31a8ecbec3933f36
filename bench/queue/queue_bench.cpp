// The queue download of the main window against a local FTP server: the files
// of the given folders are queued with "add all files" and downloaded with the
// queue download, in the real window (offscreen). For comparison the same
// files are fetched by the bare engine with the queue's per-file conversation
// (SIZE, PASV, RETR) and no window, which is the floor of the round trips.
// Prints "<figure> <value>" lines for run.sh.
//
// usage: queue_bench PORT USER PASSWORD LOCAL_DIR FOLDER...

#include "app/main_window.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/temp_home.h"
#include "transfers/transfer_state.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

int filesIn(const QString& folder) {
    return int(QDir(folder).entryList(QDir::Files).size());
}

void emptyFolder(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        dir.remove(name);
}

// The window's own connection fields, as the server list fills them.
std::unique_ptr<TForm1> connectedWindow(int port, const QString& user, const QString& password,
                                        const QString& local) {
    auto form = std::make_unique<TForm1>();
    form->FormCreate();
    form->show();
    // Becoming active empties the connection fields; they are filled after it.
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the window did not become active");
    form->localPanel->katalog->setDirectory(local);
    form->topPanel->FTpServer->setText(QStringLiteral("127.0.0.1"));
    form->topPanel->UserID->setText(user);
    form->topPanel->Password2->setText(password);
    form->edit_port = QString::number(port);
    form->pol2Click();
    return form;
}

double engineFloor(int port, const std::string& user, const std::string& password,
                   const QString& local, const QStringList& folders) {
    TIdFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = port;
    ftp.User = user;
    ftp.Password = password;
    ftp.Passive = true;
    ftp.OpenSession(true);
    QElapsedTimer clock;
    clock.start();
    for (const QString& folder : folders) {
        ftp.ChangeDirectory(folder.toStdString());
        std::vector<std::string> names;
        ftp.ListDirectory(names, {}, false);
        ftp.SelectTransferType(ftBinary);
        for (const std::string& name : names) {
            ftp.FileSize(name);
            ftp.DownloadToFile(name, (local + '/').toStdString() + name, true);
        }
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    ftp.CloseSession();
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s PORT USER PASSWORD LOCAL_DIR FOLDER...\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const int port = std::atoi(argv[1]);
    const QString user = QString::fromLocal8Bit(argv[2]);
    const QString password = QString::fromLocal8Bit(argv[3]);
    const QString local = QString::fromLocal8Bit(argv[4]);
    QStringList folders;
    for (int i = 5; i < argc; ++i)
        folders << QString::fromLocal8Bit(argv[i]);

    TempHome home;
    RecordingServices services;
    // Passive transfers, the protocol log on as the built-in settings have it.
    home.writeLines(QStringLiteral("konf.dat"),
                    {"0", "1", "0", "1", "1", "16777215", "0", "1", "7", "0", local});
    std::unique_ptr<TForm1> form = connectedWindow(port, user, password, local);
    if (!form->connected()) {
        std::fprintf(stderr, "no connection: %s\n", qPrintable(services.messages().join('\n')));
        return 1;
    }
    form->wlacz_bufor->trigger();
    QElapsedTimer clock;
    clock.start();
    for (const QString& folder : folders) {
        form->ChageDir(folder);
        form->bufor_zaznacz_allClick();
    }
    const double queueing = double(clock.nsecsElapsed()) / 1e9;
    const int queued = int(form->transfers->lista_bufor.size());
    clock.restart();
    form->S_bufor();
    const double download = double(clock.nsecsElapsed()) / 1e9;
    const int arrived = filesIn(local);
    form.reset();

    emptyFolder(local);
    const double floor =
        engineFloor(port, user.toStdString(), password.toStdString(), local, folders);
    const int floorArrived = filesIn(local);

    std::printf("queued %d\n", queued);
    std::printf("queue_seconds %.3f\n", queueing);
    std::printf("download_files %d\n", arrived);
    std::printf("download_seconds %.3f\n", download);
    std::printf("floor_files %d\n", floorArrived);
    std::printf("floor_seconds %.3f\n", floor);
    if (!services.messages().isEmpty())
        std::fprintf(stderr, "messages: %s\n", qPrintable(services.messages().join('\n')));
    return arrived == queued && floorArrived == queued ? 0 : 1;
}
