#pragma once
// TUstawienia, "Ustawienia programu": shows konf.dat, writes it back, puts
// what it can into effect at once and offers a restart for the rest; also
// sets and removes the access password and deletes the reconnection record.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

class TFormy;
struct Settings;

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
    // Puts the settings just written into effect in the main window.
    void applyToMainWindow(const Settings& written);
};
