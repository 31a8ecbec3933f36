#include "app/application.h"

#include "app/button_pictures.h"
#include "app/language.h"
#include "app/program_folder_notice.h"
#include "app/shell_texts.h"
#include "platform/services.h"

#include <exception>

TKorvanteApplication::TKorvanteApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TKorvanteApplication::notify(QObject* receiver, QEvent* event) {
    // The handler that failed is over; the program and its window carry on,
    // as they always did after the default error box.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        platform::services().messageDlg(QString::fromUtf8(failure.what()), platform::DlgType::Error,
                                        platform::DlgButtons::Ok);
    } catch (...) {
        platform::services().messageDlg(lang::pick(shell_texts::kUnknownError, languageFlag()),
                                        platform::DlgType::Error, platform::DlgButtons::Ok);
    }
    return false;
}

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("KORVANTE"));
    useInstalledIconThemes();
    program_folder_notice::settle();
}
