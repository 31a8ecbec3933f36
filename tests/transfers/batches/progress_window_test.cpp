// The progress window as a user meets it during real transfers: every
// control readable at the default font and a quarter larger, and every label
// right for the batch that runs, downloading or sending, in both languages.

#include "app/server_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/support/ui/user_input.h"
#include "tests/transfers/batches/transfer_fixture.h"

#include <QGroupBox>
#include <QRegularExpression>
#include <QTest>

namespace {

using userinput::rowOf;

struct ProgressAsUser : TransferWindow {
    void connectAsUser(int language) {
        server = std::make_unique<ftptest::PyFtpServer>(remote.path());
        home.writeLines("konf.dat", {"0", "1", "0", "1", QString::number(language), "16777215", "0",
                                     "1", "7", "0", home.path()});
        home.writeLines(
            "S_list.dat",
            {QStringLiteral("Alfa*0*korvante*127.0.0.1*secret*%1*7*").arg(server->port())});
        createWindow();
        form->localPanel->katalog->setDirectory(QString::fromStdString(local.path()));
        showWindow();
        userinput::clickRow(form->serverPanel->ftp_lista,
                            rowOf(form->serverPanel->ftp_lista, "Alfa"));
        QTest::keyClick(form.get(), Qt::Key_F5);
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    }
    void download(const QStringList& names) {
        form->serverPanel->l3->clearSelection();
        for (const QString& name : names) {
            const QModelIndex row = userinput::indexOf(form->serverPanel->l3, name);
            ASSERT_TRUE(row.isValid()) << name.toStdString();
            QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton,
                              Qt::ControlModifier, form->serverPanel->l3->visualRect(row).center());
        }
        QTest::keyClick(form.get(), Qt::Key_F7);
    }
    void upload(const QStringList& names) {
        form->localPanel->pliki->refresh();
        form->localPanel->pliki->clearSelection();
        for (const QString& name : names) {
            const auto found = form->localPanel->pliki->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            QTest::mouseClick(form->localPanel->pliki->viewport(), Qt::LeftButton,
                              Qt::ControlModifier,
                              form->localPanel->pliki->visualItemRect(found.first()).center());
        }
        QTest::keyClick(form.get(), Qt::Key_F6);
    }

    // The window's texts as they are at the first progress of the next transfer.
    struct Seen {
        QMap<QString, QString> text;
        QStringList clipped;  // controls with less room than their text needs
        double pointSize = 0; // of the check boxes' captions
        QColor edge;          // the middle of the left edge
    };
    void lookAtFirstProgress(Seen& seen) {
        atFirstProgress([this, &seen] {
            TForm13& w = *form->Form13;
            for (QLabel* l : w.findChildren<QLabel*>())
                seen.text[l->objectName()] = l->text();
            for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
                seen.text[b->objectName()] = b->text();
            seen.text["GroupBox1"] = w.GroupBox1->title();
            seen.clipped = clippedControls();
            seen.pointSize = w.roz->font().pointSizeF();
            seen.edge = w.grab().toImage().pixelColor(0, w.height() / 2);
        });
    }
    // Every control of the shown window with less room than its text needs,
    // or reaching past the window's edge. Heading and file lines give up
    // width to a long file name (their text is cut at the right), never height.
    QStringList clippedControls() const {
        TForm13& w = *form->Form13;
        QStringList clipped;
        if (!w.isVisible())
            clipped.append(QStringLiteral("the window is not shown"));
        const QList<QWidget*> widthGivers{w.komunikat, w.licznik, w.licznik2};
        QList<QWidget*> controls{w.komunikat, w.licznik,   w.Progressbar1, w.licznik2,  w.sped,
                                 w.Label1,    w.lbl_ilosc, w.czas2,        w.GroupBox1, w.roz,
                                 w.wyl,       w.cl_win,    w.syg,          w.Button1,   w.anuluj};
        for (QWidget* c : controls) {
            const QRect inWindow(c->mapTo(&w, QPoint(0, 0)), c->size());
            const QSize needs = c->sizeHint();
            const bool narrow = !widthGivers.contains(c) && c->width() < needs.width();
            if (!c->isVisibleTo(&w) || narrow || c->height() < needs.height() ||
                !w.rect().contains(inWindow))
                clipped.append(QStringLiteral("%1 %2x%3 needs %4x%5")
                                   .arg(c->objectName())
                                   .arg(c->width())
                                   .arg(c->height())
                                   .arg(needs.width())
                                   .arg(needs.height()));
        }
        return clipped;
    }
};

