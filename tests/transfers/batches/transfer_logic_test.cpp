#include "transfers/transfer_logic.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

using namespace transfers;

TEST(ErrorRecord, SixLinesWithCrLfReadableByTheOwnerOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("error.dat");
    QFile::remove(path);
    const InterruptedDownload record{"/home/u/Pobrane", "ftp.example.pl", "jan",
                                     "tajne hasło",     "/pub/docs",      "raport 1.zip"};
    ASSERT_TRUE(writeErrorRecord(path, record));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = "/home/u/Pobrane\r\nftp.example.pl\r\njan\r\ntajne has\xB3o\r\n"
                                "/pub/docs\r\nraport 1.zip\r\n";
    EXPECT_EQ(file.readAll(), expected);
    EXPECT_EQ(file.permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    // Rewritten whole by the next batch.
    ASSERT_TRUE(writeErrorRecord(path, {"/", "h", "u", "p", "/", "n"}));
    EXPECT_EQ(errorRecordLines({"/", "h", "u", "p", "/", "n"}),
              QStringList({"/", "h", "u", "p", "/", "n"}));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("/\r\nh\r\nu\r\np\r\n/\r\nn\r\n"));
}

TEST(ProgressTexts, FileAndBatchLines) {
    EXPECT_EQ(downloadFileLine("a.zip", 5000, false, 1),
              QString::fromUtf8("Ściąganie pliku: a.zip  [Rozmiar: 4 KB]"));
    EXPECT_EQ(downloadFileLine("a.zip", 5000, true, 0), "Dowland file: a.zip [Size: 4 KB]");
    EXPECT_EQ(downloadFileLine("a.zip", -1, false, 0), "Dowland file: a.zip  [Size: 0 KB]");
    EXPECT_EQ(downloadFileLine("b", 6LL << 30, false, 2, true),
              "Dowland break file: b  [Size: 6291456 KB]");
    EXPECT_EQ(downloadBatchLine(2, 5, 1), QString::fromUtf8("Ściąganie: (2) z (5) plików..."));
    EXPECT_EQ(downloadBatchLine(2, 5, 0), "Dowland: (2) from (5) files...");
    EXPECT_EQ(uploadBatchLine(1, 1, 0), "Sending: (1) from (1) files on The FTP server");
    EXPECT_EQ(uploadBatchLine(3, 4, 1),
              QString::fromUtf8("Wysyłanie: (3) z (4) plików na serwer FTP"));
}

TEST(ProgressTexts, SpeedNeedsElapsedTime) {
    EXPECT_EQ(speedText(1024, 0), QString());
    EXPECT_EQ(speedText(0, 0), QString());
    EXPECT_EQ(speedText(1536 * 1024, 500), "3072.00 KB/s");
    EXPECT_EQ(speedText(100, 1000), "0.10 KB/s");
    EXPECT_EQ(kilobytes(1023), 0);
    EXPECT_EQ(kilobytes(-1), 0);
    EXPECT_EQ(kilobytes(5LL << 30), 5LL << 20);
}

TEST(ProgressTexts, ElapsedClock) {
    Elapsed clock;
    for (int i = 0; i < 59; ++i)
        clock.tick();
    EXPECT_EQ(elapsedText(clock, 1), QString::fromUtf8("Upłynęło: 00:00:59"));
    clock.tick();
    EXPECT_EQ(elapsedText(clock, 0), "Lost Time: 00:01:00");
    for (int i = 60; i < 3600; ++i)
        clock.tick();
    EXPECT_EQ(elapsedText(clock, 0), "Lost Time: 01:00:00");
    clock.hours = 123;
    EXPECT_EQ(elapsedText(clock, 0), "Lost Time: 123:00:00");
    EXPECT_EQ(twoDigits(7), "07");
}

TEST(Gauge, ScalesSizesBeyondIntAndKeepsUnknownSizesUnscaled) {
    const GaugeScale big(6LL << 30);
    EXPECT_TRUE(big.known());
    EXPECT_LE(big.maximum(), INT_MAX);
    EXPECT_GT(big.maximum(), INT_MAX / 4);
    EXPECT_EQ(big.position(6LL << 30), big.maximum());
    EXPECT_EQ(big.position(3LL << 30), big.maximum() / 2);
    EXPECT_EQ(big.position(7LL << 30), big.maximum());
    const GaugeScale small(1000);
    EXPECT_EQ(small.maximum(), 1000);
    EXPECT_EQ(small.position(400), 400);
    for (const int64_t none : {int64_t(0), int64_t(-1)}) {
        const GaugeScale unknown(none);
        EXPECT_FALSE(unknown.known());
        EXPECT_EQ(unknown.maximum(), 0);
        EXPECT_EQ(unknown.position(12345), 0);
    }
}

TEST(Download, CompleteOnlyWhenTheToldSizeArrived) {
    EXPECT_TRUE(downloadComplete(10, 10));
    EXPECT_FALSE(downloadComplete(10, 9));
    EXPECT_TRUE(downloadComplete(-1, 9));
    EXPECT_TRUE(downloadComplete(0, 0));
    // An empty file is whole only when nothing came; an unknown size is not "0".
    EXPECT_FALSE(downloadComplete(0, 5));
    EXPECT_TRUE(downloadComplete(-1, 0));
}
