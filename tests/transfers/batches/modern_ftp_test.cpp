// The window against a pyftpdlib that offers FEAT (MLSD, UTF8, EPSV, SIZE, REST STREAM):
// the MLSD listing looks as the LIST one did, Polish names make the round trip, and an
// upload the server holds the beginning of continues with APPE when the user says so.

#include "app/server_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "session/remote_list.h"
#include "tests/transfers/batches/transfer_fixture.h"

#include <QDateTime>
#include <QTreeWidget>

namespace {

struct ModernFtp : TransferWindow {
    // Caption, attribute column and picture of every row, in list order.
    QStringList rows() const {
        QStringList out;
        const remotelist::RemoteListModel& shown = *form->serverPanel->l3->rows();
        for (int r = 0; r < shown.rowCount(); ++r)
            out << shown.caption(r) + " | " + shown.attributes(r) + " | " +
                       QString::number(shown.picture(r));
        return out;
    }
    bool sent(const QString& command) const {
        return form->logPanel->memo1->lines().contains("Sent: " + command + "<EOL>");
    }
    // The bytes the last upload moved over its data connection.
    std::shared_ptr<int64_t> countUploadedBytes() {
        auto count = std::make_shared<int64_t>(0);
        auto original = form->FTP->OnWork;
        form->FTP->OnWork = [original, count](TIdComponent* sender, TWorkMode mode, int64_t bytes) {
            original(sender, mode, bytes);
            if (mode == wkWrite)
                *count = bytes;
        };
        return count;
    }
    int sentStartingWith(const QString& command) const {
        return int(
            form->logPanel->memo1->lines().filter(QRegularExpression("^Sent: " + command)).size());
    }
};

TEST_F(ModernFtp, MlsdListingShowsTheRowsOfList) {
    QDir(QString::fromStdString(remote.path())).mkpath(QString::fromUtf8("katalog źródeł"));
    write(remoteFile(QString::fromUtf8("zażółć gęślą jaźń.txt")), "polski");
    write(remoteFile("script.sh"), "#!/bin/sh\n");
    QFile::setPermissions(remoteFile("script.sh"), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ReadGroup |
                                                       QFile::ExeGroup);
    write(remoteFile("name with  two blanks"), "x");

    // A server that offers nothing: LIST, as always.
    connect(1, 1, {"--no-feat"});
    showWindow();
    const QStringList listed = rows();
    EXPECT_TRUE(sent("list"));
    EXPECT_EQ(sentStartingWith("(MLSD|EPSV|OPTS)"), 0);

    connect(1);
    showWindow();
    EXPECT_TRUE(sent("MLSD"));
    EXPECT_TRUE(sent("EPSV"));
    EXPECT_FALSE(sent("list"));
    EXPECT_EQ(rows(), listed);
    EXPECT_EQ(listed.size(), 4);
    EXPECT_TRUE(listed.contains(QString::fromUtf8("katalog źródeł | drwxr-xr-x | 0")));
    EXPECT_TRUE(listed.contains("script.sh | -rwxr-x--- | 1"));
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

TEST_F(ModernFtp, PolishNameMakesTheRoundTripInUtf8) {
    const QString name = QString::fromUtf8("Źdźbło żółwia ćma ŁĄKA.bin");
    const QByteArray bytes = pattern(70000, 3);
    write(localFile(name), bytes);
    connect(1);
    showWindow();
    EXPECT_TRUE(sent("OPTS UTF8 ON"));
    selectLocal({name});
    press(Qt::Key_F6);
    // The server holds the name in UTF-8 bytes.
    EXPECT_EQ(read(remoteFile(name)), bytes);
    ASSERT_GE(row(name), 0);

    QFile::remove(localFile(name));
    selectRemote({name});
    press(Qt::Key_F7);
    EXPECT_EQ(read(localFile(name)), bytes);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

TEST_F(ModernFtp, UploadTheServerHoldsPartOfContinuesWithAppeWhenTheUserSaysSo) {
    const QByteArray whole = pattern(3 * 1024 * 1024 + 77, 11);
    const int held = 1024 * 1024 + 5;
    write(localFile("big.bin"), whole);
    // The local file last changed before the server's copy was written.
    const auto anHourAgo = [&] {
        QFile file(localFile("big.bin"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                         QFileDevice::FileModificationTime);
    };
    anHourAgo();
    write(remoteFile("big.bin"), whole.left(held));
    connect(0); // active: the rest must go from where the file stopped there too
    showWindow();
    const auto uploaded = countUploadedBytes();

    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    selectLocal({"big.bin"});
    press(Qt::Key_F6);
    ASSERT_EQ(services.callsOf("messageDlg").size(), 1);
    EXPECT_TRUE(services.callsOf("messageDlg")[0].args[0].contains(QString::number(held)));
    EXPECT_TRUE(sent("APPE big.bin"));
    EXPECT_FALSE(sent("STOR big.bin"));
    EXPECT_EQ(read(remoteFile("big.bin")), whole);
    // Only the missing part went over the wire.
    EXPECT_EQ(*uploaded, whole.size() - held);

    // Answered No: the whole file again, with STOR.
    write(remoteFile("big.bin"), whole.left(held));
    services.clear();
    form->logPanel->memo1->clear();
    services.dialogAnswers.push_back(platform::DlgResult::No);
    selectLocal({"big.bin"});
    press(Qt::Key_F6);
    EXPECT_EQ(services.callsOf("messageDlg").size(), 1);
    EXPECT_TRUE(sent("STOR big.bin"));
    EXPECT_EQ(read(remoteFile("big.bin")), whole);
    EXPECT_EQ(*uploaded, whole.size());

    // A server copy as long as the local file or longer is not asked about.
    services.clear();
    selectLocal({"big.bin"});
    press(Qt::Key_F6);
    EXPECT_TRUE(services.callsOf("messageDlg").isEmpty());
    EXPECT_EQ(read(remoteFile("big.bin")), whole);

    // Nor is a shorter one older than the local file's last change: an older version.
    write(remoteFile("big.bin"), whole.left(held));
    QFile older(remoteFile("big.bin"));
    ASSERT_TRUE(older.open(QIODevice::ReadWrite));
    older.setFileTime(QDateTime::currentDateTime().addSecs(-7200),
                      QFileDevice::FileModificationTime);
    older.close();
    form->logPanel->memo1->clear();
    selectLocal({"big.bin"});
    press(Qt::Key_F6);
    EXPECT_TRUE(services.callsOf("messageDlg").isEmpty());
    EXPECT_TRUE(sent("STOR big.bin"));
    EXPECT_EQ(read(remoteFile("big.bin")), whole);
}

} // namespace
