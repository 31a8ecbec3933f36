#include "addressbook/launcher.h"

#include "addressbook/address_book.h"
#include "addressbook/address_list_dialog.h"
#include "addressbook/address_texts.h"
#include "addressbook/mail_launch.h"
#include "addressbook/new_address_dialog.h"
#include "app/language.h"
#include "platform/colors.h"
#include "platform/services.h"

#include <QShowEvent>

namespace texts = address_texts;
using platform::services;

namespace {

// Wide enough for both mode captions side by side in either language.
constexpr int kWidth = 600;

} // namespace

TForm8::TForm8(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form8"));
    // No title-bar buttons: Zamknij (or Esc) closes.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QString::fromLatin1(texts::kLauncherTitle));

    auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    Label1 = static_cast<QLabel*>(named(new QLabel(this), "Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    r_www = static_cast<QRadioButton*>(named(new QRadioButton(this), "r_www"));
    r_mail = static_cast<QRadioButton*>(named(new QRadioButton(this), "r_mail"));
    edit_www =
        static_cast<QLineEdit*>(named(new QLineEdit(QStringLiteral("http://"), this), "edit_www"));
    cmb_adres = static_cast<QComboBox*>(named(new QComboBox(this), "cmb_adres"));
    cmb_adres->setEditable(true);
    cmb_adres->setInsertPolicy(QComboBox::NoInsert);
    ok = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("OK"), this), "ok"));
    Zamknij = static_cast<QPushButton*>(named(new QPushButton(this), "Zamknij"));
    Lista = static_cast<QPushButton*>(named(new QPushButton(this), "Lista"));
    nowy = static_cast<QPushButton*>(named(new QPushButton(this), "nowy"));
    subjectLabel = static_cast<QLabel*>(named(new QLabel(this), "subjectLabel"));
    subject = static_cast<QLineEdit*>(named(new QLineEdit(this), "subject"));
    Memo1Label = static_cast<QLabel*>(named(new QLabel(this), "Memo1Label"));
    Memo1 = static_cast<QPlainTextEdit*>(named(new QPlainTextEdit(this), "Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (QPushButton* b : {ok, Zamknij, Lista, nowy})
        b->setAutoDefault(false);
    nowy->hide();

    // The design's fixed places: web mode shows the top 114 pixels, mail
    // mode the whole 302.
    Label1->setGeometry(10, 6, kWidth - 20, 18);
    r_www->setGeometry(10, 26, kWidth / 2 - 10, 20);
    r_mail->setGeometry(kWidth / 2, 26, kWidth / 2 - 10, 20);
    edit_www->setGeometry(10, 50, kWidth - 20, 24);
    cmb_adres->setGeometry(10, 50, kWidth - 20, 24);
    Lista->setGeometry(10, 82, 120, 26);
    nowy->setGeometry(136, 82, 100, 26);
    ok->setGeometry(kWidth - 190, 82, 85, 26);
    Zamknij->setGeometry(kWidth - 95, 82, 85, 26);
    subjectLabel->setGeometry(10, 116, kWidth - 20, 16);
    subject->setGeometry(10, 134, kWidth - 20, 24);
    Memo1Label->setGeometry(10, 164, kWidth - 20, 16);
    Memo1->setGeometry(10, 182, kWidth - 20, kMailHeight - 190);

    r_www->setChecked(true);
    cmb_adres->hide();
    setMailPartVisible(false);
    setFixedSize(kWidth, kWebHeight);

    connect(r_www, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            r_wwwClick();
    });
    connect(r_mail, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            r_mailClick();
    });
    connect(edit_www, &QLineEdit::returnPressed, this, &TForm8::okClick);
    connect(ok, &QPushButton::clicked, this, &TForm8::okClick);
    connect(Zamknij, &QPushButton::clicked, this, &TForm8::ZamknijClick);
    connect(Lista, &QPushButton::clicked, this, &TForm8::ListaClick);
    connect(nowy, &QPushButton::clicked, this, &TForm8::nowyClick);

    // Read once, as the window is made at start.
    const QStringList addresses = addressbook::readAddresses();
    cmb_adres->addItems(addresses);
    cmb_adres->setCurrentIndex(addresses.isEmpty() ? -1 : 0);
}

