// The settings dialog and the access password in the main window: the
// "Ustawienia" button, the prompt at start and the restart the dialog offers.

#include "app/main_window.h"
#include "app/password_prompt.h"
#include "app/settings_dialog.h"
#include "platform/services.h"

#include <QCoreApplication>

void TForm1::wireSettings() {
    if (settingsWired)
        return;
    settingsWired = true;
    // The settings dialog shares the folder chooser of the server dialogs.
    wireServerDialogs();
    Ustawienia = new TUstawienia(*Formy, this);
    connect(Ustawienia2, &QToolButton::clicked, this, &TForm1::Ustawienia2Click);
}

void TForm1::Ustawienia2Click() {
    platform::services().showModal(*Ustawienia);
}

void TForm1::askAccessPassword() {
    TForm14 prompt(this);
    if (platform::services().showModal(prompt) != QDialog::Accepted)
        setQuitting();
}

void TForm1::restartProgram() {
    // The exit command's way out (it asks first while connected and saves
    // roz.dat); the new instance starts only when the exit goes ahead.
    zamknijClick();
    if (quitting())
        platform::services().startProgram(QCoreApplication::applicationFilePath());
}
