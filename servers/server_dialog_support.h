#pragma once
// What the server dialogs and the export and import window take from the main
// window: the language flag, the field colours of the settings, and the
// reload of a category whose file they changed.

#include "app/language.h"

#include <QString>
#include <QWidget>

#include <initializer_list>

namespace server_dialogs {

using ::languageFlag;

// The settings' field colours on edit fields and lists.
void applyFieldColours(std::initializer_list<QWidget*> widgets);

// The entry selected in the main list, as the edit dialog needs it.
struct SelectedServer {
    bool valid = false;
    QString caption;         // its text in the list
    int position = -1;       // its row in the list
    QString line;            // its own line of a category file
    int sourceCategory = -1; // the file that line came from; -1 unknown
};
SelectedServer selectedServer();

// The main window's current category (0..7, 8 = all-servers view) and the
// category of the server selected last.
int currentCategory();
int selectedServerCategory();

struct ConnectionFields {
    QString host, user, password, port;
};
ConnectionFields connectionFields();

// Shows a category whose file a dialog has just written in the main list.
void reloadCategory(int code);
// The main window's status counts (saved servers, local counts).
void refreshStatusCounts();

// Shows a message the validation way: a box titled "KORVANTE - FTP" with OK.
void showFtpBox(const QString& text);
// A plain message window captioned with the application title.
void showPlainBox(const QString& text);

} // namespace server_dialogs
