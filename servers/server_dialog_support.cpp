#include "servers/server_dialog_support.h"

#include "app/main_window.h"
#include "platform/colors.h"
#include "platform/services.h"
#include "servers/dialogs_texts.h"
#include "servers/server_files.h"

#include <QPalette>

namespace server_dialogs {

void applyFieldColours(std::initializer_list<QWidget*> widgets) {
    if (!Form1)
        return;
    platform::applyFieldColors(QList<QWidget*>(widgets), Form1->settings.fieldBackground,
                               Form1->settings.fieldText);
}

void showFtpBox(const QString& text) {
    platform::services().messageBox(text, QString::fromLatin1(dialogs_texts::kFtpBoxTitle),
                                    platform::DlgButtons::Ok, platform::BoxKind::Information);
}

void showPlainBox(const QString& text) {
    platform::services().messageBox(text, QString::fromLatin1(dialogs_texts::kAppTitle),
                                    platform::DlgButtons::Ok, platform::BoxKind::Plain);
}

int currentCategory() {
    return Form1 ? Form1->openCategory : servers::kInne;
}

int selectedServerCategory() {
    return Form1 ? Form1->selectedServerCategory : servers::kAllServers;
}

SelectedServer selectedServer() {
    SelectedServer selected;
    if (!Form1)
        return selected;
    const int index = Form1->selectedServerIndex();
    const QList<QTreeWidgetItem*> rows = Form1->ftp_lista->selectedItems();
    if (index < 0 || rows.isEmpty())
        return selected;
    selected.valid = true;
    selected.caption = rows.first()->text(0);
    selected.position = Form1->ftp_lista->indexOfTopLevelItem(rows.first());
    selected.line = Form1->ListBox2.at(index);
    selected.sourceCategory = Form1->ListBox2Category.value(index, -1);
    return selected;
}

void reloadCategory(int code) {
    if (Form1)
        Form1->reloadServerCategory(code);
}

void refreshStatusCounts() {
    if (Form1)
        Form1->Statusy();
}

ConnectionFields connectionFields() {
    if (!Form1)
        return {};
    return {Form1->FTpServer->text(), Form1->UserID->text(), Form1->Password2->text(),
            Form1->edit_port};
}

} // namespace server_dialogs
