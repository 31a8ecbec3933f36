#pragma once
// The quick-connect dialog `TForm10`: host, user, password and port of a
// server that is not in the directory, handed to the main window's connect.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TForm1;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(TForm1* mainWindow);

    QLineEdit* adres;
    QLineEdit* uzytkownik;
    QLineEdit* haslo;
    QCheckBox* anonimowy;
    QSpinBox* port;
    QComboBox* szyfrowanie; // item index = TIdSecurityMode
    QLabel* lbl_tls;
    QCheckBox* pas;
    QCheckBox* trasa;
    QPushButton* Polacz;
    QPushButton* Anuluj;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* lbl_port;

    void FormActivate();
    void anonimowyClick();
    void PolaczClick();
    void AnulujClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1* main;
};
