// The settings dialog's writers: "Zastosuj" with what it puts into effect at
// once, the built-in settings, and the access password's part of the dialog.

#include "app/access_password.h"
#include "app/config_file.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/settings_dialog.h"
#include "app/settings_dialog_logic.h"
#include "app/settings_texts.h"
#include "app/shell_texts.h"
#include "local/local_lists.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/text_file.h"

#include <QCoreApplication>
#include <QFile>

namespace texts = settings_texts;
using platform::DlgButtons;
using platform::DlgResult;
using platform::DlgType;
using platform::services;

namespace {

QString konfPath() {
    return platform::programFile(QStringLiteral("konf.dat"));
}

} // namespace

void TUstawienia::ZastosujClick() {
    // 1. The chosen start category, named by its label.
    const int code = settings::categoryOfLabel(lbl_kat2->text());
    if (code >= 0)
        chosenCategory = code;

    // 2-3. konf.dat: the dialog's choices over an existing file; a missing
    // file is created with fixed values.
    const bool existed = QFile::exists(konfPath());
    const QString programFolder = platform::programFolder();
    settings::Choices choices;
    choices.maximised = r_max2->isChecked();
    choices.passive = pas2->isChecked();
    choices.serversOnly = r_okno3->isChecked();
    choices.logPane = trasa2->isChecked();
    choices.polish = r_polski2->isChecked();
    choices.background = kolor_edit->text();
    choices.text = kolor_edit2->text();
    choices.hidePassword = ukryj_pass->isChecked();
    choices.category = chosenCategory;
    choices.autoReconnect = blad_pol->isChecked();
    choices.folder = lokalizacja->text();
    const Settings written = existed ? settings::fromChoices(choices, programFolder)
                                     : settings::forMissingFile(programFolder);
    if (!textfile::writeLines(konfPath(), config::konfLines(written))) {
        services().messageDlg(lang::pick(texts::kKonfNotWritten, languageFlag()), DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    // The language the written file selects is the one shown until the restart.
    const int language = written.language;

    // 4-5. What can change at once.
    if (existed) {
        applyToMainWindow(written);
    } else if (Form1) {
        Form1->settings.language = language;
        if (language == 1)
            Form1->jezyk_pol();
        else
            Form1->jezyk_ang();
    }
    if (Form1 && code >= 0)
        Form1->StatusBar1->setPanelText(3, settings::chosenCategoryStatus(lbl_kat2->text()));
    enablePickers();
    if (CheckBox1->isChecked())
        zapisz_haslo();
    accept();

    // 6. The rest needs a restart.
    const DlgResult answer = services().messageDlg(lang::pick(texts::kRestartOffer, language),
                                                   DlgType::Information, DlgButtons::YesNo);
    if (answer == DlgResult::Yes && Form1)
        Form1->restartProgram();
}

void TUstawienia::applyToMainWindow(const Settings& written) {
    if (!Form1)
        return;
    TForm1& form = *Form1;
    const int language = written.language;
    const QString& folder = written.defaultFolder;
    form.settings.language = language;
    // An empty colour field was written as the built-in colour, but the
    // colour in force stays until the restart.
    if (!kolor_edit->text().isEmpty())
        form.settings.fieldBackground = written.fieldBackground;
    if (!kolor_edit2->text().isEmpty())
        form.settings.fieldText = written.fieldText;
    // The layout and the start category take effect in either language. The
    // list is left alone while connected, as the category commands leave it.
    form.settings.serverListOnly = written.serverListOnly;
    form.applyServerPanelLayout();
    if (chosenCategory <= 8 && !form.connected()) {
        form.openServerCategory(chosenCategory);
        form.UserID->clear();
        form.Password2->clear();
        form.FTpServer->clear();
    }
    form.settings.defaultFolder = folder;
    QCoreApplication::processEvents();
    if (language == 1)
        form.jezyk_pol();
    else
        form.jezyk_ang();
    form.Colory();
    form.Statusy();
    if (!form.katalog->setDirectory(folder))
        services().messageDlg(lang::pick(shell_texts::kDefaultFolderMissing, language),
                              DlgType::Warning, DlgButtons::Ok);
}

void TUstawienia::domyslneClick() {
    if (!textfile::writeLines(konfPath(), settings::builtInKonfLines(platform::programFolder()))) {
        services().messageDlg(lang::pick(texts::kKonfNotWritten, languageFlag()), DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    accept();
    // Nothing of the file is in force until the program starts again; the
    // user who was sent here by the missing-file notice is offered that step.
    if (services().messageDlg(lang::pick(texts::kRestartOffer, languageFlag()),
                              DlgType::Information, DlgButtons::YesNo) == DlgResult::Yes &&
        Form1)
        Form1->restartProgram();
}

void TUstawienia::CheckBox1Click() {
    if (CheckBox1->isChecked()) {
        haslo->setEnabled(true);
        haslo->setFocus();
        Zastosuj->setEnabled(!haslo->text().isEmpty());
    } else {
        haslo->clear();
        haslo->setEnabled(false);
        Zastosuj->setEnabled(true);
    }
}

void TUstawienia::hasloChange() {
    if (CheckBox1->isChecked())
        Zastosuj->setEnabled(!haslo->text().isEmpty());
}

void TUstawienia::zapisz_haslo() {
    const int flag = languageFlag();
    if (haslo->text().isEmpty()) {
        services().messageDlg(lang::pick(texts::kPasswordEmpty, flag), DlgType::Warning,
                              DlgButtons::Ok);
        return;
    }
    if (!access_password::write(haslo->text())) {
        services().messageDlg(lang::pick(texts::kPasswordNotWritten, flag), DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    // Written: the dialog keeps no copy of it.
    CheckBox1->setChecked(false);
    CheckBox1Click();
    usun_haslo->setEnabled(true);
}

void TUstawienia::usun_hasloClick() {
    const int flag = languageFlag();
    if (!access_password::remove()) {
        services().messageDlg(lang::pick(texts::kPasswordNotDeleted, flag), DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    usun_haslo->setEnabled(false);
    services().messageDlg(lang::pick(texts::kPasswordDeleted, flag), DlgType::Information,
                          DlgButtons::Ok);
}
