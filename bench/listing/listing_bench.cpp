// From listing text to a filled and counted remote list: the time to split,
// read and show the listing lines in `l3`, with sorting off and on, the memory
// the rows take, and on the full list scrolling to its end and the mask filter.
//
// usage: bench_listing [LINES=100000]

#include "app/main_window.h"
#include "app/server_panel.h"
#include "session/session_state.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Heap bytes in use, large blocks of their own included: what the listing and
// its rows hold, without the pages the allocator keeps for later.
double heapMiB() {
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
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

double fillOnce(TForm1& form, const std::string& text, int expectedRows) {
    form.serverPanel->l3->clear();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    // What the engine hands over: the listing bytes and the place of each line.
    form.showListing(idSplitListingInPlace(text));
    QCoreApplication::processEvents(); // the first paint of the filled list
    const double seconds = timer.nsecsElapsed() / 1e9;
    const QString counted = form.serverPanel->status_ftp->panelText(1);
    if (form.serverPanel->l3->rowCount() != expectedRows ||
        !counted.endsWith(QString::number(expectedRows))) {
        std::fprintf(stderr, "wrong result: %d rows, counter \"%s\"\n",
                     form.serverPanel->l3->rowCount(), qPrintable(counted));
        return -1;
    }
    return seconds;
}

double scrollToEnd(TForm1& form) {
    QElapsedTimer timer;
    timer.start();
    form.serverPanel->l3->setFocus();
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::sendEvent(form.serverPanel->l3, &end);
    QCoreApplication::processEvents(); // the paint at the end
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (form.serverPanel->l3->currentRow() != form.serverPanel->l3->rowCount() - 1) {
        std::fprintf(stderr, "scrolling stopped at row %d\n", form.serverPanel->l3->currentRow());
        return -1;
    }
    return seconds;
}

double maskFilter(TForm1& form, int expectedRows) {
    QElapsedTimer timer;
    timer.start();
    form.serverPanel->l3->rows()->keepCaptionsEndingWith(QStringLiteral("txt"));
    QCoreApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (form.serverPanel->l3->rowCount() != expectedRows) {
        std::fprintf(stderr, "filter kept %d rows, not %d\n", form.serverPanel->l3->rowCount(),
                     expectedRows);
        return -1;
    }
    return seconds;
}

} // namespace

struct Limits {
    double plain, sorted, rowsMiB;
};

// The limits grow with the listing: a million entries get ten times the time
// of a hundred thousand, and a little less memory per row.
Limits limitsFor(int lines) {
    if (lines > 100000)
        return {1.5, 3.0, 250};
    return {0.15, 0.3, 30};
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("KORVANTE_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    const Limits limits = limitsFor(lines);

    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    const std::string text = listingText(lines);
    int folders = 0;
    for (size_t at = text.find("\nd"); at != std::string::npos; at = text.find("\nd", at + 1))
        ++folders;

    const long before = residentKiB();
    const double heapBefore = heapMiB();
    const double plain = fillOnce(form, text, lines);
    const double rowsMiB = heapMiB() - heapBefore;
    const long after = residentKiB();
    const double scrolled = scrollToEnd(form);
    form.session->l3Sorted = true;
    const double sorted = fillOnce(form, text, lines);
    const double filtered = maskFilter(form, lines - folders);
    if (plain < 0 || sorted < 0 || scrolled < 0 || filtered < 0)
        return 1;

    std::printf("listing lines:          %d\n", lines);
    std::printf("fill, sorting off:      %.3f s   (limit %.2f s)\n", plain, limits.plain);
    std::printf("fill, sorting on:       %.3f s   (limit %.2f s)\n", sorted, limits.sorted);
    std::printf("memory of the rows:     %.1f MiB in use (limit %.0f MiB); resident grew %.1f "
                "MiB\n",
                rowsMiB, limits.rowsMiB, (after - before) / 1024.0);
    std::printf("scroll to the end:      %.3f s   (limit 0.5 s)\n", scrolled);
    std::printf("mask filter:            %.3f s   (limit 0.5 s)\n", filtered);
    const bool ok = plain <= limits.plain && sorted <= limits.sorted && rowsMiB <= limits.rowsMiB &&
                    scrolled <= 0.5 && filtered <= 0.5;
    std::printf("%s\n", ok ? "within limits" : "OVER A LIMIT");
    return ok ? 0 : 1;
}
