#include "servers/server_dialog_support.h"

#include "platform/colors.h"
#include "platform/services.h"
#include "servers/dialogs_texts.h"

#include <QPalette>

namespace server_dialogs {

void applyFieldColors(const MainWindowState& state, std::initializer_list<QWidget*> widgets) {
    platform::applyFieldColors(QList<QWidget*>(widgets), state.fieldBackground, state.fieldText);
}

void showFtpBox(const QString& text) {
    platform::services().messageBox(text, QString::fromLatin1(dialogs_texts::kFtpBoxTitle),
                                    platform::DlgButtons::Ok, platform::BoxKind::Information);
}

void showPlainBox(const QString& text) {
    platform::services().messageBox(text, QString::fromLatin1(dialogs_texts::kAppTitle),
                                    platform::DlgButtons::Ok, platform::BoxKind::Plain);
}

} // namespace server_dialogs
