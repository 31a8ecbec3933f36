#include "app/server_panel.h"

#include "app/main_window.h"
#include "app/region_controls.h"
#include "session/session_cursor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

using region::named;
using region::reportList;
using region::toolButton;

namespace {

// Events of ftp_lista, szukaj and l3 that have no signal of their own. The
// filter belongs to the window, not to the panel: the window's destructor
// removes it before any control goes, so events sent while the controls are
// destroyed never reach a half-destroyed window. The watched widgets are
// remembered for the same reason.
class ServerPanelEvents : public QObject {
public:
    ServerPanelEvents(TForm1* window, TServerPanel* panel)
        : QObject(window), window_(window), servers_(panel->ftp_lista->viewport()),
          search_(panel->szukaj), rows_(panel->l3->viewport()), l3_(panel->l3) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == servers_)
            return serverListEvent(event);
        if (watched == search_)
            return searchEvent(event);
        if (watched == rows_)
            remoteListEvent(event);
        return false;
    }

private:
    bool serverListEvent(QEvent* event) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
                window_->ftp_listaRightClick();
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore(); // nothing is ever dropped on the server list
            return true;
        default:
            return false;
        }
    }

    bool searchEvent(QEvent* event) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
            window_->szukajClick();
            return false;
        case QEvent::FocusOut:
            window_->szukajExit();
            return false;
        case QEvent::KeyPress:
            return window_->szukajKeyPress(static_cast<QKeyEvent*>(event));
        default:
            return false;
        }
    }

    void remoteListEvent(QEvent* event) {
        if (event->type() == QEvent::MouseMove)
            window_->dragAllowed = true;
        // A press that cannot start dragging rows gives the arrow back.
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton || !window_->dragAllowed) {
                session::normalCursor();
                l3_->unsetCursor();
            }
        }
    }

    TForm1* window_;
    const QObject* servers_;
    const QObject* search_;
    const QObject* rows_;
    RemoteListView* l3_;
};

} // namespace

TServerPanel::TServerPanel(TForm1* window) : QWidget(window) {
    setObjectName(QStringLiteral("panel_ftp"));
    setMinimumWidth(100);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    buildHeader();
    column->addWidget(Panel5);
    buildSearchRow();
    buildLists();
    column->addWidget(Splitter3, 1);
    status_ftp = named(new TPanelStatusBar(this), "status_ftp");
    status_ftp->addPanel(QStringLiteral("Zapisanych serwerów:"), 200);
    status_ftp->addPanel(QStringLiteral("Plików/katalogów na FTP:"), 200);
    column->addWidget(status_ftp);

    auto* events = new ServerPanelEvents(window, this);
    ftp_lista->viewport()->installEventFilter(events);
    szukaj->installEventFilter(events);
    l3->viewport()->setMouseTracking(true);
    l3->viewport()->installEventFilter(events);
}

void TServerPanel::buildHeader() {
    Panel5 = named(new QWidget(this), "Panel5Bar");
    auto* header = new QHBoxLayout(Panel5);
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(1);
    // The caption label carries the header text that the captions switch.
    Panel5Caption = named(new QLabel(QStringLiteral(" Lista serwerów FTP"), Panel5), "Panel5");
    Panel5Caption->setStyleSheet(
        QStringLiteral("background: navy; color: white; font-weight: bold;"));
    header->addWidget(Panel5Caption, 1);
    Cofnij = toolButton(Panel5, "Cofnij", QStringLiteral("↑"), QStringLiteral("Poziom w górę"));
    n_serwer = toolButton(Panel5, "n_serwer", QStringLiteral("Ab"),
                          QStringLiteral("Zmień nazwę pliku/katalogu"));
    sciagnij_ftp = toolButton(Panel5, "sciagnij_ftp", QStringLiteral("⇩"),
                              QStringLiteral("Ściągnij plik(i) z FTP [F7]"));
    usun_ftp = toolButton(Panel5, "usun_ftp", QStringLiteral("✕"),
                          QStringLiteral("Usuń plik(i) na FTP [Del]"));
    n_dir = toolButton(Panel5, "n_dir", QStringLiteral("+"),
                       QStringLiteral("Nowy katalog na FTP [F9]"));
    filtr2 = toolButton(Panel5, "filtr2", QStringLiteral("*.*"),
                        QStringLiteral("Filtruj pliki na FTP wg maski"));
    komenda = toolButton(Panel5, "komenda", QStringLiteral("SITE"),
                         QStringLiteral("Wywołaj niestandardową komendę"));
    zamien = toolButton(Panel5, "zamien", QStringLiteral("Aa"),
                        QStringLiteral("Zmień wielkość liter w plikach"));
    run_ftp = toolButton(Panel5, "run_ftp", QStringLiteral("▶"),
                         QStringLiteral("Otwórz plik/Uruchom program na FTP"));
    szukaj = named(new QLineEdit(Panel5), "szukaj");
    SpeedButton1 = toolButton(Panel5, "SpeedButton1", QStringLiteral("Szukaj"));
    szukaj_cale =
        named(new QCheckBox(QStringLiteral("Szukaj wg całych nazw"), Panel5), "szukaj_cale");
    for (QWidget* w :
         std::initializer_list<QWidget*>{Cofnij, n_serwer, sciagnij_ftp, usun_ftp, n_dir, filtr2,
                                         komenda, zamien, run_ftp, SpeedButton1})
        header->addWidget(w);
}

void TServerPanel::buildSearchRow() {
    // The search bar folds out below the header, the field and its mode box
    // on a row of their own; closed at start, whole-name mode.
    auto* row = named(new QWidget(this), "searchRow");
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(2, 1, 2, 1);
    line->addWidget(szukaj, 1);
    line->addWidget(szukaj_cale);
    szukaj_cale->setChecked(true);
    szukaj->hide();
    szukaj_cale->hide();
    static_cast<QVBoxLayout*>(layout())->addWidget(row);
    row->hide();
}

void TServerPanel::buildLists() {
    Splitter3 = named(new QSplitter(Qt::Vertical, this), "Splitter3");
    ftp_lista = reportList(Splitter3, "ftp_lista",
                           {QStringLiteral("Nazwa serwera"), QStringLiteral("Typ logowania"),
                            QStringLiteral("Hasło zapisane"), QStringLiteral("TLS")},
                           {265, 95, 90, 60});
    ftp_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    ftp_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    ftp_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ftp_lista->setSortingEnabled(false);
    ftp_lista->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    ftp_lista->setDragDropMode(QAbstractItemView::NoDragDrop);
    ftp_lista->setAcceptDrops(false);
    ftp_lista->viewport()->setAcceptDrops(false);
    l3 = named(new RemoteListView(Splitter3), "l3");
    l3->setHeaderText(0, QStringLiteral("Zasoby serwera FTP"));
    l3->setHeaderText(1, QStringLiteral("Atrybuty"));
    l3->setColumnWidth(0, 350);
    l3->setColumnWidth(1, 90);
    l3->setContextMenuPolicy(Qt::CustomContextMenu);
    l3->setSelectionMode(QAbstractItemView::ExtendedSelection);
    l3->header()->setSectionsClickable(true);
}
