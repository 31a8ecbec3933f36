#pragma once
// The server panel panel_ftp: the header Panel5 with the remote commands and
// the search bar, the server list ftp_lista above the remote listing l3, and
// the counters status_ftp. The handlers stay the window's; the panel passes
// them the events its controls have no signal for.

#include "app/panel_status_bar.h"
#include "session/remote_list_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

class TForm1;

class TServerPanel : public QWidget {
public:
    explicit TServerPanel(TForm1* window);

    QWidget* Panel5 = nullptr;
    QLabel* Panel5Caption = nullptr;
    QToolButton* Cofnij = nullptr;
    QToolButton* n_serwer = nullptr;
    QToolButton* sciagnij_ftp = nullptr;
    QToolButton* usun_ftp = nullptr;
    QToolButton* n_dir = nullptr;
    QToolButton* filtr2 = nullptr;
    QToolButton* komenda = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* zamien = nullptr;
    QToolButton* run_ftp = nullptr;
    QLineEdit* szukaj = nullptr;
    QCheckBox* szukaj_cale = nullptr;
    QTreeWidget* ftp_lista = nullptr;
    QSplitter* Splitter3 = nullptr;
    RemoteListView* l3 = nullptr;
    TPanelStatusBar* status_ftp = nullptr;

private:
    void buildHeader();
    void buildSearchRow();
    void buildLists();
};
