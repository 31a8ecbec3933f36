// The session as a user meets it: the window shown and activated, the server
// chosen with the mouse, F5, double clicks and Enter, against pyftpdlib.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "log/log_panel.h"
#include "tests/session/session_fixture.h"
#include "tests/support/ui/user_input.h"

#include <QDir>
#include <QTcpServer>
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
        showWindow();
    }
    void chooseServer() {
        QTreeWidgetItem* entry = rowOf(form->serverPanel->ftp_lista, "Alfa");
        ASSERT_NE(entry, nullptr);
        userinput::clickRow(form->serverPanel->ftp_lista, entry);
        ASSERT_EQ(form->topPanel->FTpServer->text(), "127.0.0.1");
    }
    // The stop button once the session has ended.
    void expectStopDisabledAfterFailure(const char* how) {
        SCOPED_TRACE(how);
        QTRY_VERIFY_WITH_TIMEOUT(!form->topPanel->roz2->isEnabled(), 3000);
        EXPECT_FALSE(form->connected());
        EXPECT_TRUE(form->topPanel->pol2->isEnabled());
        EXPECT_FALSE(form->topPanel->stop->isEnabled());
        services.clear();
    }
    QStringList sentFolders() const {
        return form->logPanel->memo1->lines().filter(QStringLiteral("Sent: CWD"));
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
    userinput::doubleClickRow(form->serverPanel->l3,
                              userinput::indexOf(form->serverPanel->l3, "public_html"));
    ASSERT_EQ(form->topPanel->CurrentDirEdit->text(), "/public_html");

    // Connect again while connected, both ways the window offers it.
    userinput::doubleClickRow(form->serverPanel->ftp_lista,
                              rowOf(form->serverPanel->ftp_lista, "Alfa"));
    form->topPanel->Password2->setFocus();
    QTest::keyClick(form->topPanel->Password2, Qt::Key_Return);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(form->topPanel->roz2->isEnabled());
    EXPECT_FALSE(form->topPanel->pol2->isEnabled());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/public_html");
    EXPECT_TRUE(userinput::indexOf(form->serverPanel->l3, "inner").isValid());

    QTest::mouseClick(form->topPanel->roz2, Qt::LeftButton);
    ASSERT_FALSE(form->connected());
    ASSERT_EQ(form->topPanel->CurrentDirEdit->text(), "/");

    // The next session opens "/", not the folder the last one ended in.
    form->logPanel->memo1->clear();
    chooseServer();
    QTest::keyClick(form.get(), Qt::Key_F5);
    ASSERT_TRUE(form->connected());
    EXPECT_EQ(sentFolders(), QStringList({"Sent: CWD /<EOL>"}));
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_TRUE(userinput::indexOf(form->serverPanel->l3, "public_html").isValid());
    QTest::mouseClick(form->topPanel->roz2, Qt::LeftButton);
}

// STOP aborts a transfer of the open session; once a failure has ended the
// session there is nothing it could stop.
TEST_F(SessionAsUser, StopIsDisabledWhenAFailureEndsTheSession) {
    TempDir root;
    QDir(QString::fromStdString(root.path())).mkpath("public_html");
    auto server = std::make_unique<PyFtpServer>(root.path());
    home.writeLines("S_list.dat",
                    {QStringLiteral("Alfa*0*korvante*127.0.0.1*secret*%1*7*").arg(server->port()),
                     QStringLiteral("Beta*0*korvante*127.0.0.1*wrong*%1*7*").arg(server->port())});
    create(/*passive=*/1, /*layout=*/0);
    ASSERT_TRUE(userinput::showActive(*form));

    // A refused login.
    userinput::clickRow(form->serverPanel->ftp_lista, rowOf(form->serverPanel->ftp_lista, "Beta"));
    QTest::keyClick(form.get(), Qt::Key_F5);
    expectStopDisabledAfterFailure("refused login");

    // The server goes away during the session; the next step notices.
    userinput::clickRow(form->serverPanel->ftp_lista, rowOf(form->serverPanel->ftp_lista, "Alfa"));
    QTest::keyClick(form.get(), Qt::Key_F5);
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    ASSERT_TRUE(form->topPanel->stop->isEnabled());
    // The row's place, taken first: the window may notice the closed
    // connection at the first click already and empty the list.
    const QPoint folder =
        form->serverPanel->l3->visualRect(userinput::indexOf(form->serverPanel->l3, "public_html"))
            .center();
    server.reset();
    QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, Qt::NoModifier, folder);
    QTest::mouseDClick(form->serverPanel->l3->viewport(), Qt::LeftButton, Qt::NoModifier, folder);
    expectStopDisabledAfterFailure("server gone");

    // Nobody listens on the port.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    form->topPanel->FTpServer->setText("127.0.0.1");
    form->topPanel->UserID->setText("korvante");
    form->topPanel->Password2->setText("secret");
    form->edit_port = QString::number(port);
    QTest::mouseClick(form->topPanel->pol2, Qt::LeftButton);
    expectStopDisabledAfterFailure("connection refused");
}

} // namespace
