#pragma once
// The main window as a user meets it: a temporary program folder with one
// server in the "Inne" category, shown and activated offscreen, recording
// platform services. Helpers press keys and click through real events.

#include "app/server_panel.h"
#include "local/local_lists.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct ShownMainWindow : MainWindowFixture {
    // language 1 Polish, 0 English; the remote list is shown and the log on.
    void open(int language, int serverPort = 21) {
        home.writeLines(QStringLiteral("konf.dat"),
                        {"0", "1", "0", "1", QString::number(language), "-2147483624", "0", "1",
                         "7", "0", home.path()});
        home.writeLines(
            QStringLiteral("S_list.dat"),
            {QStringLiteral("Loopback*0*korvante*127.0.0.1*secret*%1*7*").arg(serverPort)});
        createWindow();
        form->move(0, 0);
        showWindow();
    }

    // A left click in the middle of a list row, as the mouse gives it.
    static void clickRow(QAbstractItemView* view, const QModelIndex& index) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    void selectServer() {
        ASSERT_GT(form->serverPanel->ftp_lista->topLevelItemCount(), 0);
        clickRow(form->serverPanel->ftp_lista, form->serverPanel->ftp_lista->model()->index(0, 0));
    }
};
