#include "addressbook/new_address_dialog.h"

#include "addressbook/address_book.h"
#include "addressbook/address_texts.h"
#include "app/language.h"
#include "platform/services.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace texts = address_texts;
using platform::services;

TAdresy_nowy::TAdresy_nowy(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Adresy_nowy"));
    // No system menu, hence no close box: OK or Anuluj (Esc) end it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const int flag = languageFlag();
    setWindowTitle(lang::pick(texts::kNewTitle, flag));
    Label1 = new QLabel(lang::pick(texts::kNewLabel, flag), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    adres = new QLineEdit(this);
    adres->setObjectName(QStringLiteral("adres"));
    adres->setMinimumWidth(280);
    Button1 = new QPushButton(lang::pick(texts::kCancel, flag), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addWidget(adres);
    column->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, &TAdresy_nowy::Button2Click);
    adres->setFocus();
}

void TAdresy_nowy::Button2Click() {
    const int flag = languageFlag();
    if (adres->text().isEmpty()) {
        services().messageBox(lang::pick(texts::kNewEmpty, flag),
                              QString::fromLatin1(texts::kPlainCaption), platform::DlgButtons::Ok,
                              platform::BoxKind::Plain);
        adres->setFocus();
        return;
    }
    if (!addressbook::appendAddress(adres->text())) {
        services().messageDlg(lang::pick(texts::kWriteFailed, flag), platform::DlgType::Error,
                              platform::DlgButtons::Ok);
        return;
    }
    accept();
}
