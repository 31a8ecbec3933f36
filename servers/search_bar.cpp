// The search bar of the server panel: whole-name search on Enter and
// incremental search while typing, over the captions of ftp_lista.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "servers/server_directory_state.h"
#include "servers/server_list_look.h"
#include "servers/server_search.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

constexpr int kTagInUse = 105;
constexpr int kTagIdle = 200;

QStringList captionsOf(const QTreeWidget* list) {
    QStringList captions;
    const int count = list->topLevelItemCount();
    captions.reserve(count);
    for (int i = 0; i < count; ++i)
        captions.append(list->topLevelItem(i)->text(0));
    return captions;
}

// Scrolls the entry to just below the top of the list.
void scrollNearTop(QTreeWidget* list, QTreeWidgetItem* item) {
    list->scrollToItem(item, QAbstractItemView::PositionAtTop);
    QScrollBar* bar = list->verticalScrollBar();
    bar->setValue(bar->value() + list->visualItemRect(item).top() - 50);
}

// Selects the entry (the incremental search then shows its data).
void enterAsFound(QTreeWidget* list, int index) {
    QTreeWidgetItem* item = list->topLevelItem(index);
    if (!item)
        return;
    list->setCurrentItem(item);
    scrollNearTop(list, item);
}

// Focuses the list on the entry and marks it, leaving the selection (and so
// the connection fields) as they were.
void markAsFound(QTreeWidget* list, int index) {
    QTreeWidgetItem* item = list->topLevelItem(index);
    if (!item)
        return;
    list->setFocus();
    list->selectionModel()->setCurrentIndex(list->model()->index(index, 0),
                                            QItemSelectionModel::NoUpdate);
    servers_ui::markFound(list, item);
    scrollNearTop(list, item);
}

void showSearchBar(TForm1& form, bool open) {
    QWidget* row = form.serverPanel->szukaj->parentWidget();
    if (row && row->objectName() == QLatin1String("searchRow"))
        row->setVisible(open);
    form.serverPanel->szukaj->setVisible(open);
    form.serverPanel->szukaj_cale->setVisible(open);
}

} // namespace

void TForm1::SpeedButton1Click() {
    if (!serverPanel->szukaj->isHidden()) {
        szukajTag = kTagIdle;
        showSearchBar(*this, false);
        serverPanel->szukaj->clear();
        return;
    }
    showSearchBar(*this, true);
    serverPanel->szukaj->setFocus();
    szukajTag = kTagInUse;
}

void TForm1::zamknij_szukanie() {
    szukajTag = kTagIdle;
    showSearchBar(*this, false);
    serverPanel->szukaj->clear();
    serverPanel->Panel5->repaint();
    QCoreApplication::processEvents();
}

void TForm1::szukajClick() {
    szukajTag = kTagInUse;
}

void TForm1::szukajExit() {
    szukajTag = kTagIdle;
}

void TForm1::szukaj_caleClick() {
    serverPanel->szukaj->clear();
}

void TForm1::szukajChange() {
    if (!serverPanel->szukaj_cale->isChecked() && serverPanel->szukaj->text().isEmpty()) {
        serverDirectory->szukajDlugosc = 1;
        serverDirectory->szukajTekst.clear();
        serverDirectory->szukajPozycja = 0;
    }
}

void TForm1::Szukaj_wyraz() {
    const int index =
        servers::findByNameStart(captionsOf(serverPanel->ftp_lista), serverPanel->szukaj->text());
    if (index >= 0)
        markAsFound(serverPanel->ftp_lista, index);
}

bool TForm1::szukajKeyPress(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (serverPanel->szukaj_cale->isChecked()) {
        if (!enter)
            return false;
        Szukaj_wyraz();
        return true;
    }
    servers::IncrementalSearch search(serverDirectory->szukajTekst, serverDirectory->szukajDlugosc,
                                      serverDirectory->szukajPozycja);
    const int fieldLength = int(serverPanel->szukaj->text().size());
    if (event->key() == Qt::Key_Backspace) {
        search.backspace(fieldLength);
    } else {
        // Only keys that type a character take part; Enter, arrows and the
        // like would put invisible characters into the searched text.
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return enter;
        search.character(text.at(0), fieldLength);
    }
    serverDirectory->szukajTekst = search.typed();
    serverDirectory->szukajDlugosc = search.compareLength();
    serverDirectory->szukajPozycja = search.position();
    const bool startedOver = szukaj_znakow(serverDirectory->szukajTekst);
    // After starting over the field stays empty: the key is not typed into it.
    return startedOver;
}

bool TForm1::szukaj_znakow(const QString& text) {
    servers::IncrementalSearch search(text, serverDirectory->szukajDlugosc,
                                      serverDirectory->szukajPozycja);
    const auto outcome = search.step(captionsOf(serverPanel->ftp_lista));
    serverDirectory->szukajTekst = search.typed();
    serverDirectory->szukajDlugosc = search.compareLength();
    serverDirectory->szukajPozycja = search.position();
    if (outcome == servers::IncrementalSearch::Outcome::Found)
        enterAsFound(serverPanel->ftp_lista, serverDirectory->szukajPozycja);
    else
        serverPanel->szukaj->clear();
    ftp_listaClick();
    return outcome == servers::IncrementalSearch::Outcome::Reset;
}
