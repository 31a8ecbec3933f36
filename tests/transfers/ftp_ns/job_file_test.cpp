// Reading the job file's lines into a job.
#include "transfers/ftp_ns/job_file.h"
#include "transfers/transfer_logic.h"

#include <gtest/gtest.h>

namespace {
QStringList job(const QString& kind, const QString& folder, const QStringList& files,
                const QString& port = "21", const QString& passive = "1") {
    return QStringList{kind, "ftp.example", "secret", "bob", folder, port, passive} + files;
}
} // namespace

TEST(FtpNsJobFile, UploadJob) {
    QString why;
    auto j =
        parseFtpNsJob(job("1", "/pub/in", {"/home/u/a b.txt", "/home/u/ż.bin"}, "2121", "0"), &why);
    ASSERT_TRUE(j) << why.toStdString();
    EXPECT_EQ(j->kind, FtpNsJob::Upload);
    EXPECT_EQ(j->server, "ftp.example");
    EXPECT_EQ(j->password, "secret"); // line 3 before the user on line 4
    EXPECT_EQ(j->user, "bob");
    EXPECT_EQ(j->remoteFolder, "/pub/in");
    EXPECT_EQ(j->port, 2121);
    EXPECT_FALSE(j->passive);
    EXPECT_EQ(j->files, (QStringList{"/home/u/a b.txt", "/home/u/ż.bin"}));
}

TEST(FtpNsJobFile, DownloadJobSplitsLocalAndRemoteFolders) {
    auto j = parseFtpNsJob(job("0", "/home/u/dl/*/pub/x", {"f1", "f 2"}));
    ASSERT_TRUE(j);
    EXPECT_EQ(j->kind, FtpNsJob::Download);
    EXPECT_EQ(j->localFolder, "/home/u/dl/");
    EXPECT_EQ(j->remoteFolder, "/pub/x");
    EXPECT_TRUE(j->passive);
    QString local, remote;
    ASSERT_TRUE(splitDownloadFolders("/*/", &local, &remote)); // from the root
    EXPECT_EQ(local, "/");
    EXPECT_EQ(remote, "/");
    ASSERT_TRUE(splitDownloadFolders("C:\\*/pub", &local, &remote));
    EXPECT_EQ(local, "C:\\");
    ASSERT_TRUE(splitDownloadFolders("/tmp/a*b/*/r*s", &local, &remote));
    EXPECT_EQ(local, "/tmp/a*b/");
    EXPECT_EQ(remote, "/r*s");
}

TEST(FtpNsJobFile, BrokenJobsAreRefusedWithAReason) {
    QString why;
    EXPECT_FALSE(parseFtpNsJob({"1", "host"}, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(parseFtpNsJob(job("2", "/", {"f"})));
    EXPECT_FALSE(parseFtpNsJob(job("1", "/", {"f"}, "port")));
    EXPECT_FALSE(parseFtpNsJob(job("1", "/", {"f"}, "70000")));
    EXPECT_FALSE(parseFtpNsJob(job("1", "/", {"f"}, "0")));
    EXPECT_FALSE(parseFtpNsJob(job("1", "/", {"f"}, "65536")));
    for (int port : {1, 65535}) {
        const auto bound = parseFtpNsJob(job("1", "/", {"f"}, QString::number(port)));
        ASSERT_TRUE(bound) << port;
        EXPECT_EQ(bound->port, port);
    }
    EXPECT_FALSE(parseFtpNsJob(job("0", "no star", {"f"})));
    EXPECT_FALSE(parseFtpNsJob(job("1", "/", {})));
}

// The window's batches, the queue and FTP_ns all take listing names through
// this one rule: a hostile listing must not write outside the local folder.
TEST(FtpNsJobFile, OnlyPlainNamesAreDownloaded) {
    EXPECT_TRUE(transfers::safeLocalName(QString::fromUtf8("a b ż.txt")));
    EXPECT_TRUE(transfers::safeLocalName("..hidden"));
    for (const char* hostile : {"../etc/passwd", "a/b", "/etc", "a\\b", "..\\x", "..", ".", ""})
        EXPECT_FALSE(transfers::safeLocalName(QString::fromLatin1(hostile))) << hostile;
    EXPECT_FALSE(transfers::safeLocalName(QString(QChar(0)) + "x"));
}
