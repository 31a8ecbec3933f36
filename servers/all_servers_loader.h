#pragma once
// TForm18, the hidden loader of the all-servers list. It is created by the
// main window at start-up, never shown, and released with the main window
// (it is its child).

#include <QObject>

class TForm1;

class TForm18 : public QObject {
    Q_OBJECT
public:
    explicit TForm18(TForm1* owner);

    // Fills the main list with the servers of FIRMY, MIASTA, ... INNE, each
    // file in its own line order, ListBox2 holding the same lines. With the
    // all-servers view closed (start-up) each category replaces the last, so
    // the list is left showing INNE.
    void zaladuj();

private:
    TForm1* owner_;
};
