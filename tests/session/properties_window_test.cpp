// The file properties windows, the information window with its printing and
// saving, and SIZE asked in binary mode.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/info_window.h"
#include "log/properties_windows.h"
#include "platform/printing.h"
#include "session/session_state.h"
#include "tests/session/remote_ops_fixture.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

namespace {

using ftptest::FakeFtpServer;

struct Properties : RemoteOps, ::testing::WithParamInterface<int> {};

TEST_P(Properties, RemoteFileShowsServerFolderSizeTypeAndPermissions) {
    const int language = GetParam();
    makeFile("photo.JPG", QByteArray(3000, 'p'));
    ASSERT_TRUE(QFile::setPermissions(onServer("photo.JPG"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadGroup | QFile::ExeGroup));
    ASSERT_TRUE(QDir(QString::fromStdString(root.path())).mkdir("pics"));
    start(language);
    form->kopia_ftp = "127.0.0.1";

    // A folder row shows nothing.
    clickRow("pics");
    form->MenuItem25->trigger();
    EXPECT_TRUE(services.callsOf("showModal").isEmpty());

    QStringList shown;
    QList<bool> boxes;
    services.modalSteps[QStringLiteral("TForm11")] = [&](QDialog& dialog) {
        auto& w = static_cast<TForm11&>(dialog);
        EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
        shown = {w.panel2->text(),  w.Label1->text(),    w.w_serwer->text(),
                 w.w_nazwa->text(), w.w_katalog->text(), w.w_rozmiar->text(),
                 w.w_typ->text(),   w.W_e->text(),       w.inni->title()};
        for (QCheckBox* b : {w.w_r, w.w_w, w.W_e, w.g_r, w.g_w, w.g_e, w.o_r, w.o_w, w.o_e})
            boxes.append(b->isChecked());
        form->topPanel->FTpServer->clear(); // the main window's activation empties it
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.w_r->isChecked());
        return w.result();
    };
    clickRow("photo.JPG");
    form->wlasciwosci->trigger();
    ASSERT_EQ(services.callsOf("showModal").size(), 1);
    if (language == 1)
        EXPECT_EQ(shown, QStringList({"Właściwości pliku", "Plik z serwera FTP:", "127.0.0.1",
                                      "photo.JPG", "/", "3000 B/ 2 KB/0 MB", "Plik graficzny",
                                      "Wykonywanie", "Publiczny/Inni"}));
    else
        EXPECT_EQ(shown, QStringList({"File properties", "File from FTP server:", "127.0.0.1",
                                      "photo.JPG", "/", "3000 B/ 2 KB/0 MB", "Graphic file",
                                      "Execute/List", "Public/Other"}));
    EXPECT_EQ(boxes, QList<bool>({true, true, true, true, false, true, false, false, false}));
    // Escape acted as OK: the saved server text is back in its field.
    EXPECT_EQ(form->topPanel->FTpServer->text(), "127.0.0.1");
    EXPECT_EQ(form->Form11->result(), QDialog::Accepted);

    form->topPanel->roz2->click();
    services.clear();
    form->wlasciwosci->trigger();
    EXPECT_EQ(services.messages(),
              QStringList({language == 1 ? QString::fromUtf8("Nie jesteś połączony z żadnym "
                                                             "serwerem FTP")
                                         : "You are not connect for anymore FTP server"}));
}

TEST_P(Properties, LocalFileShowsFolderSizeTypeAndTimeOfChange) {
    const int language = GetParam();
    create(1, 0, language);
    form->show();
    QTemporaryDir local;
    QFile file(local.filePath("report.com"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'r'));
    file.close();
    ASSERT_TRUE(form->localPanel->katalog->setDirectory(local.path()));
    form->localPanel->pliki->refresh();

    services.clear();
    form->wlasciwosci2->trigger();
    EXPECT_EQ(services.messages(),
              QStringList({language == 1 ? QString::fromUtf8("Nie zaznaczono żadnego pliku")
                                         : "Not select anymore file"}));

    QStringList shown;
    services.modalSteps[QStringLiteral("TForm12")] = [&](QDialog& dialog) {
        auto& w = static_cast<TForm12&>(dialog);
        shown = {w.panel2->text(),          w.Label3->text(),    w.w_nazwa->text(),
                 w.w_katalog->text(),       w.w_rozmiar->text(), w.w_typ->text(),
                 w.lbl_modyfikowany->text()};
        EXPECT_FALSE(w.modyfikowany->text().isEmpty());
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        return w.result();
    };
    form->localPanel->pliki->item(form->Znajdz("report.com"))->setSelected(true);
    form->wlasciwosci2->trigger();
    if (language == 1)
        EXPECT_EQ(shown,
                  QStringList({"Właściwości pliku", "Rozmiar pliku:", "report.com", local.path(),
                               "2048 B/ 2 KB/0 MB", "Plik wykonywalny", "Modyfikowany:"}));
    else
        EXPECT_EQ(shown, QStringList({"File properties", "File size:", "report.com", local.path(),
                                      "2048 B/ 2 KB/0 MB", "Executable file", "Modified:"}));
}

INSTANTIATE_TEST_SUITE_P(PolishAndEnglish, Properties, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param ? "Polish" : "English"; });

