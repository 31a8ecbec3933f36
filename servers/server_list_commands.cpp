// Commands on the loaded server list: selecting a server, deleting one,
// emptying a category or all of them, the sort toggle and printing.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "platform/services.h"
#include "servers/server_directory_state.h"
#include "servers/server_files.h"
#include "servers/server_list_logic.h"
#include "servers/server_list_view.h"
#include "servers/servers_texts.h"

using namespace servers_ui;
namespace texts = servers::texts;

namespace {

constexpr char kAppTitle[] = "KORVANTE 2.5.5";

bool askYes(const QString& text, int language) {
    return platform::services().messageBox(text, lang::pick(texts::kRemovingCaption, language),
                                           platform::DlgButtons::YesNo,
                                           platform::BoxKind::Warning) == platform::DlgResult::Yes;
}

// Writes a category file from the list's lines of that category; tells the
// user when the write failed instead of pretending the change was kept.
void rewriteFromList(TForm1& form, int code) {
    if (!servers::categoryFileExists(code))
        return;
    QStringList lines;
    for (qsizetype i = 0; i < form.serverDirectory->ListBox2.size(); ++i)
        if (form.serverDirectory->ListBox2Category.value(i, -1) == code)
            lines.append(form.serverDirectory->ListBox2[i]);
    if (!servers::rewriteCategory(code, lines))
        platform::services().messageDlg(lang::pick(texts::kRewriteFailed, languageFlag()) +
                                            servers::categoryFilePath(code),
                                        platform::DlgType::Error, platform::DlgButtons::Ok);
}

} // namespace

int TForm1::selectedServerIndex() const {
    const QList<QTreeWidgetItem*> selected = serverPanel->ftp_lista->selectedItems();
    if (selected.isEmpty())
        return -1;
    const int index = lineIndexOf(selected.first());
    if (index < 0 || index >= serverDirectory->ListBox2.size())
        return -1;
    // The row's own line decides should ListBox2 have been changed behind the list's back.
    const QString line = lineOf(selected.first());
    return serverDirectory->ListBox2[index] == line ? index
                                                    : int(serverDirectory->ListBox2.indexOf(line));
}

QString TForm1::selectedServerLine() const {
    const int index = selectedServerIndex();
    return index >= 0 ? serverDirectory->ListBox2[index] : QString();
}

void TForm1::refreshServerCount() {
    // The counters routine refreshes every status count, the saved servers' among them.
    Statusy();
}

void TForm1::ftp_listaClick() {
    const int index = selectedServerIndex();
    if (index >= 0) {
        if (powiekszenie1)
            powiekszenie1->setEnabled(true);
        const servers::ServerEntry entry = servers::parseEntry(
            serverDirectory->ListBox2[index], serverDirectory->ListBox2Category.value(index, -1));
        if (entry.hasField(3))
            topPanel->UserID->setText(entry.user());
        if (entry.hasField(4))
            topPanel->FTpServer->setText(entry.host());
        if (entry.hasField(5)) {
            topPanel->Password2->setText(entry.password());
            topPanel->Password2->setReadOnly(entry.passwordSaved());
        }
        if (entry.hasField(6))
            edit_port = entry.port();
        // The file the line lives in names its category; in the all-servers
        // view the open category stays 8 so the list and the category agree.
        const int code = entry.sourceCategory;
        if (servers::category(code)) {
            serverDirectory->selectedServerCategory = code;
            if (!serverDirectory->allServersShown)
                serverDirectory->openCategory = code;
            StatusBar1->setPanelText(3, QString::fromUtf8(texts::kSelectedFromCategory) +
                                            servers::categoryName(code));
        }
        pumpMessages();
        kopia_ftp = topPanel->FTpServer->text();
        kopia_haslo = topPanel->Password2->text();
        kopia_ures = topPanel->UserID->text();
        kopia_dir = topPanel->CurrentDirEdit->text();
        if (topPanel->Password2->text().isEmpty())
            topPanel->lbl_haslo->setStyleSheet(QStringLiteral("color: #FF0000;"));
    }
    nowy2->setEnabled(true);
    Edycjadanychserwera1->setEnabled(true);
    Usun1->setEnabled(!serverDirectory->allServersShown);
    usun_all->setEnabled(!serverDirectory->allServersShown);
}

void TForm1::ftp_listaRightClick() {
    Edycjadanychserwera1->setEnabled(true);
    if (!serverDirectory->allServersShown)
        nowy2->setEnabled(true);
    Usun1->setEnabled(!serverDirectory->allServersShown);
    usun_all->setEnabled(!serverDirectory->allServersShown);
}

void TForm1::Usun1Click() {
    if (serverDirectory->allServersShown)
        return; // a view over eight files: deleting is offered per category only
    const QList<QTreeWidgetItem*> selected = serverPanel->ftp_lista->selectedItems();
    const int index = selectedServerIndex();
    if (index < 0) {
        platform::services().messageBox(lang::pick(texts::kSelectToDelete, languageFlag()),
                                        QString::fromLatin1(kAppTitle), platform::DlgButtons::Ok,
                                        platform::BoxKind::Plain);
        return;
    }
    QTreeWidgetItem* row = selected.first();
    if (!askYes(lang::pick(texts::kAskDeleteServer, languageFlag()) + row->text(0) +
                    QStringLiteral("?"),
                languageFlag()))
        return;
    const int code = serverDirectory->ListBox2Category.value(index, -1);
    removeEntry(*this, row);
    if (servers::category(code))
        rewriteFromList(*this, code);
    servers::forgetSecurityOfDeletedServers();
    refreshServerCount();
}

void TForm1::usun_allClick() {
    if (!askYes(lang::pick(texts::kAskEmptyCategory, languageFlag()), languageFlag()))
        return;
    if (!serverDirectory->allServersShown && servers::category(serverDirectory->openCategory))
        servers::emptyCategory(serverDirectory->openCategory);
    clearEntries(*this);
    servers::forgetSecurityOfDeletedServers();
    refreshServerCount();
}

void TForm1::usun_all2Click() {
    if (!askYes(lang::pick(texts::kAskEmptyAll, languageFlag()), languageFlag()))
        return;
    {
        WaitCursor wait;
        servers::emptyAllCategories();
        clearEntries(*this);
        servers::forgetSecurityOfDeletedServers();
        pumpMessages();
    }
    refreshServerCount();
}

void TForm1::ftp_listaColumnClick() {
    if (!serverDirectory->serverListSorted) {
        serverDirectory->serverListSorted = true;
        QList<servers::ServerEntry> entries = shownEntries(*this);
        showEntries(*this, std::move(entries));
        return;
    }
    WaitCursor wait;
    clearEntries(*this);
    serverDirectory->serverListSorted = false;
    if (serverDirectory->allServersShown || serverDirectory->openCategory == servers::kAllServers)
        zaladuj_wszystkie();
    else if (servers::category(serverDirectory->openCategory))
        zaladuj(serverDirectory->openCategory);
    pumpMessages();
}

void TForm1::ftp_drukujClick() {
    serverDirectory->edit_drukuj.clear();
    serverDirectory->edit_drukuj =
        servers::serverListReport(serverDirectory->openCategory, shownEntries(*this));
    platform::services().printText(serverDirectory->edit_drukuj, serverDirectory->edit_drukuj);
}
