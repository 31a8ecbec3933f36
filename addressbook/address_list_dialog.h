#pragma once
// TAdresy_edycja, the address list: removes addresses (saved on "Zapisz"),
// adds new ones, and picks one for a message in the launcher.

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

    void FormShow();
    void ListBox1Click();
    void usun_1Click();
    void usun_wClick();
    void ZastosujClick();
    void ZmienClick();
    // Double click or "wyslij": the launcher in mail mode with this address.
    void wyslijClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();
};
