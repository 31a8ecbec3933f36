// From listing text to a filled and counted remote list: the time to split,
// read and show 100,000 listing lines in `l3`, with sorting off and on, and
// the memory the rows take.
//
// usage: bench_listing [LINES=100000]

#include "app/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Heap bytes in use: what the rows hold, without the pages the allocator
// keeps for later.
double heapMiB() {
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// A listing as a Unix server sends it, in no particular order.
std::string listingText(int lines) {
    std::mt19937 random(7);
    std::string text = "total " + std::to_string(lines) + "\r\n";
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char line[256];
    for (int i = 0; i < lines; ++i) {
        const unsigned key = random();
        const bool folder = key % 10 == 0;
        std::snprintf(line, sizeof line,
                      "%s   1 user     group    %8u %s %2u %s %s_%08x part %u.%s\r\n",
                      folder ? "drwxr-xr-x" : "-rw-r--r--", key % 10000000, months[key % 12],
                      1 + key % 28, key % 2 ? "12:34" : " 2019", folder ? "Folder" : "file", key,
                      key % 97, folder ? "d" : "txt");
        text += line;
    }
    return text;
}

// The engine's split: CR LF, CR and LF end a line.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text, start, i - start);
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.emplace_back(text, start);
    return lines;
}

double fillOnce(TForm1& form, const std::string& text, int expectedRows) {
    form.l3->clear();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    form.showListing(splitLines(text));
    QCoreApplication::processEvents(); // the first paint of the filled list
    const double seconds = timer.nsecsElapsed() / 1e9;
    const QString counted = form.status_ftp->panelText(1);
    if (form.l3->topLevelItemCount() != expectedRows ||
        !counted.endsWith(QString::number(expectedRows))) {
        std::fprintf(stderr, "wrong result: %d rows, counter \"%s\"\n",
                     form.l3->topLevelItemCount(), qPrintable(counted));
        return -1;
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("KORVANTE_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;

    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    const std::string text = listingText(lines);

    const long before = residentKiB();
    const double heapBefore = heapMiB();
    const double plain = fillOnce(form, text, lines);
    const double rowsMiB = heapMiB() - heapBefore;
    const long after = residentKiB();
    form.l3Sorted = true;
    const double sorted = fillOnce(form, text, lines);
    if (plain < 0 || sorted < 0)
        return 1;

    std::printf("listing lines:          %d\n", lines);
    std::printf("fill, sorting off:      %.3f s   (limit 1.0 s)\n", plain);
    std::printf("fill, sorting on:       %.3f s   (limit 1.5 s)\n", sorted);
    std::printf("memory of the rows:     %.1f MiB in use (limit 150 MB); resident grew %.1f MiB\n",
                rowsMiB, (after - before) / 1024.0);
    const bool ok = plain < 1.0 && sorted < 1.5 && rowsMiB * 1.048576 < 150;
    std::printf("%s\n", ok ? "within limits" : "OVER A LIMIT");
    return ok ? 0 : 1;
}
