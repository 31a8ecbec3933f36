#pragma once
// TForm8, "URL / E-MAIL": opens a web page, or starts a message in the
// user's mail program, both through the desktop. Made once at start; its
// address list is read from Adresy.dat then.

#include "platform/colors.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

class TForm8 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWebHeight = 114;
    static constexpr int kMailHeight = 302;

    explicit TForm8(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QRadioButton* r_www = nullptr;
    QRadioButton* r_mail = nullptr;
    QLineEdit* edit_www = nullptr;
    QComboBox* cmb_adres = nullptr;
    QLabel* subjectLabel = nullptr;
    QLineEdit* subject = nullptr;
    QLabel* Memo1Label = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* Zamknij = nullptr;
    QPushButton* Lista = nullptr;
    QPushButton* nowy = nullptr; // hidden
    // Set by the owner before showing: the user's field colours.
    int32_t fieldBackground = platform::kBuiltInFieldBackground;
    int32_t fieldText = platform::kBuiltInFieldText;

    bool mailMode() const { return r_mail->isChecked(); }

    void FormShow();
    void r_wwwClick();
    void r_mailClick();
    void okClick();
    void ZamknijClick();
    void ListaClick();
    void nowyClick();
    // The address list's pick: mail mode with `address` chosen.
    void chooseAddress(const QString& address);

    // Esc acts as the close button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openPage();
    void startMessage();
    void setMailPartVisible(bool visible);
};
