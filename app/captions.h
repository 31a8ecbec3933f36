#pragma once
// The main window's two caption sets: one row per control or menu item.

#include <QList>
#include <QString>

class TForm1;

struct CaptionRow {
    const char* name; // object name of the control or menu item
    const char* pl;
    const char* en;
    // Puts a text on that very member of the window.
    void (*apply)(TForm1& window, const QString& caption);
};

// Every text the main window switches with the language, in one table.
const QList<CaptionRow>& mainWindowCaptions();
