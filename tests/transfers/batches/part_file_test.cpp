// Continuing a download from its part file: against pyftpdlib (REST honoured, a changed
// remote file) and a scripted server (REST refused, a plain download's commands).

#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "tests/ftp/fake_server_fixture.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "transfers/file_digest.h"
#include "transfers/part_file.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/time.h>

using namespace transfers;

namespace {

std::string pattern(size_t size, int seed) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + size_t(seed) + i / 509) & 0xFF);
    return bytes;
}

int64_t sizeOf(const QString& path) {
    return QFileInfo::exists(path) ? QFileInfo(path).size() : -1;
}

struct RealServerResume : ::testing::Test {
    ftptest::TempDir remote, local;
    ftptest::PyFtpServer server{remote.path()};
    TIdFTP ftp;
    QString target = QString::fromStdString(local.file("big.bin"));
    int64_t stopAt = -1; // the OnWork count at which the transfer is stopped

    void SetUp() override {
        ftp.Host = "127.0.0.1";
        ftp.Port = server.port();
        ftp.User = "korvante";
        ftp.Password = "secret";
        ftp.Passive = true;
        ftp.ReadTimeOut = 10000;
        ftp.OnWork = [this](TIdComponent*, TWorkMode, int64_t bytes) {
            if (stopAt >= 0 && bytes >= stopAt) {
                stopAt = -1;
                ftp.AbortTransfer();
            }
        };
        ftp.OpenSession();
    }
    void download(const std::string& name) {
        downloadThroughPart(ftp, name, "/", target, ftp.FileSize(name), nullptr);
    }
    // Stops the download of `name` once half of it arrived.
    int64_t stopHalfway(const std::string& name, int64_t size) {
        stopAt = size / 2;
        EXPECT_THROW(download(name), EIdAborted);
        return sizeOf(partFilePath(target));
    }
};

TEST_F(RealServerResume, StoppedDownloadContinuesWithOnlyTheMissingBytes) {
    const std::string whole = pattern(8 << 20, 1);
    ftptest::writeFile(remote.file("big.bin"), whole);
    ftptest::writeFile(local.file("big.bin"), "the earlier copy");

    const int64_t kept = stopHalfway("big.bin", int64_t(whole.size()));
    // What arrived waits beside the untouched target, with the record of its source.
    EXPECT_GE(kept, int64_t(whole.size()) / 2);
    EXPECT_LT(kept, int64_t(whole.size()));
    EXPECT_EQ(ftptest::readFile(local.file("big.bin")), "the earlier copy");
    const auto record = readPartRecord(partRecordPath(target));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->size, int64_t(whole.size()));
    EXPECT_EQ(record->modified.size(), 14); // pyftpdlib answers MDTM
    EXPECT_EQ(QFile(partRecordPath(target)).permissions() & (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions());

    download("big.bin");
    EXPECT_EQ(ftp.LastTransfer().RestartedAt, kept);
    EXPECT_EQ(ftp.LastTransfer().Bytes, int64_t(whole.size()) - kept);
    EXPECT_TRUE(ftptest::readFile(local.file("big.bin")) == whole);
    EXPECT_FALSE(QFile::exists(partFilePath(target)));
    EXPECT_FALSE(QFile::exists(partRecordPath(target)));
}

TEST_F(RealServerResume, ChangedRemoteFileOrOtherSourceStartsFromZero) {
    const std::string first = pattern(4 << 20, 2);
    ftptest::writeFile(remote.file("big.bin"), first);
    stopHalfway("big.bin", int64_t(first.size()));

    // Another size: the kept bytes belong to another file.
    const std::string longer = pattern((4 << 20) + 100, 3);
    ftptest::writeFile(remote.file("big.bin"), longer);
    download("big.bin");
    EXPECT_EQ(ftp.LastTransfer().RestartedAt, 0);
    EXPECT_EQ(ftp.LastTransfer().Bytes, int64_t(longer.size()));
    EXPECT_TRUE(ftptest::readFile(local.file("big.bin")) == longer);

    // The same size, but rewritten later: the modification time tells.
    stopHalfway("big.bin", int64_t(longer.size()));
    const std::string rewritten = pattern(longer.size(), 4);
    ftptest::writeFile(remote.file("big.bin"), rewritten);
    struct timeval later[2] = {{2000000000, 0}, {2000000000, 0}};
    ASSERT_EQ(::utimes(remote.file("big.bin").c_str(), later), 0);
    download("big.bin");
    EXPECT_EQ(ftp.LastTransfer().RestartedAt, 0);
    EXPECT_TRUE(ftptest::readFile(local.file("big.bin")) == rewritten);

    // The same name in another folder of the server is another file.
    stopHalfway("big.bin", int64_t(rewritten.size()));
    downloadThroughPart(ftp, "big.bin", "/elsewhere", target, ftp.FileSize("big.bin"), nullptr);
    EXPECT_EQ(ftp.LastTransfer().RestartedAt, 0);
    EXPECT_TRUE(ftptest::readFile(local.file("big.bin")) == rewritten);
}

class ScriptedResume : public FakeServerTest {
protected:
    ftptest::TempDir local;
    QString target = QString::fromStdString(local.file("f"));

    void keepPart(const std::string& bytes, int64_t size, const QByteArray& modified) {
        ftptest::writeFile(partFilePath(target).toStdString(), bytes);
        ASSERT_TRUE(
            writePartRecord(partRecordPath(target), {partSource(ftp, "/", "f"), size, modified}));
    }
    void scriptRetr(const std::string& bytes) {
        server.expect("retr f");
        server.acceptData();
        server.reply("150 sending");
        server.sendData(bytes);
        server.closeData();
        server.reply("226 done");
    }
};

