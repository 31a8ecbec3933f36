#pragma once
// What the server dialogs and the export and import window are given by the
// main window that shows them, and the message boxes they share.

#include "app/language.h"

#include <QString>
#include <QWidget>

#include <cstdint>

#include <initializer_list>

namespace server_dialogs {

using ::languageFlag;

// The entry selected in the main list, as the edit dialog needs it.
struct SelectedServer {
    bool valid = false;
    QString caption;         // its text in the list
    int position = -1;       // its row in the list
    QString line;            // its own line of a category file
    int sourceCategory = -1; // the file that line came from; -1 unknown
};

struct ConnectionFields {
    QString host, user, password, port;
};

// What the server dialogs are shown of the main window; the main window fills
// it before it shows one of them.
struct MainWindowState {
    SelectedServer selected;
    int currentCategory = 7;        // 0..7, 8 = the all-servers view
    int selectedServerCategory = 8; // the category of the server selected last
    ConnectionFields fields;        // the connection fields of the top panel
    int32_t fieldBackground = 0;    // colours of edit fields and lists
    int32_t fieldText = 0;
};

// Background and text colour of a MainWindowState on edit fields and lists.
void applyFieldColors(const MainWindowState& state, std::initializer_list<QWidget*> widgets);

// Shows a message the validation way: a box titled "KORVANTE - FTP" with OK.
void showFtpBox(const QString& text);
// A plain message window captioned with the application title.
void showPlainBox(const QString& text);

} // namespace server_dialogs