TEST_F(RemoteOps, InformationWindowShowsTheRawListingPrintsAndSaves) {
    makeFile("one.txt");
    start();
    QStringList lines;
    QString printedTitle, printedText, popupCaption;
    QTemporaryDir saves;
    services.textAnswers = {saves.filePath("katalogi"), saves.filePath("list.txt")};
    services.modalSteps[QStringLiteral("TForm16")] = [&](QDialog& dialog) {
        auto& w = static_cast<TForm16&>(dialog);
        lines = w.memo1->toPlainText().split('\n');
        popupCaption = w.Kopiuj1->text();
        QTest::mouseClick(w.drukuj, Qt::LeftButton);
        QTest::mouseClick(w.zapisz, Qt::LeftButton);
        QTest::mouseClick(w.zapisz, Qt::LeftButton);
        w.memo1->append("typed by the user");
        QTest::mouseClick(w.czysc, Qt::LeftButton);
        EXPECT_EQ(w.memo1->toPlainText().split('\n').size(), 4);
        QTest::mouseClick(w.zamknij, Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
        return w.result();
    };
    form->Wicej1->trigger();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.mid(0, 4),
              QStringList({"Szczegóły katalogów i plików na: 127.0.0.1", "LEGENDA",
                           "Prawa dostępu | Użytkownik | Data modyfikacji | Nazwa udziłu",
                           "----------------------"}));
    EXPECT_EQ(lines[4], form->session->ListBox1.value(0));
    EXPECT_TRUE(lines[4].endsWith("one.txt"));
    EXPECT_EQ(popupCaption, "Kopiuj");
    ASSERT_EQ(services.callsOf("printText").size(), 1);
    EXPECT_EQ(services.callsOf("printText")[0].args[0], lines.join('\n'));
    EXPECT_EQ(services.callsOf("printText")[0].args[1], lines.join('\n'));
    EXPECT_TRUE(QFile::exists(saves.filePath("katalogi.txt")));
    EXPECT_TRUE(QFile::exists(saves.filePath("list.txt.txt")));

    // Offline the window shows its header alone, with no server name.
    form->topPanel->roz2->click();
    form->topPanel->FTpServer->clear();
    services.modalSteps[QStringLiteral("TForm16")] = [&](QDialog& dialog) {
        lines = static_cast<TForm16&>(dialog).memo1->toPlainText().split('\n');
        return QDialog::Rejected;
    };
    form->MenuItem8->trigger();
    EXPECT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.value(0), "Szczegóły katalogów i plików na: ");
}

TEST(Printing, PlainTextPrintsToAPdfFile) {
    QTemporaryDir out;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("info.pdf"));
    QStringList text;
    for (int i = 0; i < 200; ++i)
        text.append(QStringLiteral("-rw-r--r--   1 user group %1 Jan 10 12:34 file%1.txt").arg(i));
    platform::printPlainText(printer, text.join('\n'), text.join('\n'));
    QFile pdf(out.filePath("info.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // Two hundred lines take more than one page.
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              2);
}

TEST_F(SessionWindow, PropertiesAskTheSizeInBinaryMode) {
    // Like proftpd and pyftpdlib, this server answers SIZE only after "type I".
    FakeFtpServer server;
    scriptLogin(server);
    scriptChangeTo(server, "/");
    server.expect("type A");
    server.reply("200 ascii");
    server.expect("PWD");
    server.reply("257 \"/\" is the current folder");
    server.pasv();
    server.expect("list");
    server.acceptData();
    server.reply("150 here it comes");
    server.sendData("-rw-r--r--   1 u g 5368709121 Jan 10 12:34 big.iso\r\n");
    server.closeData();
    server.reply("226 done");
    server.expect("type I");
    server.reply("200 binary");
    server.expect("SIZE big.iso");
    server.reply("213 5368709121");

    create();
    fillFields(server.port());
    form->pol2Click();
    ASSERT_TRUE(form->connected());
    QString size;
    services.modalSteps[QStringLiteral("TForm11")] = [&](QDialog& dialog) {
        size = static_cast<TForm11&>(dialog).w_rozmiar->text();
        return QDialog::Accepted;
    };
    form->serverPanel->l3->setCurrentRow(row("big.iso"));
    form->wlasciwosciClick();
    EXPECT_TRUE(server.finished());
    EXPECT_EQ(server.errors(), "");
    EXPECT_EQ(size, "5368709121 B/ 5242880 KB/5120 MB");
}

} // namespace