void TForm8::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm8::FormShow() {
    const int flag = languageFlag();
    Label1->setText(lang::pick(mailMode() ? texts::kMailPrompt : texts::kWebPrompt, flag));
    r_www->setText(lang::pick(texts::kWebPrompt, flag));
    r_mail->setText(lang::pick(texts::kMailRadio, flag));
    subjectLabel->setText(lang::pick(texts::kSubject, flag));
    Memo1Label->setText(lang::pick(texts::kBody, flag));
    Zamknij->setText(lang::pick(texts::kClose, flag));
    Lista->setText(lang::pick(texts::kList, flag));
    Lista->setToolTip(lang::pick(texts::kListHint, flag));
    nowy->setText(lang::pick(texts::kNewAddress, flag));
    nowy->setToolTip(lang::pick(texts::kNewAddressHint, flag));
    platform::applyFieldColors({edit_www, cmb_adres, subject, Memo1}, fieldBackground, fieldText);
}

void TForm8::setMailPartVisible(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{subjectLabel, subject, Memo1Label, Memo1})
        w->setVisible(visible);
}

void TForm8::r_wwwClick() {
    Label1->setText(lang::pick(texts::kWebPrompt, languageFlag()));
    setFixedSize(kWidth, kWebHeight);
    setMailPartVisible(false);
    cmb_adres->hide();
    edit_www->show();
    edit_www->setText(QStringLiteral("http://"));
    edit_www->setFocus();
}

void TForm8::r_mailClick() {
    Label1->setText(lang::pick(texts::kMailPrompt, languageFlag()));
    edit_www->clear();
    setFixedSize(kWidth, kMailHeight);
    setMailPartVisible(true);
    cmb_adres->show();
    edit_www->hide();
}

void TForm8::okClick() {
    if (mailMode())
        startMessage();
    else
        openPage();
}

void TForm8::openPage() {
    const QString text = edit_www->text();
    // Only what a browser opens goes to the desktop: anything else would be
    // opened, or run, as a file.
    if (launcher::webFieldEmpty(text) || !launcher::isWebAddress(text)) {
        services().messageBox(lang::pick(texts::kWriteWww, languageFlag()),
                              QString::fromLatin1(texts::kWriteWwwCaption),
                              platform::DlgButtons::Ok, platform::BoxKind::Information);
        edit_www->setFocus();
        return;
    }
    services().shellOpen(text);
    done(QDialog::Accepted);
}

void TForm8::startMessage() {
    services().shellOpen(launcher::mailtoAddress(cmb_adres->currentText(), subject->text(),
                                                 launcher::memoLines(Memo1->toPlainText())));
    done(QDialog::Accepted);
}

void TForm8::ZamknijClick() {
    setFixedSize(kWidth, kWebHeight);
    cmb_adres->hide();
    r_www->setChecked(true);
    setMailPartVisible(false);
    edit_www->show();
    done(QDialog::Rejected);
}

void TForm8::reject() {
    ZamknijClick();
}

void TForm8::ListaClick() {
    TAdresy_edycja dialog(this);
    dialog.fieldBackground = fieldBackground;
    dialog.fieldText = fieldText;
    services().showModal(dialog);
    if (!dialog.pickedAddress().isEmpty())
        chooseAddress(dialog.pickedAddress());
}

void TForm8::nowyClick() {
    TAdresy_nowy dialog(this);
    services().showModal(dialog);
}

void TForm8::chooseAddress(const QString& address) {
    if (!mailMode())
        r_mail->setChecked(true);
    // Chosen by its text: the list here was read at start and the book may
    // have changed since, so the same position could be another address.
    int index = cmb_adres->findText(address, Qt::MatchExactly);
    if (index < 0) {
        cmb_adres->addItem(address);
        index = cmb_adres->count() - 1;
    }
    cmb_adres->setCurrentIndex(index);
}
