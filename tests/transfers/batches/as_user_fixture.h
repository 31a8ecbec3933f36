#pragma once
// The main window shown and active, connected as a user does: the server chosen in
// the list of INNE, F5.

#include "app/server_panel.h"
#include "tests/support/ui/user_input.h"
#include "tests/transfers/batches/transfer_fixture.h"

#include <QTest>

struct BatchAsUser : TransferWindow {
    // language: 1 Polish, 0 English. The engine's waits are cut to `timeOutMs` when given.
    void connectAsUser(int port, int language = 1, int timeOutMs = 0) {
        home.writeLines("konf.dat", {"0", "1", "0", "1", QString::number(language), "16777215", "0",
                                     "1", "7", "1", home.path()});
        home.writeLines("S_list.dat",
                        {QStringLiteral("Alfa*0*korvante*127.0.0.1*secret*%1*7*").arg(port)});
        createWindow();
        if (timeOutMs > 0) {
            form->FTP->ReadTimeOut = timeOutMs;
            form->FTP->AbortReplyTimeOut = timeOutMs;
        }
        form->localPanel->katalog->setDirectory(QString::fromStdString(local.path()));
        showWindow();
        userinput::clickRow(form->serverPanel->ftp_lista,
                            userinput::rowOf(form->serverPanel->ftp_lista, "Alfa"));
        QTest::keyClick(form.get(), Qt::Key_F5);
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    }
};
