// The settings dialog and the access password in the main window: the
// "Ustawienia" button, the prompt at start and the restart the dialog offers.

#include "app/language.h"
#include "app/main_window.h"
#include "app/password_prompt.h"
#include "app/settings_dialog.h"
#include "app/settings_texts.h"
#include "app/shell_texts.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/services.h"

#include <QCoreApplication>

using platform::DlgButtons;
using platform::DlgResult;
using platform::DlgType;
using platform::services;

namespace {

// Puts what "Zastosuj" wrote over an existing konf.dat into effect at once.
void applyWrittenSettings(TForm1& form, const SettingsDialogOutcome& outcome) {
    const Settings& written = outcome.settings;
    const int language = written.language;
    form.settings.language = language;
    if (outcome.backgroundGiven)
        form.settings.fieldBackground = written.fieldBackground;
    if (outcome.textGiven)
        form.settings.fieldText = written.fieldText;
    // The layout and the start category take effect in either language. The
    // list is left alone while connected, as the category commands leave it.
    form.settings.serverListOnly = written.serverListOnly;
    form.applyServerPanelLayout();
    if (outcome.startCategory <= 8 && !form.connected()) {
        form.openServerCategory(outcome.startCategory);
        form.topPanel->UserID->clear();
        form.topPanel->Password2->clear();
        form.topPanel->FTpServer->clear();
    }
    form.settings.defaultFolder = written.defaultFolder;
    QCoreApplication::processEvents();
    if (language == 1)
        form.jezyk_pol();
    else
        form.jezyk_ang();
    form.Colory();
    form.Statusy();
    if (!form.localPanel->katalog->setDirectory(written.defaultFolder))
        services().messageDlg(lang::pick(shell_texts::kDefaultFolderMissing, language),
                              DlgType::Warning, DlgButtons::Ok);
}

} // namespace

void TForm1::wireSettings() {
    if (settingsWired)
        return;
    settingsWired = true;
    // The settings dialog shares the folder chooser of the server dialogs.
    wireServerDialogs();
    Ustawienia = new TUstawienia(*Formy, this);
    connect(topPanel->Ustawienia2, &QToolButton::clicked, this, &TForm1::Ustawienia2Click);
}

void TForm1::Ustawienia2Click() {
    Ustawienia->fieldBackground = settings.fieldBackground;
    Ustawienia->fieldText = settings.fieldText;
    services().showModal(*Ustawienia);
    const SettingsDialogOutcome& outcome = Ustawienia->outcome();
    if (outcome.autoReconnectInFile)
        settings.autoReconnect = *outcome.autoReconnectInFile;
    int restartLanguage = languageFlag();
    switch (outcome.written) {
    case SettingsDialogOutcome::Written::Nothing:
        return;
    case SettingsDialogOutcome::Written::Choices:
        // The language the written file selects is the one shown until the restart.
        restartLanguage = outcome.settings.language;
        if (outcome.fileExisted) {
            applyWrittenSettings(*this, outcome);
        } else {
            settings.language = restartLanguage;
            if (restartLanguage == 1)
                jezyk_pol();
            else
                jezyk_ang();
        }
        if (outcome.categoryStatus)
            StatusBar1->setPanelText(3, *outcome.categoryStatus);
        break;
    case SettingsDialogOutcome::Written::BuiltIn:
        // Nothing of the file is in force until the program starts again;
        // the user sent here by the missing-file notice is offered that step.
        break;
    }
    if (services().messageDlg(lang::pick(settings_texts::kRestartOffer, restartLanguage),
                              DlgType::Information, DlgButtons::YesNo) == DlgResult::Yes)
        restartProgram();
}

void TForm1::askAccessPassword() {
    TForm14 prompt(this);
    connect(&prompt, &TForm14::helpRequested, this, &TForm1::pomoc1Click);
    if (services().showModal(prompt) != QDialog::Accepted)
        setQuitting();
}

void TForm1::restartProgram() {
    // The exit command's way out (it asks first while connected and saves
    // roz.dat); the new instance starts only when the exit goes ahead.
    zamknijClick();
    if (quitting())
        services().startProgram(QCoreApplication::applicationFilePath());
}
