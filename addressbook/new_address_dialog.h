#pragma once
// TAdresy_nowy, "Nowy adres e-mail": adds one address to the end of the book.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TAdresy_nowy : public QDialog {
    Q_OBJECT
public:
    explicit TAdresy_nowy(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* adres = nullptr;
    QPushButton* Button1 = nullptr; // "Anuluj"
    QPushButton* Button2 = nullptr; // "OK"

    void Button2Click();
};
