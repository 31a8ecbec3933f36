#include "addressbook/address_list_dialog.h"

#include "addressbook/address_book.h"
#include "addressbook/address_texts.h"
#include "addressbook/new_address_dialog.h"
#include "app/language.h"
#include "platform/colors.h"
#include "platform/services.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace texts = address_texts;
using platform::DlgButtons;
using platform::DlgResult;
using platform::services;

TAdresy_edycja::TAdresy_edycja(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Adresy_edycja"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menu"));
    wyslij = menu->addAction(QString());
    wyslij->setObjectName(QStringLiteral("wyslij"));

    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    Zmien = button("Zmien");
    usun_1 = button("usun_1");
    usun_w = button("usun_w");
    Zastosuj = button("Zastosuj");
    Anuluj = button("Anuluj");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {Zmien, usun_1, usun_w, Zastosuj, Anuluj})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(ListBox1, 0, 0);
    grid->addLayout(buttons, 0, 1);
    resize(420, 260);

    connect(ListBox1, &QListWidget::itemClicked, this, &TAdresy_edycja::ListBox1Click);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TAdresy_edycja::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TAdresy_edycja::wyslijClick);
    connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QListWidgetItem* row = ListBox1->itemAt(at)) {
            ListBox1->setCurrentItem(row);
            menu->popup(ListBox1->viewport()->mapToGlobal(at));
        }
    });
    connect(wyslij, &QAction::triggered, this, &TAdresy_edycja::wyslijClick);
    connect(Zmien, &QPushButton::clicked, this, &TAdresy_edycja::ZmienClick);
    connect(usun_1, &QPushButton::clicked, this, &TAdresy_edycja::usun_1Click);
    connect(usun_w, &QPushButton::clicked, this, &TAdresy_edycja::usun_wClick);
    connect(Zastosuj, &QPushButton::clicked, this, &TAdresy_edycja::ZastosujClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void TAdresy_edycja::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAdresy_edycja::FormShow() {
    const int flag = languageFlag();
    setWindowTitle(lang::pick(texts::kListTitle, flag));
    Zmien->setText(lang::pick(texts::kListNew, flag));
    usun_1->setText(lang::pick(texts::kListRemove, flag));
    usun_w->setText(lang::pick(texts::kListRemoveAll, flag));
    Zastosuj->setText(lang::pick(texts::kListSave, flag));
    Anuluj->setText(lang::pick(texts::kListClose, flag));
    wyslij->setText(lang::pick(texts::kSendTo, flag) + clickedAddress);
    platform::applyFieldColors({ListBox1}, fieldBackground, fieldText);
    reload();
}

void TAdresy_edycja::reload() {
    ListBox1->clear();
    ListBox1->addItems(addressbook::readAddresses());
}

void TAdresy_edycja::ListBox1Click() {
    const QListWidgetItem* row = ListBox1->currentItem();
    if (!row)
        return;
    clickedAddress = row->text();
    wyslij->setText(lang::pick(texts::kSendTo, languageFlag()) + clickedAddress);
}

void TAdresy_edycja::usun_1Click() {
    QListWidgetItem* row = ListBox1->currentItem();
    if (!row || !row->isSelected())
        return;
    const int flag = languageFlag();
    const DlgResult answer = services().messageBox(
        lang::pick(texts::kRemoveOne, flag).arg(row->text()),
        lang::pick(texts::kRemoveCaption, flag), DlgButtons::YesNo, platform::BoxKind::Warning);
    if (answer != DlgResult::Yes || !QFile::exists(addressbook::bookPath()))
        return;
    delete ListBox1->takeItem(ListBox1->row(row));
    modified = true;
}

void TAdresy_edycja::usun_wClick() {
    const int flag = languageFlag();
    const DlgResult answer = services().messageBox(lang::pick(texts::kRemoveAll, flag),
                                                   lang::pick(texts::kRemoveCaption, flag),
                                                   DlgButtons::YesNo, platform::BoxKind::Warning);
    if (answer != DlgResult::Yes || !QFile::exists(addressbook::bookPath()))
        return;
    if (!addressbook::removeBook()) {
        services().messageDlg(lang::pick(texts::kRemoveFailed, flag), platform::DlgType::Error,
                              DlgButtons::Ok);
        return;
    }
    ListBox1->clear();
    accept();
}

void TAdresy_edycja::ZastosujClick() {
    if (!modified)
        return;
    QStringList addresses;
    for (int i = 0; i < ListBox1->count(); ++i)
        addresses.append(ListBox1->item(i)->text());
    if (!addressbook::rewriteAddresses(addresses)) {
        // The list stays as edited, so the user can try again.
        services().messageDlg(lang::pick(texts::kWriteFailed, languageFlag()),
                              platform::DlgType::Error, DlgButtons::Ok);
        return;
    }
    accept();
}

void TAdresy_edycja::ZmienClick() {
    modified = false;
    TAdresy_nowy dialog(this);
    services().showModal(dialog);
    reload();
}

void TAdresy_edycja::wyslijClick() {
    const QListWidgetItem* row = ListBox1->currentItem();
    if (!row)
        return;
    picked_ = row->text();
    accept();
}
