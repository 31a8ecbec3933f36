#pragma once
// TForm14, "Logowanie...": asks for the access password at start while
// pas.dat exists. Only the right password lets start-up go on; any other way
// out of the window ends the program.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* haslo = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Anuluj = nullptr;
    QPushButton* pomoc = nullptr;
    QString tmp;              // the stored password
    bool tmpReadable = false; // pas.dat could be read

    void FormActivate();
    void OKClick();
    void AnulujClick();
    void pomocClick();

    // Esc and the window's own close count as "Anuluj".
    void reject() override;

signals:
    // "Pomoc": the owner opens the help.
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;
};