// The desktop's font as the program finds it at start: a desktop at 125 %
// gives every window a font a quarter larger. Put back at the end.
struct DesktopFont {
    QFont original = QApplication::font();
    explicit DesktopFont(double scale) {
        QFont larger = original;
        larger.setPointSizeF(original.pointSizeF() * scale);
        QApplication::setFont(larger);
    }
    ~DesktopFont() { QApplication::setFont(original); }
};

TEST_F(ProgressAsUser, EveryControlIsReadableAtTheDefaultFontAndAQuarterLarger) {
    write(remoteFile("big.bin"), pattern(8 * 1024 * 1024, 1));
    for (int language : {1, 0}) {
        SCOPED_TRACE(language == 1 ? "Polish" : "English");
        for (double scale : {1.0, 1.25}) {
            SCOPED_TRACE("font scale " + std::to_string(scale));
            const DesktopFont desktop(scale);
            connectAsUser(language);
            Seen seen;
            lookAtFirstProgress(seen);
            download({"big.bin"});
            ASSERT_FALSE(seen.text.isEmpty()) << "no progress was seen";
            EXPECT_DOUBLE_EQ(seen.pointSize, QApplication::font().pointSizeF());
            // No title bar: the frame line sets the box apart from the window under it.
            EXPECT_EQ(seen.edge, QColor(0x40, 0x40, 0x40)) << seen.edge.name().toStdString();
            EXPECT_TRUE(seen.clipped.isEmpty()) << "language " << language << ", scale " << scale
                                                << ": " << seen.clipped.join(", ").toStdString();
            form.reset();
        }
    }
}

// What the window shows half-way through a transfer, and what it says after.
struct Shown {
    QMap<QString, QString> text;
    QString status;
};

Shown windowTexts(TForm1& form) {
    Shown shown;
    TForm13& w = *form.Form13;
    for (QLabel* l : w.findChildren<QLabel*>())
        shown.text[l->objectName()] = l->text();
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        shown.text[b->objectName()] = b->text();
    shown.text["GroupBox1"] = w.GroupBox1->title();
    shown.status = form.StatusBar1->panelText(0);
    return shown;
}

struct ProgressLabels : ProgressAsUser {
    static constexpr int kFileSize = 2 * 1024 * 1024;
    int language = 1;

    QString t(const char* polish, const char* english) const {
        return QString::fromUtf8(language == 1 ? polish : english);
    }
    // Runs `step` once, when the next transfer is half-way.
    void atHalfWay(std::function<void()> step) {
        auto original = form->FTP->OnWork;
        auto pending = std::make_shared<std::function<void()>>(std::move(step));
        form->FTP->OnWork = [original, pending](TIdComponent* sender, TWorkMode mode,
                                                int64_t bytes) {
            original(sender, mode, bytes);
            if (*pending && bytes >= kFileSize / 2) {
                auto run = std::move(*pending);
                *pending = nullptr;
                run();
            }
        };
    }
    // The texts half-way through the batch's first file; the speed as the
    // first file ended (on loopback half a file may pass within a millisecond,
    // before any speed can be worked out).
    Shown halfWayThrough(std::function<void()> startBatch) {
        Shown shown;
        atHalfWay([&] { shown = windowTexts(*form); });
        auto original = form->FTP->OnWorkEnd;
        auto first = std::make_shared<bool>(true);
        form->FTP->OnWorkEnd = [&, original, first](TIdComponent* sender, TWorkMode mode) {
            original(sender, mode);
            if (*first && form->Form13->transferredBytes() == kFileSize) {
                *first = false;
                shown.text["sped at the end"] = form->Form13->sped->text();
            }
        };
        startBatch();
        form->FTP->OnWorkEnd = original;
        return shown;
    }

