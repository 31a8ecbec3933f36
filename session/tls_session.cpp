#include "session/tls_session.h"

#include "app/main_window.h"
#include "app/top_panel.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "session/certificate_dialog.h"
#include "session/certificate_trust.h"
#include "session/security_modes.h"
#include "session/session_state.h"
#include "session/tls_texts.h"

#include <QLabel>

namespace session {

TIdSecurityMode securityForConnection(const TForm1& form) {
    if (form.session->quickConnectSecurity)
        return session::securityModeFromIndex(*form.session->quickConnectSecurity);
    return session::securityModeOf({form.topPanel->UserID->text(), form.topPanel->FTpServer->text(),
                                    form.edit_port.trimmed()});
}

bool askCertificate(TForm1& form, const TIdCertificateInfo& certificate) {
    if (!form.session->trustedOnce)
        form.session->trustedOnce = std::make_shared<TrustedThisRun>();
    const TrustVerdict verdict = trustVerdict(certificate);
    if (verdict == TrustVerdict::Trusted)
        return true;
    if (verdict == TrustVerdict::Unknown && form.session->trustedOnce->contains(certificate))
        return true;
    TCertificateDialog dialog(certificate, verdict == TrustVerdict::Changed, languageFlag(), &form);
    switch (TrustChoice(platform::services().showModal(dialog))) {
    case TrustChoice::Once:
        form.session->trustedOnce->insert(certificate);
        return true;
    case TrustChoice::Always:
        // A store that cannot be written still lets this connection go ahead.
        trustAlways(certificate);
        return true;
    case TrustChoice::Refuse:
        break;
    }
    return false;
}

void prepareSecurity(TForm1& form) {
    form.FTP->Security = securityForConnection(form);
    form.FTP->OnCertificate = [&form](const TIdCertificateInfo& certificate) {
        return askCertificate(form, certificate);
    };
}

void showEncryption(TForm1& form) {
    auto* mark = form.StatusBar1->findChild<QLabel*>(QStringLiteral("szyfrowanie"));
    if (!mark) {
        mark = new QLabel(form.StatusBar1);
        mark->setObjectName(QStringLiteral("szyfrowanie"));
        form.StatusBar1->addPermanentWidget(mark);
    }
    const int flag = languageFlag();
    if (!form.FTP->IsOpen()) {
        mark->clear();
        mark->setToolTip(QString());
        return;
    }
    const bool encrypted = form.FTP->Encrypted();
    mark->setText(lang::pick(encrypted ? tlstext::kEncrypted : tlstext::kNotEncrypted, flag));
    mark->setToolTip(QString::fromStdString(form.FTP->SecurityDescription()));
}

QString tlsFailureText(const std::exception& failure, int flag) {
    const auto* tls = dynamic_cast<const EIdTLSError*>(&failure);
    if (!tls)
        return {};
    const Msg* head = &tlstext::kHandshake;
    switch (tls->Kind) {
    case EIdTLSError::tkNotOffered:
        head = &tlstext::kNotOffered;
        break;
    case EIdTLSError::tkDataRefused:
        head = &tlstext::kDataRefused;
        break;
    case EIdTLSError::tkUntrusted:
        head = &tlstext::kUntrusted;
        break;
    case EIdTLSError::tkHandshake:
    case EIdTLSError::tkCertificateSwap:
    case EIdTLSError::tkBroken:
        break;
    }
    return lang::pick(*head, flag) + QString::fromStdString(tls->what());
}

} // namespace session