TEST_F(ScriptedResume, RefusedRestStartsFromZeroAndAPlainDownloadSendsNothingNew) {
    scriptLogin();
    // A part file kept from the same file: MDTM still matches, REST is refused.
    server.expect("MDTM f");
    server.reply("213 20261209101010");
    server.pasv();
    server.expect("REST 5");
    server.reply("502 REST not implemented");
    scriptRetr("0123456789");
    // No part file: exactly the commands of a download that knows nothing of resuming.
    server.pasv();
    scriptRetr("abc");
    ftp.OpenSession();
    keepPart("01234", 10, "20261209101010");
    downloadThroughPart(ftp, "f", "/", target, 10, nullptr);
    EXPECT_EQ(ftp.LastTransfer().RestartedAt, 0);
    EXPECT_EQ(ftptest::readFile(local.file("f")), "0123456789");
    EXPECT_FALSE(QFile::exists(partRecordPath(target)));

    downloadThroughPart(ftp, "f", "/", target, 3, nullptr);
    EXPECT_EQ(ftptest::readFile(local.file("f")), "abc");
}

TEST_F(ScriptedResume, CutDownloadKeepsItsPartAndAServerWithoutMdtmIsCheckedBySize) {
    scriptLogin();
    server.pasv();
    server.expect("retr f");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("0123");
    server.closeData();
    server.reply("226 done"); // four of ten bytes: cut
    server.expect("MDTM f");
    server.reply("500 unknown command");
    // The next attempt continues without asking the time again.
    server.pasv();
    server.expect("REST 4");
    server.reply("350 restarting at 4");
    scriptRetr("456789");
    ftp.OpenSession();
    EXPECT_THROW(downloadThroughPart(ftp, "f", "/", target, 10, nullptr), EIdTransferIncomplete);
    EXPECT_EQ(sizeOf(partFilePath(target)), 4);
    const auto record = readPartRecord(partRecordPath(target));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->modified, QByteArray());
    downloadThroughPart(ftp, "f", "/", target, 10, nullptr);
    EXPECT_EQ(ftp.LastTransfer().RestartedAt, 4);
    EXPECT_EQ(ftptest::readFile(local.file("f")), "0123456789");
    EXPECT_FALSE(QFile::exists(partFilePath(target)));
    EXPECT_FALSE(QFile::exists(partRecordPath(target)));
}

} // namespace

namespace {

// A server whose FEAT offers SHA-256 digests (and nothing that changes the transfers).
void scriptLoginOfferingDigests(ftptest::FakeFtpServer& server) {
    server.scriptLogin("bob", "pw", {"211-Features:", " XSHA256", "211 End"});
}

std::string sha256Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

TEST_F(ScriptedResume, ContinuedFileMustMatchTheServersDigest) {
    scriptLoginOfferingDigests(server);
    for (const std::string& digest : {sha256Of("0123456789"), sha256Of("ABCDE56789")}) {
        server.pasv();
        server.expect("REST 5");
        server.reply("350 restarting at 5");
        scriptRetr("56789");
        server.expect("XSHA256 f");
        server.reply("250 " + digest);
    }
    ftp.OpenSession();
    // The part kept is of another file than the server's now, of the same size.
    keepPart("ABCDE", 10, "");
    EXPECT_THROW(downloadThroughPart(ftp, "f", "/", target, 10, nullptr), EIdException);
    EXPECT_FALSE(QFile::exists(local.file("f").c_str()));
    EXPECT_FALSE(QFile::exists(partFilePath(target)));
    EXPECT_FALSE(QFile::exists(partRecordPath(target)));
    // A part that does belong to it passes.
    keepPart("ABCDE", 10, "");
    downloadThroughPart(ftp, "f", "/", target, 10, nullptr);
    EXPECT_EQ(ftptest::readFile(local.file("f")), "ABCDE56789");
}

} // namespace

namespace {

TEST_F(ScriptedResume, ContinuedUploadIsCheckedBySizeAndDigest) {
    server.scriptLogin("bob", "pw", {"211-Features:", " SIZE", " REST STREAM", " XMD5", "211 End"});
    const std::string md5 =
        QCryptographicHash::hash("0123456789", QCryptographicHash::Md5).toHex().toStdString();
    // The server's copy has the right size but other bytes; then one of the wrong size;
    // then the right one.
    for (const auto& [size, digest] :
         {std::pair<std::string, std::string>{"10", std::string(32, '0')},
          {"9", md5},
          {"10", md5}}) {
        server.pasv();
        server.expect("APPE f");
        server.acceptData();
        server.reply("150 go");
        server.receiveData();
        server.reply("226 stored");
        server.expect("SIZE f");
        server.reply("213 " + size);
        if (size == "10") {
            server.expect("XMD5 f");
            server.reply("250 " + digest);
        }
    }
    ftptest::writeFile(local.file("f"), "0123456789");
    ftp.OpenSession();
    EXPECT_FALSE(uploadMaybeResumed(ftp, target, "f", 4));
    EXPECT_FALSE(uploadMaybeResumed(ftp, target, "f", 4));
    EXPECT_TRUE(uploadMaybeResumed(ftp, target, "f", 4));
    ASSERT_TRUE(server.finished());
    EXPECT_EQ(server.receivedData(), "456789456789456789"); // only the missing bytes, each time
}

} // namespace