    // The texts every batch shows, whichever way it goes.
    void expectCommonTexts(const Shown& shown) {
        const auto& text = shown.text;
        EXPECT_EQ(text["Label1"], t("Aktualnie ściągnięto/wysłano:", "Dowlanding/sending now:"));
        EXPECT_TRUE(QRegularExpression("^[1-9][0-9]* KB$").match(text["lbl_ilosc"]).hasMatch())
            << text["lbl_ilosc"].toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1[0-9]{2}:[0-9]{2}:[0-9]{2}$")
                                           .arg(t("Upłynęło: ", "Lost Time: ")))
                        .match(text["czas2"])
                        .hasMatch())
            << text["czas2"].toStdString();
        EXPECT_EQ(text["anuluj"], t("Przerwij!", "Break!"));
        EXPECT_EQ(text["Button1"], t("W tle", "Background"));
        EXPECT_EQ(text["GroupBox1"], t("Opcje", "Option"));
        EXPECT_EQ(text["roz"],
                  t("Po zakończeniu...   Rozłącz się", "After end...   Disconnect with FTP"));
        EXPECT_EQ(text["wyl"],
                  t("Po zakończeniu...   Zamknij program", "After end...   Close program"));
        EXPECT_EQ(text["cl_win"],
                  t("Po zakończeniu...   Zamknij komputer", "After end...   ShutDown computer"));
        EXPECT_EQ(text["syg"], t("Sygnalizuj dźwiękiem...", "Enabled voice signal"));
        // The working text comes with the first speed.
        if (shown.text["sped"] != t("Szybkość:", "Speed:")) {
            EXPECT_EQ(shown.status, t("Wykonywanie zadania...", "Working..."));
        }
        EXPECT_EQ(form->StatusBar1->panelText(0), t("Zadanie wykonane...", "End work..."));
    }
    void expectSpeed(const Shown& shown, bool sending) {
        const QString caption = sending ? t("Szybkość wysyłania:", "Upload speed:") +
                                              QString(language == 1 ? 17 : 27, ' ')
                                        : t("Szybkość ściągania:", "Dowland speed:") +
                                              QString(language == 1 ? 17 : 26, ' ');
        const QString halfWay = shown.text["sped"];
        EXPECT_TRUE(halfWay == t("Szybkość:", "Speed:") || halfWay.startsWith(caption))
            << halfWay.toStdString();
        const QString speed = shown.text["sped at the end"];
        EXPECT_TRUE(speed.startsWith(caption) && QRegularExpression("^[0-9]+\\.[0-9]{2} KB/s$")
                                                     .match(speed.mid(caption.size()))
                                                     .hasMatch())
            << speed.toStdString();
    }
    void expectDownload(const Shown& shown, const QString& name, const QString& batchLine) {
        SCOPED_TRACE(("download " + name + ", " + batchLine).toStdString());
        expectCommonTexts(shown);
        expectSpeed(shown, false);
        EXPECT_EQ(shown.text["komunikat"],
                  t("Ściąganie plików. Proszę Czekać...", "Dowland files. Please Wait..."));
        EXPECT_EQ(shown.text["licznik"], t("Ściąganie pliku: ", "Dowland file: ") + name +
                                             t("  [Rozmiar: 2048 KB]", "  [Size: 2048 KB]"));
        EXPECT_EQ(shown.text["licznik2"], batchLine);
    }
    void expectUpload(const Shown& shown, const QString& name, const QString& batchLine) {
        SCOPED_TRACE(("upload " + name + ", " + batchLine).toStdString());
        expectCommonTexts(shown);
        expectSpeed(shown, true);
        EXPECT_EQ(shown.text["komunikat"],
                  t("Wysyłanie plików. Proszę Czekać...", "Upload files. Please Wait..."));
        EXPECT_EQ(shown.text["licznik"], t("Wysyłanie pliku: ", "Sending file: ") + name);
        EXPECT_EQ(shown.text["licznik2"], batchLine);
    }
    void expectDownloadEnd() {
        const Shown after = windowTexts(*form);
        EXPECT_FALSE(form->Form13->isVisible());
        EXPECT_EQ(after.text["licznik"], t("Ściąganie plików zakończono", "End dowland files"));
        EXPECT_EQ(after.text["licznik2"], t("Całość...", "All..."));
        EXPECT_EQ(after.status, t("Zadanie wykonane...", "End work..."));
    }
    // The abort button half-way; the one message the user then reads.
    QString abortHalfWay(std::function<void()> startBatch) {
        services.clear();
        atHalfWay([&] { QTest::mouseClick(form->Form13->anuluj, Qt::LeftButton); });
        startBatch();
        const QList<RecordedCall> boxes = services.callsOf("messageBox");
        if (boxes.size() != 1)
            return QStringLiteral("%1 message boxes: %2")
                .arg(boxes.size())
                .arg(services.messages().join(" | "));
        EXPECT_EQ(boxes.first().args.value(1), "KORVANTE - FTP");
        return boxes.first().args.value(0);
    }
};

