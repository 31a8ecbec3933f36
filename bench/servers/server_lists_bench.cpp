// Timing of the server lists with a large directory: 10,000 servers over the
// eight category files in the all-servers view, and one category of 5,000
// servers unsorted and sorted. Each figure is the median of several runs and
// includes painting the list.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "platform/text_file.h"
#include "servers/server_directory_state.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const char* const kFiles[] = {"p.dat",  "m.dat", "s.dat",    "pr.dat",
                              "mu.dat", "u.dat", "priw.dat", "S_list.dat"};

QStringList serverLines(int count, int category, int seed) {
    static const char* const stems[] = {"Łódź",   "gnu", "Alfa",   "mirror",
                                        "Zakład", "ftp", "Ósemka", "beta"};
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int n = (i * 7919 + seed) % 100003;
        const QString name = QString::fromUtf8(stems[n % 8]) + QString::number(n);
        lines.append(name + "*" + QString::number(n % 2) + "*user" + QString::number(n) + "*ftp" +
                     QString::number(n) + ".example.org*" +
                     (n % 3 ? QStringLiteral("haslo") : QStringLiteral("^")) + "*21*" +
                     QString::number(category) + "*");
    }
    return lines;
}

double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& act) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        act();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool report(const char* what, double ms, double limitMs) {
    const bool ok = ms < limitMs;
    std::printf("%-52s %8.1f ms  (limit %.0f ms) %s\n", what, ms, limitMs, ok ? "ok" : "TOO SLOW");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("KORVANTE_HOME", home.path().toUtf8());
    textfile::writeLines(home.filePath("konf.dat"),
                         {"1", "0", "1", "1", "1", "-2147483624", "0", "1", "7", "0", home.path()});
    for (int code = 0; code < 8; ++code)
        textfile::writeLines(home.filePath(kFiles[code]), serverLines(1250, code, code));

    TForm1 form;
    form.wireServerLists();
    form.FormCreate();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 2;
    auto shown = [&] {
        QCoreApplication::processEvents();
        form.serverPanel->ftp_lista->viewport()->repaint();
    };
    bool ok = true;
    constexpr int kRuns = 7;

    ok &= report("all-servers view, 10,000 servers in 8 files",
                 medianMs(
                     kRuns,
                     [&] {
                         form.kategoriaClick(1);
                         shown();
                     },
                     [&] {
                         form.pokaz_wszystkieClick();
                         shown();
                     }),
                 300);
    if (form.serverPanel->ftp_lista->topLevelItemCount() != 10000)
        return 3;

    textfile::writeLines(home.filePath("p.dat"), serverLines(5000, 0, 11));
    ok &= report("one category of 5,000, unsorted",
                 medianMs(
                     kRuns,
                     [&] {
                         form.kategoriaClick(1);
                         shown();
                     },
                     [&] {
                         form.kategoriaClick(0);
                         shown();
                     }),
                 200);
    ok &= report("one category of 5,000, sort toggle (sort in place)",
                 medianMs(
                     kRuns,
                     [&] {
                         form.serverDirectory->serverListSorted = false;
                         form.kategoriaClick(0);
                         shown();
                     },
                     [&] {
                         form.ftp_listaColumnClick();
                         shown();
                     }),
                 200);
    ok &= report("one category of 5,000, loaded while sorted",
                 medianMs(
                     kRuns,
                     [&] {
                         form.serverDirectory->serverListSorted = true;
                         form.kategoriaClick(1);
                         shown();
                     },
                     [&] {
                         form.kategoriaClick(0);
                         shown();
                     }),
                 200);
    ok &= report("one category of 5,000, sort toggle back to file order",
                 medianMs(
                     kRuns,
                     [&] {
                         form.serverDirectory->serverListSorted = true;
                         form.kategoriaClick(0);
                         shown();
                     },
                     [&] {
                         form.ftp_listaColumnClick();
                         shown();
                     }),
                 200);
    return ok ? 0 : 1;
}
