// "W tle" during a real download, and the shutdown choice after a real batch,
// against pyftpdlib on loopback.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "desktop/shutdown.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_state.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace {

struct TransferInBackground : DesktopWindow {
    ftptest::TempDir remote;
    ftptest::TempDir local;
    std::unique_ptr<ftptest::PyFtpServer> server;

    QString remoteFile(const QString& name) const {
        return QString::fromStdString(remote.path()) + '/' + name;
    }
    QString localFile(const QString& name) const {
        return QString::fromStdString(local.path()) + '/' + name;
    }
    static QByteArray pattern(int size) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 7 + i / 509) & 0xFF);
        return bytes;
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The server sends at most `rate` bytes a second when it is above 0.
    void connect(int rate = 0) {
        std::vector<std::string> extra;
        if (rate > 0)
            extra = {"--send-rate", std::to_string(rate)};
        server = std::make_unique<ftptest::PyFtpServer>(remote.path(), "korvante", "secret", true,
                                                        extra);
        home.writeLines("konf.dat",
                        {"0", "1", "0", "1", "1", "16777215", "0", "1", "7", "0", home.path()});
        createWindow();
        form->localPanel->katalog->setDirectory(QString::fromStdString(local.path()));
        form->topPanel->FTpServer->setText("127.0.0.1");
        form->topPanel->UserID->setText("korvante");
        form->topPanel->Password2->setText("secret");
        form->edit_port = QString::number(server->port());
        form->pol2Click();
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
        form->show();
    }
    void download(const QString& name) {
        form->serverPanel->l3->clearSelection();
        for (int i = 0; i < form->serverPanel->l3->rowCount(); ++i)
            if (form->serverPanel->l3->rows()->caption(i) == name)
                form->serverPanel->l3->setRowSelected(i, true);
        ASSERT_EQ(form->serverPanel->l3->selectedRows().size(), 1u) << name.toStdString();
        form->FormKeyDown(Qt::Key_F7, Qt::NoModifier);
    }
    // Runs `step` at every progress event of the transfers that follow.
    void atEachProgress(std::function<void(int64_t)> step) {
        auto original = form->FTP->OnWork;
        form->FTP->OnWork = [original, step](TIdComponent* sender, TWorkMode mode, int64_t bytes) {
            original(sender, mode, bytes);
            step(bytes);
        };
    }
    void writeIcon(const QString& name, Qt::GlobalColor colour) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(home.file(name), "PNG"));
    }
};

TEST_F(TransferInBackground, WTleHidesBothWindowsAndTheHintCountsKilobytes) {
    const QByteArray data = pattern(1200 * 1024);
    write(remoteFile("slow.bin"), data);
    writeIcon("ico_ftp2.ico", Qt::red);
    writeIcon("ico_ftp.ico", Qt::green);
    connect(400 * 1024);

    bool pressed = false;
    bool mainHidden = false, progressHidden = false;
    atEachProgress([&](int64_t bytes) {
        if (!pressed && bytes > 0) {
            pressed = true;
            QTest::mouseClick(form->Form13->Button1, Qt::LeftButton);
            mainHidden = !form->isVisible();
            progressHidden = !form->Form13->isVisible();
        }
    });
    download("slow.bin");

    EXPECT_EQ(read(localFile("slow.bin")), data);
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(progressHidden);
    ASSERT_EQ(tray.icons.size(), 1);
    const auto& icon = *tray.icons[0];
    EXPECT_TRUE(icon.visible);
    EXPECT_EQ(icon.additions, 1);
    // Background icon first, the idle one when the batch ended.
    EXPECT_GE(icon.iconChanges, 2);

    // The hints: the background note, a counter that grows, the idle note.
    const QRegularExpression counter(
        QString::fromUtf8("^KORVANTE \\(w tle\\): Wysłano\\\\Ściągnięto: (\\d+) KB$"));
    QList<int> counts;
    for (const QString& hint : icon.toolTips) {
        const auto match = counter.match(hint);
        if (match.hasMatch())
            counts.append(match.captured(1).toInt());
    }
    ASSERT_GE(counts.size(), 2) << icon.toolTips.join('\n').toStdString();
    for (int i = 1; i < counts.size(); ++i)
        EXPECT_GE(counts[i], counts[i - 1]);
    EXPECT_GT(counts.last(), counts.first());
    EXPECT_LE(counts.last(), 1200);
    EXPECT_TRUE(icon.toolTips.contains(QString::fromUtf8("KORVANTE Ściąganie/wysyłanie w tle")));
    EXPECT_EQ(icon.toolTip, "KORVANTE Klient-FTP");
    for (const QString& hint : icon.toolTips)
        EXPECT_LE(hint.size(), 63);

    // After the batch the menu brings the window back.
    EXPECT_TRUE(form->pokaz_okno->isEnabled());
    tray.click(0, platform::TrayButton::Left);
    clickItem(form->Menu_tray, form->pokaz_okno);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(icon.visible);
}

TEST_F(TransferInBackground, WithoutANotificationAreaWTleMinimisesBothWindows) {
    tray.availableAnswer = false;
    write(remoteFile("data.bin"), pattern(300 * 1024));
    writeIcon("ico_ftp2.ico", Qt::red);
    connect(200 * 1024);
    bool pressed = false, bothMinimised = false;
    atEachProgress([&](int64_t bytes) {
        if (!pressed && bytes > 0) {
            pressed = true;
            QTest::mouseClick(form->Form13->Button1, Qt::LeftButton);
            bothMinimised = form->isMinimized() && form->Form13->isMinimized();
        }
    });
    download("data.bin");
    EXPECT_EQ(read(localFile("data.bin")), pattern(300 * 1024));
    EXPECT_TRUE(bothMinimised);
    EXPECT_TRUE(tray.icons.isEmpty());
    EXPECT_EQ(services.callsOf("notice").size(), 1);
}

// After-transfer choice "3": disconnect, then the shutdown each platform
// kind asks for (recorded, never carried out).
struct ShutdownAfterBatch : TransferInBackground, ::testing::WithParamInterface<int> {};

TEST_P(ShutdownAfterBatch, TheRequestFollowsThePlatformKind) {
    const int kind = GetParam();
    services.platformKindAnswer = kind;
    write(remoteFile("data.bin"), pattern(200 * 1024));
    connect();
    EXPECT_EQ(form->platformKind, kind);
    bool ticked = false;
    atEachProgress([&](int64_t) {
        if (!ticked) {
            ticked = true;
            QTest::mouseClick(form->Form13->cl_win, Qt::LeftButton);
        }
    });
    download("data.bin");
    EXPECT_EQ(read(localFile("data.bin")), pattern(200 * 1024));
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(form->transfers->spr2, "0");
    const QList<RecordedCall> requests = services.callsOf("shutdown");
    ASSERT_EQ(requests.size(), 1);
    // kind, force, delay, message
    const QStringList expected[] = {
        {"0", "0", "0", ""},                                    // no options: log off
        {"1", "1", "0", ""},                                    // 9x: power off, forced
        {"1", "1", "0", "Operacja na systemie operacyjnym..."}, // NT: with the notice
    };
    EXPECT_EQ(requests[0].args, expected[kind]);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShutdownAfterBatch, ::testing::Values(0, 1, 2));

} // namespace
