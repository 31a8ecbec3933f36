#include "session/certificate_dialog.h"

#include "session/certificate_trust.h"
#include "session/tls_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString detailsText(const TIdCertificateInfo& c, int flag) {
    using namespace tlstext;
    auto line = [flag](const Msg& label, const std::string& value) {
        return lang::pick(label, flag) + QString::fromStdString(value) + QLatin1Char('\n');
    };
    QString text = line(kServer, c.Host + ":" + std::to_string(c.Port));
    if (!c.VerifyError.empty())
        text += line(kReason, c.VerifyError);
    text += line(kSubject, c.Subject) + line(kIssuer, c.Issuer);
    text += lang::pick(kValidity, flag) + QString::fromStdString(c.NotBefore) +
            lang::pick(kValidityTo, flag) + QString::fromStdString(c.NotAfter) + QLatin1Char('\n');
    text += lang::pick(kFingerprint, flag) + QLatin1Char('\n') + QString::fromStdString(c.Sha256);
    return text;
}

} // namespace

TCertificateDialog::TCertificateDialog(const TIdCertificateInfo& certificate, bool changed,
                                       int flag, QWidget* parent)
    : QDialog(parent) {
    using namespace tlstext;
    setObjectName(QStringLiteral("TCertificateDialog"));
    setWindowTitle(lang::pick(kCertificateTitle, flag));
    auto* layout = new QVBoxLayout(this);
    naglowek = new QLabel(lang::pick(changed ? kChangedHead : kUnknownHead, flag));
    naglowek->setObjectName(QStringLiteral("naglowek"));
    naglowek->setWordWrap(true);
    if (changed)
        naglowek->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
    szczegoly = new QLabel(detailsText(certificate, flag));
    szczegoly->setObjectName(QStringLiteral("szczegoly"));
    szczegoly->setTextInteractionFlags(Qt::TextSelectableByMouse);
    szczegoly->setWordWrap(true);
    layout->addWidget(naglowek);
    layout->addWidget(szczegoly);

    auto* buttons = new QHBoxLayout;
    zaufaj_raz = new QPushButton(lang::pick(kTrustOnce, flag));
    zaufaj_raz->setObjectName(QStringLiteral("zaufaj_raz"));
    zaufaj_zawsze = new QPushButton(lang::pick(changed ? kAcceptNew : kTrustAlways, flag));
    zaufaj_zawsze->setObjectName(QStringLiteral("zaufaj_zawsze"));
    odrzuc = new QPushButton(lang::pick(kRefuse, flag));
    odrzuc->setObjectName(QStringLiteral("odrzuc"));
    // A changed certificate is taken for good or not at all.
    zaufaj_raz->setVisible(!changed);
    odrzuc->setDefault(true);
    buttons->addStretch();
    for (QPushButton* b : {zaufaj_raz, zaufaj_zawsze, odrzuc})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    using session::TrustChoice;
    connect(zaufaj_raz, &QPushButton::clicked, this, [this] { done(int(TrustChoice::Once)); });
    connect(zaufaj_zawsze, &QPushButton::clicked, this, [this] { done(int(TrustChoice::Always)); });
    connect(odrzuc, &QPushButton::clicked, this, [this] { done(int(TrustChoice::Refuse)); });
}
