// Entry points of the server dialogs and of the export and import window in
// the main window: the server list's popup items and the F2 and F3 keys.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/folder_chooser.h"
#include "platform/services.h"
#include "servers/dialogs_texts.h"
#include "servers/edit_server_dialog.h"
#include "servers/export_import_dialog.h"
#include "servers/new_server_dialog.h"
#include "servers/server_dialog_support.h"
#include "servers/server_directory_state.h"

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

server_dialogs::MainWindowState TForm1::serverDialogState() const {
    server_dialogs::MainWindowState state;
    state.currentCategory = serverDirectory->openCategory;
    state.selectedServerCategory = serverDirectory->selectedServerCategory;
    state.fields = {topPanel->FTpServer->text(), topPanel->UserID->text(),
                    topPanel->Password2->text(), edit_port};
    state.fieldBackground = settings.fieldBackground;
    state.fieldText = settings.fieldText;
    const int index = selectedServerIndex();
    const QList<QTreeWidgetItem*> rows = serverPanel->ftp_lista->selectedItems();
    if (index >= 0 && !rows.isEmpty()) {
        server_dialogs::SelectedServer& selected = state.selected;
        selected.valid = true;
        selected.caption = rows.first()->text(0);
        selected.position = serverPanel->ftp_lista->indexOfTopLevelItem(rows.first());
        selected.line = serverDirectory->ListBox2.at(index);
        selected.sourceCategory = serverDirectory->ListBox2Category.value(index, -1);
    }
    return state;
}

void TForm1::nowy2Click() {
    Form6->setMainWindowState(serverDialogState());
    if (platform::services().showModal(*Form6) == QDialog::Accepted)
        reloadServerCategory(Form6->savedCategory);
    Statusy();
}

void TForm1::Edycjadanychserwera1Click() {
    if (!serverDialogState().selected.valid) {
        server_dialogs::showPlainBox(lang::pick(dialogs_texts::kSelectToEdit, languageFlag()));
        return;
    }
    editServer();
}

void TForm1::editServer() {
    Form4->setMainWindowState(serverDialogState());
    if (platform::services().showModal(*Form4) == QDialog::Accepted)
        reloadServerCategory(Form4->targetCategory);
}

void TForm1::expClick() {
    Form17->setMainWindowState(serverDialogState());
    platform::services().showModal(*Form17);
    // Whatever was brought in stays, also when the window ended on a failure.
    for (int code : Form17->importedCategories)
        reloadServerCategory(code);
    Statusy();
}
