// The settings dialog's writers: "Zastosuj", the built-in settings, and the
// access password's part of the dialog.

#include "app/access_password.h"
#include "app/config_file.h"
#include "app/language.h"
#include "app/settings_dialog.h"
#include "app/settings_dialog_logic.h"
#include "app/settings_texts.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/text_file.h"

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
    outcome_.written = SettingsDialogOutcome::Written::Choices;
    outcome_.fileExisted = existed;
    outcome_.settings = written;
    outcome_.backgroundGiven = !kolor_edit->text().isEmpty();
    outcome_.textGiven = !kolor_edit2->text().isEmpty();
    outcome_.startCategory = chosenCategory;
    if (code >= 0)
        outcome_.categoryStatus = settings::chosenCategoryStatus(lbl_kat2->text());
    enablePickers();
    if (CheckBox1->isChecked())
        zapisz_haslo();
    accept();
}

void TUstawienia::domyslneClick() {
    if (!textfile::writeLines(konfPath(), settings::builtInKonfLines(platform::programFolder()))) {
        services().messageDlg(lang::pick(texts::kKonfNotWritten, languageFlag()), DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    outcome_.written = SettingsDialogOutcome::Written::BuiltIn;
    accept();
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
