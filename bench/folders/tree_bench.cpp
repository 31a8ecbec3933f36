// A remote folder and everything below it downloaded with the commands the F7 batch of
// the main window sends: the tree read folder by folder (CWD, LIST), then per file a
// CWD when its folder differs from the last one, TYPE I (sent once), SIZE and the
// download through the part file. Prints "<key> <value>" lines: files, bytes, the wall
// time of reading the tree and of the transfers, and the commands sent.
//
// usage: tree_bench PORT USER PASSWORD REMOTE_FOLDER LOCAL_DIR
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "ftp/main_window_engine.h"
#include "transfers/part_file.h"
#include "transfers/remote_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Counts the command lines sent on the control connection.
struct CommandCounter : TIdConnectionIntercept {
    int sent = 0;
    void Connect() override {}
    void Disconnect() override {}
    void Receive(const char*, long) override {}
    void Send(const char* data, long length) override {
        for (long i = 0; i < length; ++i)
            if (data[i] == '\n')
                ++sent;
    }
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s PORT USER PASSWORD REMOTE_FOLDER LOCAL_DIR\n", argv[0]);
        return 2;
    }
    TIdFTP ftp;
    TIdLogDebug logHook;
    configureMainWindowEngine(ftp, logHook);
    CommandCounter counter;
    ftp.Intercept = &counter;
    ftp.InterceptEnabled = true;
    ftp.Host = "127.0.0.1";
    ftp.Port = std::atoi(argv[1]);
    ftp.User = argv[2];
    ftp.Password = argv[3];
    ftp.Passive = true;
    const std::string folder = argv[4];
    const QString localDir = QString::fromLocal8Bit(argv[5]);

    const int& commands = counter.sent;
    const auto start = std::chrono::steady_clock::now();
    ftp.OpenSession();
    const int loginCommands = commands;
    const std::string here = ftp.CurrentDirectory();
    transfers::RemoteTree tree;
    tree.serverFolder = here;
    transfers::readRemoteTree(ftp, here, folder, localDir, QString::fromStdString(folder), tree);
    for (const QString& path : tree.localFolders)
        QDir().mkpath(path);
    const double readSeconds = secondsSince(start);
    const int readCommands = commands - loginCommands;

    const auto transfersStart = std::chrono::steady_clock::now();
    std::string serverFolder = tree.serverFolder;
    int64_t bytes = 0;
    int failed = 0;
    for (const transfers::TreeFile& file : tree.files) {
        try {
            if (serverFolder != file.remoteFolder) {
                ftp.ChangeDirectory(file.remoteFolder);
                serverFolder = file.remoteFolder;
            }
            ftp.SelectTransferType(ftBinary);
            const int64_t size = ftp.FileSize(file.remoteName);
            const QString local = file.localFolder + QLatin1Char('/') + file.localName;
            transfers::downloadThroughPart(ftp, file.remoteName,
                                           QString::fromStdString(file.remoteFolder), local, size,
                                           nullptr);
            bytes += QFileInfo(local).size();
        } catch (const std::exception& e) {
            ++failed;
            std::fprintf(stderr, "%s: %s\n", file.remoteName.c_str(), e.what());
        }
    }
    const double transferSeconds = secondsSince(transfersStart);
    std::printf("files %zu\nfailed %d\nbytes %lld\nread_seconds %.3f\ntransfer_seconds %.3f\n"
                "total_seconds %.3f\nlogin_commands %d\nread_commands %d\ntransfer_commands %d\n",
                tree.files.size(), failed, static_cast<long long>(bytes), readSeconds,
                transferSeconds, secondsSince(start), loginCommands, readCommands,
                commands - loginCommands - readCommands);
    ftp.CloseSession();
    return failed == 0 ? 0 : 1;
}
