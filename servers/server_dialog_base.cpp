#include "servers/server_dialog_base.h"

#include "platform/msg.h"
#include "servers/dialogs_texts.h"
#include "servers/server_dialog_support.h"
#include "servers/server_files.h"

#include <QHBoxLayout>
#include <QLayout>

using server_dialogs::DialogKind;
using server_dialogs::Field;
namespace texts = dialogs_texts;

namespace {

QLineEdit* addField(QVBoxLayout* layout, QLabel*& label, const char* name, const char* labelName) {
    label = new QLabel;
    label->setObjectName(QString::fromLatin1(labelName));
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit);
    return edit;
}

} // namespace

ServerDialogBase::ServerDialogBase(DialogKind kind, QWidget* parent)
    : QDialog(parent), kind_(kind) {
    // Single border, no title-bar buttons; Esc rejects like "Anuluj".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    nazwa = addField(main, lbl_nazwa, "nazwa", "lbl_nazwa");
    adres = addField(main, lbl_adres, "adres", "lbl_adres");
    uzytkownik = addField(main, lbl_uzytkownik, "uzytkownik", "lbl_uzytkownik");
    haslo = addField(main, lbl_haslo, "haslo", "lbl_haslo");
    haslo->setEchoMode(QLineEdit::Password);
    nazwa->setMinimumWidth(300);

    anonimowy = new QCheckBox;
    anonimowy->setObjectName(QStringLiteral("anonimowy"));
    zapisz_h = new QCheckBox;
    zapisz_h->setObjectName(kind == DialogKind::NewServer ? QStringLiteral("zapisz_h")
                                                          : QStringLiteral("Zapisz_h"));
    zapisz_h->setChecked(true);
    main->addWidget(anonimowy);
    main->addWidget(zapisz_h);

    GroupBox1 = new QGroupBox;
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    optionsLayout = new QVBoxLayout(GroupBox1);
    lbl_port = new QLabel;
    lbl_port->setObjectName(QStringLiteral("lbl_port"));
    port = new QSpinBox;
    port->setObjectName(QStringLiteral("port"));
    // Any TCP port; the value the dialogs start with is the standard one.
    port->setRange(1, 65535);
    port->setValue(servers::kDefaultPort);
    lbl_port->setBuddy(port);
    lbl_kat = new QLabel;
    lbl_kat->setObjectName(QStringLiteral("lbl_kat"));
    cmb_kat = new QComboBox;
    cmb_kat->setObjectName(QStringLiteral("cmb_kat"));
    for (const servers::Category& c : servers::categories())
        cmb_kat->addItem(QString::fromUtf8(c.name)); // item index = category code
    lbl_kat->setBuddy(cmb_kat);
    optionsLayout->addWidget(lbl_port);
    optionsLayout->addWidget(port);
    optionsLayout->addWidget(lbl_kat);
    optionsLayout->addWidget(cmb_kat);
    lbl_tls = new QLabel;
    lbl_tls->setObjectName(QStringLiteral("lbl_tls"));
    cmb_tls = new QComboBox;
    cmb_tls->setObjectName(QStringLiteral("cmb_tls"));
    for (int mode = 0; mode < 4; ++mode)
        cmb_tls->addItem(QString());
    lbl_tls->setBuddy(cmb_tls);
    optionsLayout->addWidget(lbl_tls);
    optionsLayout->addWidget(cmb_tls);
    main->addWidget(GroupBox1);

    auto* buttons = new QHBoxLayout;
    Zapisz = new QPushButton;
    Zapisz->setObjectName(QStringLiteral("Zapisz"));
    Anuluj = new QPushButton;
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    for (QPushButton* b : {Zapisz, Anuluj})
        b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(Zapisz);
    buttons->addWidget(Anuluj);
    main->addLayout(buttons);

    connect(anonimowy, &QCheckBox::toggled, this, &ServerDialogBase::anonimowyClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject);

    // The design texts are Polish.
    applyCaptions(1);
}

