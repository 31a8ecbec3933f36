// The main window's entries to the address book: the launcher TForm8 (the
// statystyka button and the tray's mail_www) and the Adresy1 submenu.

#include "app/main_window.h"

#include "addressbook/address_list_dialog.h"
#include "addressbook/launcher.h"
#include "addressbook/new_address_dialog.h"
#include "app/top_panel.h"
#include "platform/services.h"

#include <QCoreApplication>

void TForm1::wireAddressBook() {
    if (Form8)
        return;
    Form8 = new TForm8(this);
    connect(topPanel->statystyka, &QToolButton::clicked, this, &TForm1::statystykaClick);
    connect(mail_www, &QAction::triggered, this, &TForm1::statystykaClick);
    connect(Adresy_nowy1, &QAction::triggered, this, &TForm1::Adresy_nowy1Click);
    connect(Adresy_edytuj1, &QAction::triggered, this, &TForm1::Adresy_edytuj1Click);
}

void TForm1::statystykaClick() {
    Form8->fieldBackground = settings.fieldBackground;
    Form8->fieldText = settings.fieldText;
    platform::services().showModal(*Form8);
}

void TForm1::Adresy_nowy1Click() {
    TAdresy_nowy dialog(this);
    platform::services().showModal(dialog);
}

void TForm1::Adresy_edytuj1Click() {
    TAdresy_edycja dialog(this);
    dialog.fieldBackground = settings.fieldBackground;
    dialog.fieldText = settings.fieldText;
    platform::services().showModal(dialog);
    if (dialog.pickedAddress().isEmpty())
        return;
    // The pick starts a message: the launcher opens beside the main window.
    Form8->fieldBackground = settings.fieldBackground;
    Form8->fieldText = settings.fieldText;
    if (!Form8->isVisible()) {
        Form8->show();
        QCoreApplication::processEvents();
    }
    Form8->chooseAddress(dialog.pickedAddress());
}
