#include "session/command_window.h"

#include "app/main_window.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "session/listing_line.h"
#include "session/remote_names.h"
#include "session/remote_ops_texts.h"
#include "session/session_call.h"
#include "session/session_state.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace text = remoteops_text;

namespace {

// The application's own error box for failures no handler catches: it shows
// what the server answered.
void showUncaught(const QString& message) {
    platform::services().messageDlg(message, platform::DlgType::Error, platform::DlgButtons::Ok);
}

} // namespace

TForm9::TForm9(TForm1* form) : QDialog(form), form_(form) {
    setObjectName(QStringLiteral("TForm9"));
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    cmb_komenda = new QComboBox(this);
    cmb_komenda->setObjectName(QStringLiteral("cmb_komenda"));
    cmb_komenda->addItems({QString(), QString()});
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    wykonaj = new QPushButton(this);
    wykonaj->setObjectName(QStringLiteral("wykonaj"));
    Anuluj = new QPushButton(this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    // Enter in Edit1 is handled below; the buttons must not take it as well.
    for (QPushButton* button : {wykonaj, Anuluj}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0, 1, 2);
    grid->addWidget(Edit1, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(cmb_komenda, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(wykonaj);
    buttons->addWidget(Anuluj);
    grid->addLayout(buttons, 4, 0, 1, 2);
    setMinimumWidth(380);

    connect(cmb_komenda, &QComboBox::activated, this, &TForm9::cmb_komendaChange);
    connect(wykonaj, &QPushButton::clicked, this, &TForm9::wykonajClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        if (mode == 0)
            wykonajClick();
    });
}

void TForm9::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm9::FormActivate() {
    const int flag = languageFlag();
    mode = 0;
    // The box shows the mode it is in: a SITE command, typed freely.
    cmb_komenda->setCurrentIndex(0);
    Edit1->setReadOnly(false);
    setWindowTitle(lang::pickEnglishOnZero(text::kCommandTitle, flag));
    wykonaj->setText(lang::pickEnglishOnZero(text::kCommandRun, flag));
    Anuluj->setText(lang::pickEnglishOnZero(text::kCommandCancel, flag));
    Label1->setText(lang::pickEnglishOnZero(text::kCommandWindowLabel, flag));
    Label2->setText(lang::pickEnglishOnZero(text::kCommandPrompt, flag));
    Label3->setText(lang::pickEnglishOnZero(text::kCommandOptions, flag));
    cmb_komenda->setItemText(0, lang::pickEnglishOnZero(text::kCommandModeSite, flag));
    cmb_komenda->setItemText(1, lang::pickEnglishOnZero(text::kCommandModeInfo, flag));
    adjustSize();
    Edit1->setFocus();
}

void TForm9::cmb_komendaChange(int index) {
    mode = index;
    Edit1->setReadOnly(index == 1);
    Edit1->clear();
}

void TForm9::wykonajClick() {
    const int flag = languageFlag();
    if (mode == 1) {
        Edit1->setText(listing::decodeServerText(form_->FTP->SystemDescription));
        return;
    }
    if (Edit1->text().isEmpty()) {
        platform::services().messageDlg(lang::pick(text::kCommandEmpty, flag),
                                        platform::DlgType::Information, platform::DlgButtons::Ok);
        return;
    }
    const QString typed = Edit1->text();
    accept();
    const std::optional<std::string> command = form_->typedRemoteName(typed);
    if (!command) {
        showUncaught(lang::pick(text::kCommandLineBreak, flag));
        return;
    }
    if (!form_->connected() || form_->session->sessionCallDepth > 0)
        return;
    try {
        session::SessionCall call(*form_);
        form_->FTP->SiteCommand(*command);
    } catch (const std::exception& refusal) {
        showUncaught(listing::decodeServerText(QByteArray(refusal.what())));
    }
}
