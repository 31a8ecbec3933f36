#pragma once
// TAdresy_edycja, the address list: removes addresses (saved on "Zapisz"),
// adds new ones, and picks one for a message in the launcher: the pick is
// handed back (pickedAddress) for the caller to put into the launcher.

#include "platform/colors.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

class TAdresy_edycja : public QDialog {
    Q_OBJECT
public:
    explicit TAdresy_edycja(QWidget* parent = nullptr);

    QListWidget* ListBox1 = nullptr;
    QMenu* menu = nullptr;
    QAction* wyslij = nullptr;
    QPushButton* Zmien = nullptr;    // "Nowy"
    QPushButton* usun_1 = nullptr;   // "Usuń"
    QPushButton* usun_w = nullptr;   // "Usuń wszystkie"
    QPushButton* Zastosuj = nullptr; // "Zapisz"
    QPushButton* Anuluj = nullptr;   // "Zamknij"

    bool modified = false;
    QString clickedAddress;
    // Set by the caller before showing: the user's field colours.
    int32_t fieldBackground = platform::kBuiltInFieldBackground;
    int32_t fieldText = platform::kBuiltInFieldText;

    // The address chosen with "wyslij" or a double click; empty when none was.
    const QString& pickedAddress() const { return picked_; }

    void FormShow();
    void ListBox1Click();
    void usun_1Click();
    void usun_wClick();
    void ZastosujClick();
    void ZmienClick();
    // Double click or "wyslij": closes the list with this address picked.
    void wyslijClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();

    QString picked_;
};
