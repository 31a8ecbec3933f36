// The server panel's connected and disconnected layouts, the status-bar
// counters and the panel toggle `kont`.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "session/session_texts.h"

#include <QCoreApplication>

void TForm1::zmiana_polacz2() {
    if (!settings.serverListOnly)
        return;
    serverPanel->ftp_lista->hide();
    serverPanel->l3->show();
    serverPanel->Panel5Caption->setText(QStringLiteral(" FTP: [") + topPanel->FTpServer->text() +
                                        QStringLiteral("]"));
}

void TForm1::zmiana_rozlacz2() {
    const int flag = languageFlag();
    serverPanel->ftp_lista->show();
    // With the server list alone, it has the panel to itself while offline.
    serverPanel->l3->setVisible(!settings.serverListOnly);
    serverPanel->Panel5Caption->setText(lang::pick(sessiontext::kServerListTitle, flag));
    localPanel->Panel8->setText(lang::pick(sessiontext::kLocalHostTitle, flag));
    Statusy();
    topPanel->dynamik->setEnabled(true);
    QCoreApplication::processEvents();
}

void TForm1::Statusy() {
    const int flag = languageFlag();
    localPanel->status_lokal->setPanelText(0, lang::pick(sessiontext::kFilesCount, flag) +
                                                  QString::number(localPanel->pliki->count()));
    localPanel->Status_kat->setPanelText(
        0, lang::pick(sessiontext::kFoldersCount, flag) +
               QString::number(qMax(0, localPanel->katalog->count() - 1)));
    serverPanel->status_ftp->setPanelText(
        0, lang::pick(sessiontext::kServersCount, flag) +
               QString::number(serverPanel->ftp_lista->topLevelItemCount()));
    serverPanel->status_ftp->setPanelText(1, lang::pick(sessiontext::kRemoteCount, flag) +
                                                 QString::number(serverPanel->l3->rowCount()));
}

void TForm1::kontClick() {
    const int total = Splitter1->width();
    auto setLeftWidth = [&](int width) {
        Splitter1->setSizes({width, qMax(0, total - width - Splitter1->handleWidth())});
    };
    if (localPanel->kont->text() == QLatin1String("<<<")) {
        localPanel->Panel6->setFixedWidth(15);
        // The folder splitter now sits at 15; the file list keeps 35 pixels.
        setLeftWidth(15 + 35);
        localPanel->kont->setText(QStringLiteral(">>>"));
        serverPanel->ftp_lista->setColumnWidth(0, 495);
        serverPanel->ftp_lista->setColumnWidth(2, 120);
        serverPanel->l3->setColumnWidth(0, 620);
    } else {
        placeLeftPanel(leftPanelWidth);
        localPanel->kont->setText(QStringLiteral("<<<"));
        serverPanel->ftp_lista->setColumnWidth(0, 265);
        serverPanel->ftp_lista->setColumnWidth(2, 90);
        serverPanel->l3->setColumnWidth(0, 350);
    }
    serverPanel->l3->setColumnWidth(1, 90);
}

void TForm1::kontMouseMove() {
    localPanel->kont->setToolTip(lang::pick(sessiontext::kKontHint, languageFlag()));
}
