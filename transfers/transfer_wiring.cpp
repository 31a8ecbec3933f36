// Connects the transfers to the main window: the progress window, the engine's
// work events, the commands and keys, the after-transfer choice, and the drag
// and drop between the local panel and the remote list.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/services.h"
#include "session/listing_line.h"
#include "session/remote_list.h"
#include "session/session_state.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_state.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

const QString kDragFormat = QStringLiteral("application/x-korvante-panel");

// Drags between the panels; the drop decides by the list the drag came from.
class PanelDragDrop : public QObject {
public:
    explicit PanelDragDrop(TForm1* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* source = sourceOf(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            pressed_ = nullptr;
            if (press->button() != Qt::LeftButton)
                break;
            if (source == form_->localPanel->pliki)
                form_->dragAllowed = true;
            if (source == form_->localPanel->pliki ||
                (source == form_->localPanel->katalog && form_->connected()) ||
                (source == form_->serverPanel->l3 && form_->dragAllowed)) {
                pressed_ = source;
                pressPoint_ = press->position().toPoint();
            }
            break;
        }
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (pressed_ && pressed_ == source && (move->buttons() & Qt::LeftButton) &&
                (move->position().toPoint() - pressPoint_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                QWidget* from = pressed_;
                pressed_ = nullptr;
                auto* drag = new QDrag(from);
                auto* data = new QMimeData;
                data->setData(kDragFormat, from->objectName().toLatin1());
                drag->setMimeData(data);
                drag->exec(Qt::CopyAction);
                return true;
            }
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* over = static_cast<QDragMoveEvent*>(event);
            if (form_->acceptsDrop(source, dragSource(over)))
                over->acceptProposedAction();
            else
                over->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            QWidget* from = dragSource(drop);
            drop->acceptProposedAction();
            form_->dropOnPanel(source, from);
            return true;
        }
        default:
            break;
        }
        return false;
    }

private:
    QWidget* sourceOf(QObject* watched) const {
        const QList<QAbstractItemView*> views{form_->localPanel->pliki, form_->localPanel->katalog,
                                              form_->serverPanel->l3};
        for (QAbstractItemView* view : views)
            if (watched == view->viewport())
                return view;
        return nullptr;
    }
    static QWidget* dragSource(const QDropEvent* event) {
        if (!event->mimeData()->hasFormat(kDragFormat))
            return nullptr;
        return qobject_cast<QWidget*>(event->source());
    }

    TForm1* form_;
    QWidget* pressed_ = nullptr;
    QPoint pressPoint_;
};

} // namespace

bool TForm1::acceptsDrop(QWidget* target, QWidget* source) const {
    if (target == serverPanel->l3)
        return source == localPanel->pliki || (source == localPanel->katalog && dragAllowed);
    if (target == localPanel->pliki)
        return source == serverPanel->l3;
    return false;
}

void TForm1::dropOnPanel(QWidget* target, QWidget* source) {
    if (!acceptsDrop(target, source))
        return;
    if (target == localPanel->pliki) {
        // A file or folder row downloads as F7 does; in queue mode a folder row joins the
        // queue first (a click has queued a file row already) and the queue runs.
        const int row = serverPanel->l3->currentRow();
        if (row < 0)
            return;
        const bool folder = serverPanel->l3->rows()->picture(row) == remotelist::kFolderPicture;
        const listing::ParsedLine line = serverPanel->l3->rows()->parsed(row);
        // A link is not followed, and ".." is the way up, not a folder to fetch.
        if (folder && (line.isLink || line.name == "." || line.name == ".."))
            return;
        if (folder && queueModeOn() && !transfers->transferRunning &&
            session->sessionCallDepth == 0 && connected())
            transfers::queueFolder(*this, row);
        s_plikClick();
        return;
    }
    if (!dragAllowed)
        return;
    if (source == localPanel->pliki)
        w_plikClick();
    else if (source == localPanel->katalog)
        Button2Click();
}

void TForm1::afterTransferChoice(bool signalBeforeDisconnect) {
    const QString choice = transfers->spr2;
    transfers->spr2 = QStringLiteral("0");
    if (choice != QLatin1String("1") && choice != QLatin1String("2") &&
        choice != QLatin1String("3"))
        return;
    if (signalBeforeDisconnect && choice != QLatin1String("3") && Form13->syg->isChecked())
        Form13->muzyka();
    roz2Click();
    if (choice == QLatin1String("2")) {
        zamknijClick();
    } else if (choice == QLatin1String("3")) {
        Akcja();
    }
}

bool TForm1::transferBusy() const {
    return transfers->transferRunning;
}

void TForm1::wireTransfers() {
    if (Form13)
        return;
    transfers = new TransferState(this);
    Form13 = new TForm13(this);

    FTP->OnWorkBegin = [this](TIdComponent*, TWorkMode mode, int64_t expected) {
        Form13->FTPWorkBegin(mode == wkWrite, expected);
    };
    FTP->OnWork = [this](TIdComponent*, TWorkMode mode, int64_t bytes) {
        Form13->FTPWork(mode == wkWrite, bytes);
    };
    FTP->OnWorkEnd = [this](TIdComponent*, TWorkMode) { Form13->FTPWorkEnd(); };

    connect(serverPanel->sciagnij_ftp, &QToolButton::clicked, this, &TForm1::s_plikClick);
    for (QAction* download : {sciagnij_pl, MenuItem1})
        connect(download, &QAction::triggered, this, &TForm1::s_plikClick);
    connect(localPanel->wyslij_pliki, &QToolButton::clicked, this, &TForm1::w_plikClick);
    connect(wyslij_pl, &QAction::triggered, this, &TForm1::w_plikClick);
    connect(kat_wyslij, &QAction::triggered, this, &TForm1::kat_wyslijClick);

    auto* dragDrop = new PanelDragDrop(this);
    const QList<QAbstractItemView*> views{localPanel->pliki, localPanel->katalog, serverPanel->l3};
    for (QAbstractItemView* view : views) {
        view->viewport()->installEventFilter(dragDrop);
        view->setAcceptDrops(true);
        view->viewport()->setAcceptDrops(true);
    }
    localPanel->katalog->setAcceptDrops(false);
    localPanel->katalog->viewport()->setAcceptDrops(false);
    serverPanel->ftp_lista->setAcceptDrops(false);
}

void TForm1::repaintProgressWindow() {
    if (Form13->isOpen()) {
        Form13->show();
        Form13->repaint();
    }
}
