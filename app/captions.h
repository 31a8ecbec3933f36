#pragma once
// The main window's two caption sets: one row per control or menu item.

#include <QList>

struct CaptionRow {
    const char* name; // object name of the control or menu item
    const char* pl;
    const char* en;
};

// Every text the main window switches with the language, in one table.
const QList<CaptionRow>& mainWindowCaptions();
