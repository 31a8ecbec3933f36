#pragma once
// Helpers the server list handlers of TForm1 share: showing entries in
// ftp_lista with ListBox2 beside them, the category marks of the toolbar and
// the submenu, and the status texts. Every row carries the position of its
// own line in ListBox2, so sorting or lines that are not servers never pair
// a row with another server's line.

#include "servers/server_record.h"

#include <QList>

class TForm1;
class QToolButton;
class QAction;
class QTreeWidgetItem;

namespace servers_ui {

// Replaces the list with `entries` (sorted first while the list is sorted):
// ListBox2 and its categories take every line, ftp_lista a row per server,
// added in one batch.
void showEntries(TForm1& form, QList<servers::ServerEntry> entries);
// Empties ftp_lista, ListBox2 and its categories.
void clearEntries(TForm1& form);
// The entries behind ListBox2, in list order.
QList<servers::ServerEntry> shownEntries(const TForm1& form);

// Removes one row and its own line; the other rows keep their places (and
// the list its scroll position).
void removeEntry(TForm1& form, QTreeWidgetItem* row);

// Position in ListBox2 of a row's line; -1 for none.
int lineIndexOf(const QTreeWidgetItem* item);
// The row's own line, kept with the row itself.
QString lineOf(const QTreeWidgetItem* item);

// The toolbar button and the kat1 item of a code 0..8 (nullptr otherwise).
QToolButton* categoryButton(TForm1& form, int code);
QAction* categoryItem(TForm1& form, int code);
// Marks one button (8 = W2) and sets the other eight to normal; -1 clears all.
void markCategoryButton(TForm1& form, int code);
// Checks one of the nine kat1 items and unchecks the others.
void checkCategoryItem(TForm1& form, int code);

// Hourglass cursor for the lifetime of the guard.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Lets pending window messages run.
void pumpMessages();

} // namespace servers_ui
