// Connects the server list's controls to their handlers: the category
// toolbar and submenu, ftp_lista's clicks, header and right button, the
// delete and print commands, and the search bar.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "servers/server_directory_state.h"
#include "servers/server_files.h"
#include "servers/server_list_look.h"
#include "servers/server_list_view.h"

#include <QHeaderView>

void TForm1::wireServerLists() {
    if (serverListsWired)
        return;
    serverListsWired = true;
    serverDirectory = new ServerDirectoryState(this);

    // Category toolbar and submenu. A refused command (while connected)
    // leaves the marks and checks as they were.
    for (int code = 0; code <= servers::kAllServers; ++code) {
        QToolButton* button = servers_ui::categoryButton(*this, code);
        QAction* item = servers_ui::categoryItem(*this, code);
        button->setCheckable(true);
        item->setCheckable(true);
        auto open = [this, code] {
            if (code == servers::kAllServers)
                pokaz_wszystkieClick();
            else
                kategoriaClick(code);
        };
        connect(button, &QToolButton::clicked, this, [this, button, open] {
            if (connected()) {
                button->setChecked(!button->isChecked());
                return;
            }
            open();
        });
        connect(item, &QAction::triggered, this, [this, item, open] {
            if (connected()) {
                item->setChecked(!item->isChecked());
                return;
            }
            open();
        });
    }

    servers_ui::showGridLines(serverPanel->ftp_lista);
    servers_ui::showCategoryPictures(*this);
    // A server chosen by the user replaces the mark the search left.
    connect(serverPanel->ftp_lista, &QTreeWidget::itemSelectionChanged, this,
            [this] { servers_ui::clearFoundMark(serverPanel->ftp_lista); });
    connect(serverPanel->ftp_lista, &QTreeWidget::itemSelectionChanged, this,
            &TForm1::ftp_listaClick);
    connect(serverPanel->ftp_lista, &QTreeWidget::itemClicked, this, [this] { ftp_listaClick(); });
    connect(serverPanel->ftp_lista->header(), &QHeaderView::sectionClicked, this,
            [this] { ftp_listaColumnClick(); });

    connect(Usun1, &QAction::triggered, this, &TForm1::Usun1Click);
    connect(usun_all, &QAction::triggered, this, &TForm1::usun_allClick);
    connect(usun_all2, &QAction::triggered, this, &TForm1::usun_all2Click);
    connect(ftp_drukuj, &QAction::triggered, this, &TForm1::ftp_drukujClick);

    connect(serverPanel->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(serverPanel->szukaj_cale, &QCheckBox::clicked, this, &TForm1::szukaj_caleClick);
    connect(serverPanel->szukaj, &QLineEdit::textChanged, this, &TForm1::szukajChange);
}
