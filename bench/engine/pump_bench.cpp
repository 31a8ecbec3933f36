// The cost of the message pump: the same download and upload through the engine with
// the pump hook calling QCoreApplication::processEvents as the windows set it (at most
// every 10 ms while data flow), after every chunk, and with the pump off, alternating. Prints one
// line per mode: "<mode> <MB/s>".
//
// usage: engine_pump_bench PORT USER PASSWORD REMOTE_FILE LOCAL_DIR ROUNDS
#include "ftp/id_anti_freeze.h"
#include "ftp/id_ftp.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

double seconds(const std::function<void()>& fn) {
    auto t0 = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s PORT USER PASSWORD REMOTE_FILE LOCAL_DIR ROUNDS\n",
                     argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    // Something for the pump to do, like a progress window's clock.
    QTimer clock;
    int ticks = 0;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start(50);

    TIdAntiFreeze pump;
    pump.IdleTimeOut = 50;
    pump.OnlyWhenIdle = false;
    // Counts the dispatches and their time, which gives the pump's share of a transfer
    // even when the machine is too busy for throughput figures to settle.
    long pumps = 0;
    double pumpSeconds = 0;
    pump.Pump = [&](bool) {
        auto t0 = std::chrono::steady_clock::now();
        QCoreApplication::processEvents();
        pumpSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        ++pumps;
    };

    TIdFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = std::atoi(argv[1]);
    ftp.User = argv[2];
    ftp.Password = argv[3];
    ftp.Passive = true;
    const std::string remote = argv[4];
    const std::string local = std::string(argv[5]) + "/pump_bench.bin";
    const int rounds = std::max(1, std::atoi(argv[6]));
    int64_t bytes = 0;
    ftp.OnWork = [&](TIdComponent*, TWorkMode, int64_t n) { bytes = n; };

    ftp.OpenSession();
    const int64_t size = ftp.FileSize(remote);
    std::map<std::string, std::vector<double>> rates;
    for (int r = 0; r < rounds; ++r) {
        for (int mode : {0, 1, 2}) {
            // The windows' setting, a dispatch after every chunk, and no pump at all.
            pump.Active = mode != 2;
            pump.BusyPumpInterval = mode == 0 ? 10 : 0;
            const std::string tag = mode == 0 ? "pump" : mode == 1 ? "pumpeverychunk" : "nopump";
            for (const std::string dir : {"download", "upload"}) {
                pumps = 0;
                pumpSeconds = 0;
                double t = seconds([&] {
                    if (dir == "download")
                        ftp.DownloadToFile(remote, local, true);
                    else
                        ftp.UploadFile(local, "pump_bench_up.bin");
                });
                rates[dir + "_" + tag].push_back(size / t / 1e6);
                rates[dir + "_" + tag + "_calls"].push_back(static_cast<double>(pumps));
                rates[dir + "_" + tag + "_share"].push_back(pumpSeconds / t * 100);
            }
        }
    }
    ftp.DeleteRemoteFile("pump_bench_up.bin");
    ftp.CloseSession();
    std::remove(local.c_str());
    for (auto& [mode, v] : rates) {
        std::sort(v.begin(), v.end());
        std::printf("%s %.1f\n", mode.c_str(), v[v.size() / 2]);
    }
    return bytes > 0 ? 0 : 1;
}
