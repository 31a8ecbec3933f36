#pragma once
// TF_kreator, the setup wizard shown at start-up when the start category is
// "ask at start": the user picks the category to open, or ends the program.

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TForm1;

class TF_kreator : public QDialog {
    Q_OBJECT
public:
    explicit TF_kreator(TForm1* owner);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QListWidget* lista = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* Anuluj = nullptr;
    QLabel* status = nullptr;

    void FormShow();
    void listaClick();
    void okClick();
    void AnulujClick();

    // True once "Zamknij program" was chosen: start-up must end the program.
    bool quitChosen() const { return quitChosen_; }

protected:
    void showEvent(QShowEvent* event) override;
    // No title-bar buttons: the window closes only through its two buttons.
    void reject() override {}

private:
    // The row the user selected, -1 before any choice.
    int chosenRow() const;
    TForm1* owner_;
    bool quitChosen_ = false;
};
