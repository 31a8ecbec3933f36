// The letter case of the remote files: `zamien` opens TForm15 on the remote
// listing, whose "Zmień" runs `zmiana_liter` here.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/case_dialog.h"
#include "local/local_panel_texts.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/remote_names.h"
#include "session/session_call.h"
#include "session/session_state.h"

#include <cmath>
#include <set>

namespace texts = case_dialog_texts;

void TForm1::zamienClick() {
    if (!remoteCommandAllowed())
        return;
    Form15->Edit1 = QStringLiteral("0");
    Form15->remoteRoutine = [this] { zmiana_liter(); };
    platform::services().showModal(*Form15);
}

void TForm1::zmiana_liter() {
    const int flag = languageFlag();
    const bool upper = Form15->r_duze->isChecked();
    // Rows are read first: nothing may point into l3 while the engine pumps.
    struct Row {
        std::string name;
        bool folder;
    };
    std::vector<Row> rows;
    std::set<std::string> names;
    for (int i = 0; i < serverPanel->l3->rowCount(); ++i) {
        rows.push_back({serverPanel->l3->rows()->remoteName(i),
                        serverPanel->l3->rows()->picture(i) == remotelist::kFolderPicture});
        names.insert(rows.back().name);
    }
    const int count = int(rows.size());
    Form15->pas->setMaximum(qMax(1, count));
    {
        session::SessionCall call(*this);
        for (int i = 0; i < count; ++i) {
            const Row& row = rows[size_t(i)];
            if (row.folder)
                continue;
            Form15->pas->setValue(i);
            // Halves go to the even neighbour, as the percentage always did.
            const long percent = std::lrint(double(i) / count * 100);
            Form15->procent->setText(lang::pick(texts::kDone, flag) + QString::number(percent) +
                                     QStringLiteral("%"));
            const std::string wanted = remotenames::withLetterCase(row.name, upper);
            // Nothing to change; or another entry has that name already and a
            // rename onto it would replace that file on most servers.
            if (wanted == row.name || names.count(wanted))
                continue;
            try {
                FTP->RenameRemote(row.name, wanted);
                names.erase(row.name);
                names.insert(wanted);
            } catch (const std::exception&) {
                if (!session->userClosedSession)
                    platform::services().messageDlg(
                        lang::pick(upper ? texts::kUpperRefused : texts::kLowerRefused, flag),
                        platform::DlgType::Error, platform::DlgButtons::Ok);
                break;
            }
        }
    }
    // Also after a refusal: the files renamed so far show their new names.
    if (connected())
        ChageDir(topPanel->CurrentDirEdit->text());
}
