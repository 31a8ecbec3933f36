// A download stopped at a share of the file and then downloaded again through its part
// file, as the windows and FTP_ns do. Prints "<key> <value>" lines: the file's size, the
// bytes each attempt moved, where the second continued, the bytes moved twice, and the
// wall time of each attempt.
//
// usage: resume_bench PORT USER PASSWORD REMOTE_FILE LOCAL_DIR STOP_PERCENT
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "transfers/part_file.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s PORT USER PASSWORD REMOTE_FILE LOCAL_DIR STOP_PERCENT\n",
                     argv[0]);
        return 2;
    }
    TIdFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = std::atoi(argv[1]);
    ftp.User = argv[2];
    ftp.Password = argv[3];
    ftp.Passive = true;
    const std::string remote = argv[4];
    const QString local = QString::fromLocal8Bit(argv[5]) + "/" + QString::fromStdString(remote);
    const double stopShare = std::atof(argv[6]) / 100.0;

    ftp.OpenSession();
    const int64_t size = ftp.FileSize(remote);
    int64_t stopAt = static_cast<int64_t>(static_cast<double>(size) * stopShare);
    ftp.OnWork = [&](TIdComponent*, TWorkMode, int64_t bytes) {
        if (stopAt >= 0 && bytes >= stopAt) {
            stopAt = -1;
            ftp.AbortTransfer();
        }
    };
    auto attempt = [&](const char* tag) {
        const auto t0 = std::chrono::steady_clock::now();
        bool whole = true;
        try {
            transfers::downloadThroughPart(ftp, remote, "/", local, size, nullptr);
        } catch (const EIdException&) {
            whole = false;
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("%s_bytes %lld\n%s_restarted_at %lld\n%s_seconds %.3f\n%s_whole %d\n", tag,
                    static_cast<long long>(ftp.LastTransfer().Bytes), tag,
                    static_cast<long long>(ftp.LastTransfer().RestartedAt), tag, seconds, tag,
                    whole ? 1 : 0);
        return ftp.LastTransfer().Bytes;
    };
    std::printf("size %lld\n", static_cast<long long>(size));
    const int64_t first = attempt("stopped");
    const int64_t second = attempt("resumed");
    std::printf("moved_twice %lld\n", static_cast<long long>(first + second - size));
    ftp.CloseSession();
    return 0;
}
