// An interrupted download continued by the next F7, in the window against pyftpdlib.

#include "tests/transfers/batches/transfer_fixture.h"

#include <QFileInfo>
#include <QProgressBar>

namespace {

struct ResumeWindow : TransferWindow {
    // Presses the progress window's abort once `at` bytes of the next transfer arrived.
    void abortAt(int64_t at) {
        auto original = form->FTP->OnWork;
        auto armed = std::make_shared<bool>(true);
        form->FTP->OnWork = [this, original, armed, at](TIdComponent* sender, TWorkMode mode,
                                                        int64_t bytes) {
            original(sender, mode, bytes);
            if (*armed && bytes >= at) {
                *armed = false;
                form->Form13->anuluj->click();
            }
        };
    }
};

TEST_F(ResumeWindow, StoppedDownloadContinuesWhereItStoppedOnTheNextF7) {
    const QByteArray big = pattern(16 * 1024 * 1024, 8);
    write(remoteFile("huge.bin"), big);
    connect(0); // active: REST goes between PORT and RETR
    abortAt(big.size() / 2);
    selectRemote({"huge.bin"});
    press(Qt::Key_F7);
    const qint64 kept = QFileInfo(localFile(".huge.bin.part")).size();
    EXPECT_GE(kept, big.size() / 2);
    EXPECT_LT(kept, big.size());
    EXPECT_FALSE(QFile::exists(localFile("huge.bin")));

    // The gauge starts where the file continues, not at nothing.
    int firstGauge = -1, gaugeEnd = 0;
    atFirstProgress([&] {
        firstGauge = form->Form13->Progressbar1->value();
        gaugeEnd = form->Form13->Progressbar1->maximum();
    });
    selectRemote({"huge.bin"});
    press(Qt::Key_F7);
    EXPECT_TRUE(read(localFile("huge.bin")) == big);
    EXPECT_EQ(form->FTP->LastTransfer().RestartedAt, kept);
    EXPECT_EQ(form->FTP->LastTransfer().Bytes, big.size() - kept); // only the missing part
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_FALSE(QFile::exists(localFile(".huge.bin.part.from")));
    EXPECT_GE(firstGauge, gaugeEnd / 2 - 1);
    EXPECT_TRUE(form->connected());
}

} // namespace
