#pragma once
// TForm9, "Linia komend FTP": sends what the user types as a SITE command, or
// shows the server's system description.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TForm1;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(TForm1* form);

    QLabel* Label1 = nullptr; // the window's purpose
    QLabel* Label2 = nullptr; // the prompt above Edit1
    QLabel* Label3 = nullptr; // "Opcje:"
    QComboBox* cmb_komenda = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* wykonaj = nullptr;
    QPushButton* Anuluj = nullptr;
    int mode = 0; // 0 a SITE command, 1 the system description

    void FormActivate();
    void cmb_komendaChange(int index);
    void wykonajClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1* form_;
};
