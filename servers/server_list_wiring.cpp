// Connects the server list's controls to their handlers: the category
// toolbar and submenu, ftp_lista's clicks, header and right button, the
// delete and print commands, and the search bar.

#include "app/main_window.h"
#include "servers/server_files.h"
#include "servers/server_list_look.h"
#include "servers/server_list_view.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

// Events of ftp_lista and szukaj that have no signal of their own.
class ServerListEvents : public QObject {
public:
    explicit ServerListEvents(TForm1* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == form_->ftp_lista->viewport())
            return listEvent(event);
        if (watched == form_->szukaj)
            return searchEvent(event);
        return false;
    }

private:
    bool listEvent(QEvent* event) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
                form_->ftp_listaRightClick();
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
            form_->szukajClick();
            return false;
        case QEvent::FocusOut:
            form_->szukajExit();
            return false;
        case QEvent::KeyPress:
            return form_->szukajKeyPress(static_cast<QKeyEvent*>(event));
        default:
            return false;
        }
    }

    TForm1* form_;
};

} // namespace

void TForm1::wireServerLists() {
    if (serverListsWired)
        return;
    serverListsWired = true;

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

    ftp_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    ftp_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    ftp_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ftp_lista->setSortingEnabled(false);
    ftp_lista->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    ftp_lista->setDragDropMode(QAbstractItemView::NoDragDrop);
    ftp_lista->setAcceptDrops(false);
    ftp_lista->viewport()->setAcceptDrops(false);
    servers_ui::showGridLines(ftp_lista);
    servers_ui::showCategoryPictures(*this);
    // A server chosen by the user replaces the mark the search left.
    connect(ftp_lista, &QTreeWidget::itemSelectionChanged, this,
            [this] { servers_ui::clearFoundMark(ftp_lista); });
    connect(ftp_lista, &QTreeWidget::itemSelectionChanged, this, &TForm1::ftp_listaClick);
    connect(ftp_lista, &QTreeWidget::itemClicked, this, [this] { ftp_listaClick(); });
    connect(ftp_lista->header(), &QHeaderView::sectionClicked, this,
            [this] { ftp_listaColumnClick(); });

    connect(Usun1, &QAction::triggered, this, &TForm1::Usun1Click);
    connect(usun_all, &QAction::triggered, this, &TForm1::usun_allClick);
    connect(usun_all2, &QAction::triggered, this, &TForm1::usun_all2Click);
    connect(ftp_drukuj, &QAction::triggered, this, &TForm1::ftp_drukujClick);

    // Search bar: it folds out below the header Panel5, the field and its
    // mode box on a row of their own; closed at start, whole-name mode.
    if (auto* column = qobject_cast<QVBoxLayout*>(panel_ftp->layout())) {
        auto* row = new QWidget(panel_ftp);
        row->setObjectName(QStringLiteral("searchRow"));
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(2, 1, 2, 1);
        line->addWidget(szukaj, 1);
        line->addWidget(szukaj_cale);
        szukaj->setMaximumWidth(QWIDGETSIZE_MAX);
        column->insertWidget(column->indexOf(Panel5) + 1, row);
        row->hide();
    }
    szukaj_cale->setChecked(true);
    szukaj->hide();
    szukaj_cale->hide();
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(szukaj_cale, &QCheckBox::clicked, this, &TForm1::szukaj_caleClick);
    connect(szukaj, &QLineEdit::textChanged, this, &TForm1::szukajChange);

    auto* events = new ServerListEvents(this);
    ftp_lista->viewport()->installEventFilter(events);
    szukaj->installEventFilter(events);
}