// The batches in the order that once left labels behind: two files sent, then
// one downloaded (no batch line of its own), then two downloaded, one sent;
// then a stopped upload and a stopped download.
TEST_F(ProgressLabels, EveryLabelBelongsToTheRunningBatchBothWaysInBothLanguages) {
    for (const char* name : {"one.bin", "two.bin"})
        write(remoteFile(name), pattern(kFileSize, name[0]));
    for (const char* name : {"up1.bin", "up2.bin"})
        write(localFile(name), pattern(kFileSize, name[2]));
    for (int flag : {0, 1}) {
        SCOPED_TRACE(flag == 1 ? "Polish" : "English");
        language = flag;
        connectAsUser(language);

        Shown shown = halfWayThrough([&] { upload({"up1.bin", "up2.bin"}); });
        expectUpload(shown, "up1.bin",
                     t("Wysyłanie: (1) z (2) plików na serwer FTP",
                       "Sending: (1) from (2) files on The FTP server"));
        ASSERT_EQ(read(remoteFile("up2.bin")), pattern(kFileSize, '2'));

        shown = halfWayThrough([&] { download({"one.bin"}); });
        expectDownload(shown, "one.bin", t("Całość...", "All..."));
        expectDownloadEnd();

        shown = halfWayThrough([&] { download({"one.bin", "two.bin"}); });
        expectDownload(shown, "one.bin",
                       t("Ściąganie: (1) z (2) plików...", "Dowland: (1) from (2) files..."));
        expectDownloadEnd();
        ASSERT_EQ(read(localFile("two.bin")), pattern(kFileSize, 't'));

        shown = halfWayThrough([&] { upload({"up2.bin"}); });
        expectUpload(shown, "up2.bin",
                     t("Wysyłanie: (1) z (1) plików na serwer FTP",
                       "Sending: (1) from (1) files on The FTP server"));

        EXPECT_EQ(abortHalfWay([&] { upload({"up1.bin"}); }),
                  t("Wysyłanie plików przerwane przez użytkownika", "Sending files break by User"));
        ASSERT_TRUE(form->connected()) << form->logPanel->memo1->lines().join('\n').toStdString();
        EXPECT_EQ(
            abortHalfWay([&] { download({"two.bin"}); }),
            t("Ściąganie plików przerwane przez użytkownika", "Dowlanding files break by User"));
        form.reset();
    }
}

} // namespace
