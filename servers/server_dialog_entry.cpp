// Entry points of the server dialogs and of the export and import window in
// the main window: the server list's popup items and the F2 and F3 keys.

#include "app/main_window.h"
#include "local/folder_chooser.h"
#include "platform/services.h"
#include "servers/dialogs_texts.h"
#include "servers/edit_server_dialog.h"
#include "servers/export_import_dialog.h"
#include "servers/new_server_dialog.h"
#include "servers/server_dialog_support.h"

void TForm1::wireServerDialogs() {
    if (serverDialogsWired)
        return;
    serverDialogsWired = true;
    // The dialogs live as long as the main window, in the order the program
    // has always created them.
    Form4 = new TForm4(this);
    Form6 = new TForm6(this);
    Formy = new TFormy(this);
    Form17 = new TForm17(*Formy, this);

    connect(nowy2, &QAction::triggered, this, &TForm1::nowy2Click);
    connect(Edycjadanychserwera1, &QAction::triggered, this, &TForm1::Edycjadanychserwera1Click);
    connect(exp, &QAction::triggered, this, &TForm1::expClick);
}

void TForm1::nowy2Click() {
    platform::services().showModal(*Form6);
    server_dialogs::refreshStatusCounts();
}

void TForm1::Edycjadanychserwera1Click() {
    if (!server_dialogs::selectedServer().valid) {
        server_dialogs::showPlainBox(lang::pick(dialogs_texts::kSelectToEdit, languageFlag()));
        return;
    }
    platform::services().showModal(*Form4);
}

void TForm1::expClick() {
    platform::services().showModal(*Form17);
}
