#include "app/password_prompt.h"

#include "app/access_password.h"
#include "app/language.h"
#include "app/settings_texts.h"
#include "app/shell_texts.h"
#include "platform/services.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace texts = settings_texts;

namespace {} // namespace

TForm14::TForm14(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm14"));
    setModal(true);
    // No border icons: the window cannot be closed from its title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    Label1 = new QLabel(QString::fromLatin1(shell_texts::kAppTitle));
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    Label1->setFont(big);
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel;
    Label3->setObjectName(QStringLiteral("Label3"));
    haslo = new QLineEdit;
    haslo->setObjectName(QStringLiteral("haslo"));
    haslo->setEchoMode(QLineEdit::Password);
    // The prompt names the field, for screen readers too.
    Label3->setBuddy(haslo);
    OK = new QPushButton(QStringLiteral("OK"));
    OK->setObjectName(QStringLiteral("OK"));
    Anuluj = new QPushButton;
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    pomoc = new QPushButton;
    pomoc->setObjectName(QStringLiteral("pomoc"));
    for (QPushButton* b : {OK, Anuluj, pomoc})
        b->setAutoDefault(false);

    auto* banner = new QHBoxLayout;
    banner->addWidget(Image1);
    banner->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Anuluj);
    buttons->addWidget(pomoc);
    auto* column = new QVBoxLayout(this);
    column->addLayout(banner);
    column->addWidget(Label2);
    column->addWidget(Label3);
    column->addWidget(haslo);
    column->addLayout(buttons);

    connect(OK, &QPushButton::clicked, this, &TForm14::OKClick);
    connect(haslo, &QLineEdit::returnPressed, this, &TForm14::OKClick);
    connect(Anuluj, &QPushButton::clicked, this, &TForm14::AnulujClick);
    connect(pomoc, &QPushButton::clicked, this, &TForm14::pomocClick);
}

void TForm14::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm14::FormActivate() {
    const access_password::Stored stored = access_password::readStored();
    tmp = stored.password;
    tmpReadable = stored.readable;
    // This window turns English only when the flag is 0.
    const int flag = languageFlag();
    setWindowTitle(lang::pickEnglishOnZero(texts::kPromptTitle, flag));
    Label2->setText(lang::pickEnglishOnZero(texts::kPromptEnabled, flag));
    Label3->setText(lang::pickEnglishOnZero(texts::kPromptWrite, flag));
    Anuluj->setText(lang::pickEnglishOnZero(texts::kPromptCancel, flag));
    pomoc->setText(lang::pickEnglishOnZero(texts::kPromptHelp, flag));
    haslo->setFocus();
}

void TForm14::OKClick() {
    if (access_password::matches({tmpReadable, tmp}, haslo->text())) {
        accept();
        return;
    }
    platform::services().messageDlg(lang::pick(texts::kWrongPassword, languageFlag()),
                                    platform::DlgType::Error, platform::DlgButtons::Ok);
    haslo->setFocus();
}

void TForm14::AnulujClick() {
    // Anything but the right password ends the program: the caller sees the rejection.
    QDialog::reject();
}

void TForm14::reject() {
    AnulujClick();
}

void TForm14::pomocClick() {
    emit helpRequested();
}
