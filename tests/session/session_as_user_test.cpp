// The session as a user meets it: the window shown and activated, the server
// chosen with the mouse, F5, double clicks and Enter, against pyftpdlib.

#include "tests/session/session_fixture.h"
#include "tests/support/ui/user_input.h"

#include <QDir>
#include <QTest>

namespace {

using ftptest::PyFtpServer;
using ftptest::TempDir;
using userinput::rowOf;

struct SessionAsUser : SessionWindow {
    // The server list of the start category INNE holds one entry with a saved password.
    void createWithServer(int port) {
        home.writeLines("S_list.dat",
                        {QStringLiteral("Alfa*0*korvante*127.0.0.1*secret*%1*7*").arg(port)});
        create(/*passive=*/1, /*layout=*/0);
        ASSERT_TRUE(userinput::showActive(*form));
    }
    void chooseServer() {
        QTreeWidgetItem* entry = rowOf(form->ftp_lista, "Alfa");
        ASSERT_NE(entry, nullptr);
        userinput::clickRow(form->ftp_lista, entry);
        ASSERT_EQ(form->FTpServer->text(), "127.0.0.1");
    }
    QStringList sentFolders() const {
        return form->memo1->lines().filter(QStringLiteral("Sent: CWD"));
    }
};

TEST_F(SessionAsUser, ANewSessionStartsAtTheRootAndConnectOnAnOpenSessionDoesNothing) {
    TempDir root;
    QDir(QString::fromStdString(root.path())).mkpath("public_html/inner");
    PyFtpServer server(root.path());
    createWithServer(server.port());

    chooseServer();
    QTest::keyClick(form.get(), Qt::Key_F5);
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    userinput::doubleClickRow(form->l3, rowOf(form->l3, "public_html"));
    ASSERT_EQ(form->CurrentDirEdit->text(), "/public_html");

    // Connect again while connected, both ways the window offers it.
    userinput::doubleClickRow(form->ftp_lista, rowOf(form->ftp_lista, "Alfa"));
    form->Password2->setFocus();
    QTest::keyClick(form->Password2, Qt::Key_Return);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(form->roz2->isEnabled());
    EXPECT_FALSE(form->pol2->isEnabled());
    EXPECT_EQ(form->CurrentDirEdit->text(), "/public_html");
    EXPECT_NE(rowOf(form->l3, "inner"), nullptr);

    QTest::mouseClick(form->roz2, Qt::LeftButton);
    ASSERT_FALSE(form->connected());
    ASSERT_EQ(form->CurrentDirEdit->text(), "/");

    // The next session opens "/", not the folder the last one ended in.
    form->memo1->clear();
    chooseServer();
    QTest::keyClick(form.get(), Qt::Key_F5);
    ASSERT_TRUE(form->connected());
    EXPECT_EQ(sentFolders(), QStringList({"Sent: CWD /<EOL>"}));
    EXPECT_EQ(form->CurrentDirEdit->text(), "/");
    EXPECT_NE(rowOf(form->l3, "public_html"), nullptr);
    QTest::mouseClick(form->roz2, Qt::LeftButton);
}

} // namespace
