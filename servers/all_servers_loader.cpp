#include "servers/all_servers_loader.h"

#include "app/main_window.h"
#include "platform/services.h"
#include "servers/server_directory_state.h"
#include "servers/server_files.h"
#include "servers/server_list_view.h"
#include "servers/servers_texts.h"

TForm18::TForm18(TForm1* owner) : QObject(owner), owner_(owner) {
    setObjectName(QStringLiteral("Form18"));
}

void TForm18::zaladuj() {
    TForm1& form = *owner_;
    if (!form.serverDirectory->allServersShown) {
        form.zaladuj(servers::kInne);
        return;
    }
    bool failed = false;
    {
        servers_ui::WaitCursor wait;
        QList<servers::ServerEntry> all;
        for (int code = 0; code < servers::kCategoryCount && !failed; ++code) {
            const servers::ReadResult read = servers::readCategoryLines(code);
            failed = !read.ok;
            all += servers::entriesFromLines(read.lines, code);
        }
        servers_ui::showEntries(form, std::move(all));
    }
    if (failed)
        platform::services().messageDlg(
            lang::pick(servers::texts::kAllServersLoadError, languageFlag()),
            platform::DlgType::Error, platform::DlgButtons::Ok);
}
