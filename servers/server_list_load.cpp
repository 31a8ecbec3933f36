// Opening categories: loading a category file into the server list, the
// category commands of the toolbar and the kat1 submenu, the all-servers
// command, and the start category.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "platform/services.h"
#include "servers/all_servers_loader.h"
#include "servers/server_directory_state.h"
#include "servers/server_files.h"
#include "servers/server_list_logic.h"
#include "servers/server_list_view.h"
#include "servers/servers_texts.h"
#include "servers/setup_wizard.h"

using namespace servers_ui;
namespace texts = servers::texts;

void TForm1::zaladuj(int code) {
    if (!servers::category(code))
        return;
    clearEntries(*this);
    const servers::ReadResult read = servers::readCategoryLines(code);
    if (!read.exists && code == servers::kInne)
        return; // the toolbar keeps its state
    if (read.exists) {
        const QList<servers::ServerEntry> entries = servers::entriesFromLines(read.lines, code);
        // As loading always has: the connection fields are left holding the
        // values of the last line that has each field (set once, not per line).
        const servers::ServerEntry* last[7] = {};
        for (const servers::ServerEntry& e : entries)
            for (int field = 3; field <= 6; ++field)
                if (e.hasField(field))
                    last[field] = &e;
        if (last[3])
            topPanel->UserID->setText(last[3]->user());
        if (last[4])
            topPanel->FTpServer->setText(last[4]->host());
        if (last[5])
            topPanel->Password2->setText(last[5]->password());
        if (last[6])
            edit_port = last[6]->port();
        showEntries(*this, entries);
        if (!read.ok)
            platform::services().messageDlg(lang::pick(texts::kLoadError, languageFlag()),
                                            platform::DlgType::Error, platform::DlgButtons::Ok);
    }
    markCategoryButton(*this, code);
}

void TForm1::zaladuj_wszystkie() {
    if (!Form18)
        Form18 = new TForm18(this);
    Form18->zaladuj();
}

void TForm1::openServerCategory(int code) {
    if (code == servers::kAllServers) {
        serverDirectory->allServersShown = true;
        serverDirectory->openCategory = servers::kAllServers;
        serverDirectory->selectedServerCategory = servers::kAllServers;
        StatusBar1->setPanelText(2, servers::openCategoryStatus(code));
        StatusBar1->setPanelText(3, QString::fromUtf8(texts::kSelectedFromNone));
        checkCategoryItem(*this, code);
        zaladuj_wszystkie();
        Usun1->setEnabled(false);
        usun_all->setEnabled(false);
        markCategoryButton(*this, code);
        refreshServerCount();
        return;
    }
    if (!servers::category(code))
        return;
    serverDirectory->allServersShown = false;
    serverDirectory->openCategory = code;
    zaladuj(code);
    StatusBar1->setPanelText(2, servers::openCategoryStatus(code));
    checkCategoryItem(*this, code);
    for (QAction* a : {nowy2, Edycjadanychserwera1, Usun1, usun_all})
        a->setEnabled(true);
    refreshServerCount();
}

void TForm1::reloadServerCategory(int code) {
    // The list always shows what the current category names: the all-servers
    // view is rebuilt whole, otherwise the changed category becomes the open one.
    if (serverDirectory->allServersShown) {
        zaladuj_wszystkie();
        refreshServerCount();
        return;
    }
    openServerCategory(code);
}

void TForm1::kategoriaClick(int code) {
    if (connected() || !servers::category(code))
        return;
    markCategoryButton(*this, code);
    openServerCategory(code);
    topPanel->UserID->clear();
    topPanel->Password2->clear();
    topPanel->FTpServer->clear();
    pumpMessages();
}

void TForm1::pokaz_wszystkieClick() {
    if (connected())
        return;
    openServerCategory(servers::kAllServers);
    topPanel->UserID->clear();
    topPanel->Password2->clear();
    topPanel->FTpServer->clear();
}

void TForm1::serversEmptyAtStart() {
    serverDirectory->ListBox2.clear();
    serverPanel->ftp_lista->clear();
}

void TForm1::serversCreateAtStart() {
    // The settings were read just before: the start category is the open one
    // until a list is opened.
    serverDirectory->openCategory = settings.startCategory;
    if (!Form18)
        Form18 = new TForm18(this);
    Form18->zaladuj();
    if (!kreatorInstance)
        kreatorInstance = new TF_kreator(this);
}

bool TForm1::serversWizardAtStart() {
    if (settings.startCategory != servers::kAskAtStart)
        return false;
    if (!kreatorInstance)
        kreatorInstance = new TF_kreator(this);
    platform::services().showModal(*kreatorInstance);
    return true;
}

void TForm1::serversOpenStartCategory() {
    pumpMessages();
    const int code = settings.startCategory;
    if (code == servers::kAllServers) {
        openServerCategory(code);
        topPanel->UserID->clear();
        topPanel->Password2->clear();
        topPanel->FTpServer->clear();
        return;
    }
    if (!servers::category(code))
        return; // 9 is the wizard's; other values open nothing
    openServerCategory(code);
    if (code == servers::kInne)
        StatusBar1->setPanelText(2, QString::fromUtf8(texts::kInneCategory));
}