void ServerDialogBase::anonimowyClick(bool ticked) {
    const int flag = server_dialogs::languageFlag();
    passwordLabel_ = ticked ? PasswordLabel::Email : PasswordLabel::OwnPassword;
    if (ticked) {
        lbl_haslo->setText(lang::pick(texts::kPasswordIsEmail, flag));
        haslo->setText(QString::fromLatin1(servers::kPlaceholderEmail));
        haslo->setEnabled(false);
        uzytkownik->setText(QString::fromLatin1(servers::kAnonymousUser));
        uzytkownik->setEnabled(false);
        zapisz_h->setChecked(true);
        zapisz_h->setEnabled(false);
    } else {
        lbl_haslo->setText(lang::pick(texts::kYourPassword, flag));
        uzytkownik->clear();
        uzytkownik->setEnabled(true);
        haslo->clear();
        haslo->setEnabled(true);
        zapisz_h->setEnabled(true);
    }
}

session::ServerKey ServerDialogBase::securityKey() const {
    return {uzytkownik->text(), adres->text(), QString::number(port->value())};
}

TIdSecurityMode ServerDialogBase::chosenSecurity() const {
    return session::securityModeFromIndex(cmb_tls->currentIndex());
}

servers::ServerRecord ServerDialogBase::record(int category) const {
    servers::ServerRecord r;
    r.name = nazwa->text();
    r.anonymous = anonimowy->isChecked();
    r.user = uzytkownik->text();
    r.host = adres->text();
    r.password = haslo->text();
    r.savePassword = zapisz_h->isChecked();
    r.port = port->value();
    r.category = category;
    return r;
}

bool ServerDialogBase::validate() {
    const auto failure = server_dialogs::validateServerInput(record(0), kind_);
    if (!failure)
        return true;
    server_dialogs::showFtpBox(lang::pick(failure->message, server_dialogs::languageFlag()));
    QWidget* focus = nullptr;
    switch (failure->field) {
    case Field::Name:
        focus = nazwa;
        break;
    case Field::Host:
        focus = adres;
        break;
    case Field::User:
        focus = uzytkownik;
        break;
    case Field::Password:
        focus = haslo;
        break;
    case Field::Port:
        focus = port;
        break;
    }
    focus->setFocus();
    return false;
}

void ServerDialogBase::applyCaptions(int languageFlag) {
    const bool isNew = kind_ == DialogKind::NewServer;
    const struct {
        QWidget* widget;
        Msg text;
    } rows[] = {
        {lbl_nazwa, texts::kLabelName},
        {lbl_adres, texts::kLabelHost},
        {lbl_uzytkownik, isNew ? texts::kLabelUserNew : texts::kLabelUserEdit},
        {anonimowy, texts::kAnonymous},
        {zapisz_h, texts::kSavePassword},
        {lbl_port, texts::kLabelPort},
        {lbl_kat, texts::kLabelCategory},
        {GroupBox1, texts::kOptionsGroup},
        {Zapisz, texts::kSave},
        {Anuluj, texts::kCancel},
    };
    for (const auto& row : rows) {
        const QString text = lang::pick(row.text, languageFlag);
        if (auto* label = qobject_cast<QLabel*>(row.widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(row.widget))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(row.widget))
            group->setTitle(text);
    }
    setWindowTitle(lang::pick(isNew ? texts::kTitleNew : texts::kTitleEdit, languageFlag));
    lbl_tls->setText(lang::pick(texts::kLabelSecurity, languageFlag));
    for (int mode = 0; mode < cmb_tls->count(); ++mode)
        cmb_tls->setItemText(
            mode, lang::pick(session::securityModeName(TIdSecurityMode(mode)), languageFlag));
    // In Polish the password label keeps what the anonymous box last said.
    if (languageFlag != 1)
        lbl_haslo->setText(lang::pick(texts::kLabelPasswordNew, languageFlag));
    else if (passwordLabel_ == PasswordLabel::Email)
        lbl_haslo->setText(lang::pick(texts::kPasswordIsEmail, languageFlag));
    else if (passwordLabel_ == PasswordLabel::OwnPassword)
        lbl_haslo->setText(lang::pick(texts::kYourPassword, languageFlag));
    else
        lbl_haslo->setText(
            lang::pick(isNew ? texts::kLabelPasswordNew : texts::kLabelPasswordEdit, languageFlag));
}

void ServerDialogBase::applyColors() {
    server_dialogs::applyFieldColors(state_, {nazwa, adres, uzytkownik, haslo, port, cmb_kat});
}
