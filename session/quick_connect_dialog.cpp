#include "session/quick_connect_dialog.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "platform/colors.h"
#include "platform/services.h"
#include "session/anonymous_login.h"
#include "session/quick_connect_rules.h"
#include "session/quick_connect_texts.h"
#include "session/security_modes.h"
#include "session/session_state.h"
#include "session/session_texts.h"
#include "session/tls_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Captions are Polish unless the language flag is 0.
QString caption(const Msg& m, int flag) {
    return lang::pickEnglishOnZero(m, flag);
}

} // namespace

constexpr int kImplicitTlsPort = 990;

TForm10::TForm10(TForm1* mainWindow) : QDialog(mainWindow), main(mainWindow) {
    setObjectName("Form10");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label3 = named(new QLabel(this), "Label3");
    Label4 = named(new QLabel(this), "Label4");
    Label5 = named(new QLabel(this), "Label5");
    Label6 = named(new QLabel(this), "Label6");
    Label7 = named(new QLabel(this), "Label7");
    lbl_port = named(new QLabel(this), "lbl_port");
    adres = named(new QLineEdit(this), "adres");
    uzytkownik = named(new QLineEdit(this), "uzytkownik");
    haslo = named(new QLineEdit(this), "haslo");
    haslo->setEchoMode(QLineEdit::Password);
    anonimowy = named(new QCheckBox(this), "anonimowy");
    port = named(new QSpinBox(this), "port");
    // Servers on high ports exist, and the server files hold any port.
    port->setRange(quickconnect::kMinPort, quickconnect::kMaxPort);
    port->setValue(quickconnect::kDefaultPort);
    lbl_tls = named(new QLabel(this), "lbl_tls");
    szyfrowanie = named(new QComboBox(this), "szyfrowanie");
    for (int mode = 0; mode < 4; ++mode)
        szyfrowanie->addItem(QString());
    szyfrowanie->setCurrentIndex(int(session::kNewServerSecurity));
    lbl_tls->setBuddy(szyfrowanie);
    pas = named(new QCheckBox(this), "pas");
    trasa = named(new QCheckBox(this), "trasa");
    trasa->setChecked(true);
    Polacz = named(new QPushButton(this), "Polacz");
    Polacz->setDefault(true);
    Anuluj = named(new QPushButton(this), "Anuluj");
    // Each field is named by its label, for screen readers too.
    Label5->setBuddy(adres);
    Label6->setBuddy(uzytkownik);
    Label7->setBuddy(haslo);
    lbl_port->setBuddy(port);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* line : {Label1, Label2, Label3, Label4})
        layout->addWidget(line);
    auto* fields = new QGridLayout;
    fields->addWidget(Label5, 0, 0);
    fields->addWidget(adres, 0, 1);
    fields->addWidget(Label6, 1, 0);
    fields->addWidget(uzytkownik, 1, 1);
    fields->addWidget(Label7, 2, 0);
    fields->addWidget(haslo, 2, 1);
    fields->addWidget(anonimowy, 3, 1);
    fields->addWidget(lbl_port, 4, 0);
    fields->addWidget(port, 4, 1);
    fields->addWidget(lbl_tls, 5, 0);
    fields->addWidget(szyfrowanie, 5, 1);
    fields->addWidget(pas, 6, 1);
    fields->addWidget(trasa, 7, 1);
    layout->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Polacz);
    buttons->addWidget(Anuluj);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(anonimowy, &QCheckBox::clicked, this, &TForm10::anonimowyClick);
    connect(Polacz, &QPushButton::clicked, this, &TForm10::PolaczClick);
    connect(Anuluj, &QPushButton::clicked, this, &TForm10::AnulujClick);
    // Implicit TLS has a port of its own; a port the user typed is left alone.
    connect(szyfrowanie, &QComboBox::currentIndexChanged, this, [this](int mode) {
        if (mode == smImplicit && port->value() == quickconnect::kDefaultPort)
            port->setValue(kImplicitTlsPort);
        else if (mode != smImplicit && port->value() == kImplicitTlsPort)
            port->setValue(quickconnect::kDefaultPort);
    });
    FormActivate();
}

