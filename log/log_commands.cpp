// The main window's session-log handlers: the hook's callback and the
// commands of the log pane's menu.

#include "app/main_window.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "log/log_window.h"
#include "platform/services.h"

void TForm1::IdLogDebug1LogItem(const QString& item) {
    logPanel->memo1->logItem(item, settings.hidePasswordInLog);
    lastLogItem = item;
}

void TForm1::logiClick() {
    logPanel->memo1->clear();
}

void TForm1::powiekszenie1Click() {
    if (Powiekszenie)
        platform::services().showModal(*Powiekszenie);
}
