#pragma once
// The controls and rules the new-server and edit-server dialogs share: the
// fields of one server record, the anonymous box, validation, colours.

#include "servers/server_dialog_support.h"
#include "servers/server_dialog_validation.h"
#include "servers/server_record.h"
#include "session/security_modes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

class ServerDialogBase : public QDialog {
    Q_OBJECT
public:
    QLineEdit* nazwa = nullptr;
    QLineEdit* adres = nullptr;
    QLineEdit* uzytkownik = nullptr;
    QLineEdit* haslo = nullptr;
    QCheckBox* anonimowy = nullptr;
    QCheckBox* zapisz_h = nullptr; // named "Zapisz_h" in the edit dialog
    QGroupBox* GroupBox1 = nullptr;
    QLabel* lbl_port = nullptr;
    QSpinBox* port = nullptr;
    QComboBox* cmb_kat = nullptr;
    QLabel* lbl_tls = nullptr;
    QComboBox* cmb_tls = nullptr; // item index = TIdSecurityMode
    QPushButton* Zapisz = nullptr;
    QPushButton* Anuluj = nullptr;

    QLabel* lbl_nazwa = nullptr;
    QLabel* lbl_adres = nullptr;
    QLabel* lbl_uzytkownik = nullptr;
    QLabel* lbl_haslo = nullptr;
    QLabel* lbl_kat = nullptr;

    // Anonymous box changed: fill and lock the login fields, or free them.
    void anonimowyClick(bool ticked);

    // What the dialog is to show of the main window; set before each showing.
    void setMainWindowState(const server_dialogs::MainWindowState& state) { state_ = state; }

protected:
    explicit ServerDialogBase(server_dialogs::DialogKind kind, QWidget* parent);

    // The server's key in tls.dat and the mode chosen for it.
    session::ServerKey securityKey() const;
    TIdSecurityMode chosenSecurity() const;

    // The record the fields describe, for a category code.
    servers::ServerRecord record(int category) const;
    // Runs the checks; on the first failure shows its message, puts the
    // focus in its field and returns false.
    bool validate();
    // The captions of the design (Polish) or, for any other flag, English.
    void applyCaptions(int languageFlag);
    void applyColors();

    // Options group layout, where the new-server dialog adds its port box.
    QVBoxLayout* optionsLayout = nullptr;
    server_dialogs::MainWindowState state_;

private:
    server_dialogs::DialogKind kind_;
    // What the password label says in Polish: the design text until the
    // anonymous box first changes, then what the box last said. The Polish
    // caption pass keeps it; only English replaces it.
    enum class PasswordLabel { Design, Email, OwnPassword };
    PasswordLabel passwordLabel_ = PasswordLabel::Design;
};
