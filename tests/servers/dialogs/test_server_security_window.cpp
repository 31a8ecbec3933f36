// The security mode of a saved server: chosen in the new-server and edit dialogs,
// kept in tls.dat beside the category files, shown in the server list, and never
// touching a byte of S_list.dat.

#include "app/server_panel.h"
#include "servers/edit_server_dialog.h"
#include "servers/new_server_dialog.h"
#include "session/security_modes.h"
#include "tests/servers/dialogs/dialog_fixture.h"

namespace {

using ServerSecurity = DialogFixture;

void saveNewServer(ServerSecurity& test, int mode) {
    test.whenShown("Form6", [mode](QDialog& dialog) {
        auto& d = static_cast<TForm6&>(dialog);
        // New servers start with TLS if the server offers it.
        EXPECT_EQ(d.cmb_tls->currentIndex(), int(smExplicitIfOffered));
        EXPECT_EQ(d.cmb_tls->currentText(), "FTP przez TLS, jeśli serwer je oferuje");
        DialogFixture::type(d.nazwa, "Bezpieczny");
        DialogFixture::type(d.adres, "ftp.example.org");
        DialogFixture::type(d.uzytkownik, "jan");
        DialogFixture::type(d.haslo, "tajne");
        d.cmb_tls->setCurrentIndex(mode);
        DialogFixture::click(d.Zapisz);
    });
    test.form->nowy2->trigger();
}

} // namespace

TEST_F(ServerSecurity, ModeLivesBesideSListWhichKeepsEveryByte) {
    start();
    // The same server saved plain and with TLS writes the very same S_list.dat.
    saveNewServer(*this, int(smPlain));
    const QByteArray plainBytes = categoryBytes(servers::kInne);
    EXPECT_FALSE(home.exists("tls.dat")); // a plain server needs no line
    ASSERT_TRUE(QFile::remove(servers::categoryFilePath(servers::kInne)));

    saveNewServer(*this, int(smExplicitRequired));
    EXPECT_EQ(categoryBytes(servers::kInne), plainBytes);
    EXPECT_EQ(home.readBytes("tls.dat"), "2*jan*ftp.example.org*21*\r\n");
    // The list shows the mode of each server; the sample entry has none.
    const QList<QTreeWidgetItem*> rows =
        form->serverPanel->ftp_lista->findItems("Bezpieczny", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->text(3), "TLS");
    EXPECT_EQ(form->serverPanel->ftp_lista->topLevelItem(0)->text(3), "");

    // Editing shows the kept mode; a new host moves the mode with the server, and
    // S_list.dat gets only the record as an edit always writes it.
    clickServer("Bezpieczny");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.cmb_tls->currentIndex(), int(smExplicitRequired));
        d.adres->clear();
        type(d.adres, "ftps.example.org");
        d.cmb_tls->setCurrentIndex(int(smImplicit));
        click(d.Zapisz);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(home.readBytes("tls.dat"), "3*jan*ftps.example.org*21*\r\n");
    EXPECT_EQ(home.readLines("s_list.dat").last(), "Bezpieczny*0*jan*ftps.example.org*tajne*21*7*");
    EXPECT_EQ(
        form->serverPanel->ftp_lista->findItems("Bezpieczny", Qt::MatchExactly).value(0)->text(3),
        "TLS/990");

    // Back to plain: the line goes, and the server is plain as before TLS existed.
    clickServer("Bezpieczny");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        d.cmb_tls->setCurrentIndex(int(smPlain));
        click(d.Zapisz);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(home.readBytes("tls.dat"), "");
    EXPECT_EQ(session::securityModeOf({"jan", "ftps.example.org", "21"}), smPlain);

    // Deleting a server forgets its mode, but not while another saved server
    // has the same user, host and port.
    clickServer("Bezpieczny");
    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->Usun1->trigger();
    saveNewServer(*this, int(smExplicitRequired));
    saveNewServer(*this, int(smExplicitRequired));
    const QStringList line{"2*jan*ftp.example.org*21*"};
    EXPECT_EQ(home.readLines("tls.dat"), line);
    const auto deleteFirstOfName = [this] {
        QTreeWidget* list = form->serverPanel->ftp_lista;
        const auto rows = list->findItems("Bezpieczny", Qt::MatchExactly);
        ASSERT_FALSE(rows.isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(rows.first()).center());
        services.dialogAnswers.push_back(platform::DlgResult::Yes);
        form->Usun1->trigger();
    };
    deleteFirstOfName();
    EXPECT_EQ(home.readLines("tls.dat"), line);
    deleteFirstOfName();
    EXPECT_TRUE(form->serverPanel->ftp_lista->findItems("Bezpieczny", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(home.readBytes("tls.dat"), "");
}
