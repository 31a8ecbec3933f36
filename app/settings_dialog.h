#pragma once
// TUstawienia, "Ustawienia programu": shows konf.dat and writes it back; what
// it wrote is handed back (outcome()) for the main window to put into effect
// and to offer a restart for the rest. It also sets and removes the access
// password and deletes the reconnection record.

#include "app/settings.h"
#include "platform/colors.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>

class TFormy;

// What one showing of the dialog left for its owner to do.
struct SettingsDialogOutcome {
    enum class Written {
        Nothing, // closed without writing konf.dat
        Choices, // "Zastosuj": the dialog's choices (or fixed values for a missing file)
        BuiltIn, // "Standardowe": the built-in file, in force after a restart
    };
    Written written = Written::Nothing;
    // Choices only: konf.dat existed before (else only the language takes effect).
    bool fileExisted = false;
    Settings settings; // as written
    // An empty colour field is written as the built-in colour, but the one in
    // force stays until the restart.
    bool backgroundGiven = false;
    bool textGiven = false;
    int startCategory = 7;
    // The label named a category: the status bar shows it.
    std::optional<QString> categoryStatus;
    // The reconnection switch konf.dat held when the dialog opened.
    std::optional<bool> autoReconnectInFile;
};

class TUstawienia : public QDialog {
    Q_OBJECT
public:
    // `chooser` picks the default folder; the main window owns both.
    TUstawienia(TFormy& chooser, QWidget* parent);

    QLabel* lbl_uwaga = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* Zastosuj = nullptr;
    QPushButton* Anuluj = nullptr;
    // "Uruchomienie"
    QRadioButton* r_max2 = nullptr;
    QRadioButton* r_n2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* lokalizacja = nullptr;
    QPushButton* zmien_katalog = nullptr;
    // "FTP"
    QCheckBox* pas2 = nullptr;
    QCheckBox* trasa2 = nullptr;
    QCheckBox* ukryj_pass = nullptr;
    QCheckBox* blad_pol = nullptr;
    QRadioButton* r_okno3 = nullptr;
    QRadioButton* r_okno4 = nullptr;
    // "Język"
    QRadioButton* r_polski2 = nullptr;
    QRadioButton* r_angielski2 = nullptr;
    // "Kolory"
    QLabel* lbl_okno = nullptr;
    QPushButton* zmiana_okno = nullptr;
    QLabel* lbl_edit = nullptr;
    QLabel* lbl_text2 = nullptr;
    QPushButton* zmiana_text = nullptr;
    QLabel* lbl_text = nullptr;
    QLineEdit* kolor_edit = nullptr; // hidden: the colour values as decimal text
    QLineEdit* kolor_edit2 = nullptr;
    QPushButton* Button1 = nullptr;
    // "Inne"
    QCheckBox* CheckBox1 = nullptr;
    QLabel* lbl_haslo = nullptr;
    QLineEdit* haslo = nullptr;
    QPushButton* usun_haslo = nullptr;
    QPushButton* usun_error = nullptr;
    QPushButton* domyslne = nullptr;
    // "Kategorie"
    QLabel* Label3 = nullptr;
    QListWidget* lista = nullptr;
    QLabel* lbl_kat = nullptr;
    QLabel* lbl_kat2 = nullptr;
    QCheckBox* kreator = nullptr;

    // The start category "Zastosuj" wrote last (0..9).
    int chosenCategory = 7;
    // Set by the owner before showing: the user's field colours.
    int32_t fieldBackground = platform::kBuiltInFieldBackground;
    int32_t fieldText = platform::kBuiltInFieldText;

    const SettingsDialogOutcome& outcome() const { return outcome_; }

    void FormActivate();
    void ZastosujClick();
    void AnulujClick();
    void domyslneClick();
    void zmiana_oknoClick();
    void zmiana_textClick();
    void Button1Click();
    void listaClick();
    void kreatorClick();
    void zmien_katalogClick();
    void usun_errorClick();
    // The access password.
    void CheckBox1Click();
    void hasloChange();
    void zapisz_haslo();
    void usun_hasloClick();

    // Esc and the window's own close run "Anuluj".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFormy& chooser_;
    void buildPages();
    void applyCaptions(int languageFlag);
    void readKonfIntoControls();
    void showColour(QLabel* sample, QLineEdit* field, int value);
    void showCategory(int code);
    void enablePickers();

    SettingsDialogOutcome outcome_;
};
