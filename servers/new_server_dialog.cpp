#include "servers/new_server_dialog.h"

#include "servers/dialogs_texts.h"
#include "servers/server_dialog_support.h"
#include "servers/server_files.h"

#include "platform/paths.h"

#include <QDir>

TForm6::TForm6(QWidget* parent) : ServerDialogBase(server_dialogs::DialogKind::NewServer, parent) {
    setObjectName(QStringLiteral("Form6"));
    check_ftp = new QCheckBox;
    check_ftp->setObjectName(QStringLiteral("check_ftp"));
    check_ftp->setChecked(true);
    optionsLayout->insertWidget(0, check_ftp);
    lbl_port->setVisible(false);
    port->setVisible(false);
    applyCaptions(1);
    check_ftp->setText(lang::pick(dialogs_texts::kStandardPort, 1));

    connect(check_ftp, &QCheckBox::toggled, this, &TForm6::check_ftpClick);
    connect(cmb_kat, &QComboBox::currentIndexChanged, this,
            [this](int index) { selectedCategory = index; });
    connect(Zapisz, &QPushButton::clicked, this, &TForm6::ZapiszClick);
}

void TForm6::showEvent(QShowEvent* event) {
    ServerDialogBase::showEvent(event);
    FormActivate();
}

void TForm6::FormActivate() {
    selectedCategory = servers::kInne;
    savedCategory = -1;
    cmb_kat->setCurrentIndex(servers::kInne);
    cmb_tls->setCurrentIndex(int(session::kNewServerSecurity));
    const int flag = server_dialogs::languageFlag();
    applyCaptions(flag);
    check_ftp->setText(lang::pick(dialogs_texts::kStandardPort, flag));
    applyColors();
    nazwa->setFocus();
}

void TForm6::check_ftpClick(bool ticked) {
    // The spin edit's value is written either way; ticking does not reset it.
    lbl_port->setVisible(!ticked);
    port->setVisible(!ticked);
}

void TForm6::ZapiszClick() {
    if (!validate())
        return;
    const int code = servers::categoryByName(cmb_kat->currentText()).value_or(selectedCategory);
    const QString line = servers::buildRecord(record(code));
    if (!servers::appendRecord(code, line, servers::AppendStyle::NewServerDialog)) {
        const int flag = server_dialogs::languageFlag();
        server_dialogs::showFtpBox(lang::pick(dialogs_texts::kWriteFailed, flag) +
                                   QLatin1Char('\n') +
                                   QDir::toNativeSeparators(servers::categoryFilePath(code)));
        return;
    }
    // The category file keeps its layout; the mode goes beside it.
    if (!session::storeSecurityMode(securityKey(), chosenSecurity())) {
        const int flag = server_dialogs::languageFlag();
        server_dialogs::showFtpBox(
            lang::pick(dialogs_texts::kWriteFailed, flag) + QLatin1Char('\n') +
            QDir::toNativeSeparators(platform::programFile(session::kSecurityFileName)));
    }
    savedCategory = code;
    accept();
}

void TForm6::done(int result) {
    ServerDialogBase::done(result);
    nazwa->clear();
    haslo->clear();
    uzytkownik->clear();
    adres->clear();
    anonimowy->setChecked(false);
}