void TForm10::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm10::FormActivate() {
    using namespace quickconnect;
    const int flag = languageFlag();
    setWindowTitle(caption(kTitle, flag));
    const std::pair<QWidget*, const Msg*> captions[] = {
        {Label1, &kLabel1},  {Label2, &kLabel2}, {Label3, &kLabel3},      {Label4, &kLabel4},
        {Label5, &kLabel5},  {Label6, &kLabel6}, {Label7, &kLabel7},      {anonimowy, &kAnonymous},
        {Polacz, &kConnect}, {Anuluj, &kCancel}, {lbl_port, &kPortLabel}, {pas, &kPassive},
        {trasa, &kTrace}};
    for (const auto& [control, text] : captions) {
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(caption(*text, flag));
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(caption(*text, flag));
    }
    lbl_tls->setText(lang::pick(tlstext::kSecurityLabel, flag));
    for (int mode = 0; mode < szyfrowanie->count(); ++mode)
        szyfrowanie->setItemText(
            mode, lang::pick(session::securityModeName(TIdSecurityMode(mode)), flag));
    platform::applyFieldColors({adres, uzytkownik, haslo, port}, main->settings.fieldBackground,
                               main->settings.fieldText);
    adres->setFocus();
}

void TForm10::anonimowyClick() {
    using namespace quickconnect;
    const int flag = languageFlag();
    if (anonimowy->isChecked()) {
        Label7->setText(lang::pick(kAnonymousPasswordLabel, flag));
        haslo->setText(QString::fromLatin1(session::kPlaceholderEmail));
        uzytkownik->setText(QStringLiteral("anonymous"));
    } else {
        Label7->setText(lang::pick(kOwnPasswordLabel, flag));
        uzytkownik->clear();
        haslo->clear();
    }
}

void TForm10::PolaczClick() {
    using namespace quickconnect;
    const int flag = languageFlag();
    const auto problem =
        validate({adres->text(), uzytkownik->text(), haslo->text(), anonimowy->isChecked()});
    if (problem) {
        platform::services().messageBox(lang::pick(*problem->message, flag),
                                        QString::fromLatin1(sessiontext::kBoxCaption),
                                        platform::DlgButtons::Ok, platform::BoxKind::Information);
        QLineEdit* fields[] = {adres, uzytkownik, haslo};
        fields[int(problem->focus)]->setFocus();
        return;
    }
    setWindowTitle(lang::pick(kConnectingTitle, flag));
    repaint();
    main->topPanel->UserID->setText(uzytkownik->text());
    main->topPanel->UserID->repaint();
    main->topPanel->FTpServer->setText(adres->text());
    main->topPanel->FTpServer->repaint();
    main->edit_port = QString::number(port->value());
    main->topPanel->Password2->setText(haslo->text());
    main->topPanel->Password2->repaint();
    main->pasywny = pas->isChecked();
    main->pasywnyClick();
    main->trasa = trasa->isChecked();
    main->trasaClick();
    // This connection's own mode; later connections go by the saved servers'.
    struct SecurityScope {
        SecurityScope(TForm1& form, int mode) : Form(form) {
            Form.session->quickConnectSecurity = mode;
        }
        ~SecurityScope() { Form.session->quickConnectSecurity.reset(); }
        TForm1& Form;
    } security(*main, szyfrowanie->currentIndex());
    try {
        main->pol2Click();
    } catch (const std::exception&) {
        QString server;
        if (QTreeWidgetItem* entry = main->serverPanel->ftp_lista->currentItem();
            entry && entry->isSelected())
            server = entry->text(0);
        else
            server = adres->text();
        platform::services().messageDlg(lang::pick(kConnectErrorHead, flag) + server +
                                            lang::pick(kConnectErrorReasons, flag),
                                        platform::DlgType::Warning, platform::DlgButtons::Ok);
    }
    accept();
}

void TForm10::AnulujClick() {
    reject();
}
