#pragma once
// The main window against a real or scripted FTP server on loopback, with a
// temporary program folder and recording platform services.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "log/log_pane.h"
#include "session/remote_list.h"
#include "tests/support/ftp/fake_ftp_server.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ui/main_window_fixture.h"

#include <gtest/gtest.h>

#include <memory>

struct SessionWindow : MainWindowFixture {
    // konf.dat with the given passive flag (slot 2), server-panel layout
    // (slot 3), language (slot 5) and protocol log (slot 4); passwords hidden.
    void create(int passive = 1, int layout = 0, int language = 1, int log = 1) {
        home.writeLines("konf.dat", {"0", QString::number(passive), QString::number(layout),
                                     QString::number(log), QString::number(language), "16777215",
                                     "0", "1", "7", "0", home.path()});
        createWindow();
        form->wireSession();
    }

    void fillFields(int port, const QString& user = "korvante",
                    const QString& password = "secret") {
        form->topPanel->FTpServer->setText("127.0.0.1");
        form->topPanel->UserID->setText(user);
        form->topPanel->Password2->setText(password);
        form->edit_port = QString::number(port);
    }

    QStringList captions() const {
        QStringList out;
        for (int i = 0; i < form->serverPanel->l3->rowCount(); ++i)
            out.append(form->serverPanel->l3->rows()->caption(i));
        return out;
    }

    // The row of l3 showing `caption`; -1 when none does.
    int row(const QString& caption) const {
        for (int i = 0; i < form->serverPanel->l3->rowCount(); ++i)
            if (form->serverPanel->l3->rows()->caption(i) == caption)
                return i;
        return -1;
    }
    const remotelist::RemoteListModel& rows() const { return *form->serverPanel->l3->rows(); }

    void open(const QString& caption) {
        const int r = row(caption);
        ASSERT_GE(r, 0) << caption.toStdString();
        form->serverPanel->l3->setCurrentRow(r);
        form->l3DblClick();
    }

    // The login dialogue of a scripted server, up to the first listing's PWD.
    static void scriptLogin(ftptest::FakeFtpServer& s) { s.scriptLogin(); }
    static void scriptChangeTo(ftptest::FakeFtpServer& s, const std::string& folder) {
        s.expect("CWD " + folder);
        s.reply("250 ok");
    }
};
