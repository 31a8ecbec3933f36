#include "session/certificate_trust.h"

#include "platform/paths.h"
#include "platform/text_file.h"

namespace session {

namespace {

QString filePath() {
    return platform::programFileAnyCase(QString::fromLatin1(kTrustFileName));
}

QString hostOf(const TIdCertificateInfo& certificate) {
    return QString::fromStdString(certificate.Host).toLower();
}

QString lineFor(const TIdCertificateInfo& certificate) {
    return hostOf(certificate) + QLatin1Char('*') + QString::number(certificate.Port) +
           QLatin1Char('*') + QString::fromStdString(certificate.Sha256) + QLatin1Char('*');
}

// The line is the one kept for this host and port.
bool sameServer(const QStringList& fields, const TIdCertificateInfo& certificate) {
    return fields.size() >= 3 && fields[0].toLower() == hostOf(certificate) &&
           fields[1].trimmed() == QString::number(certificate.Port);
}

} // namespace

TrustVerdict trustVerdictIn(const QStringList& lines, const TIdCertificateInfo& certificate) {
    const QString fingerprint = QString::fromStdString(certificate.Sha256);
    TrustVerdict verdict = TrustVerdict::Unknown;
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char('*'));
        if (!sameServer(fields, certificate))
            continue;
        if (fields[2].compare(fingerprint, Qt::CaseInsensitive) == 0)
            return TrustVerdict::Trusted;
        verdict = TrustVerdict::Changed;
    }
    return verdict;
}

TrustVerdict trustVerdict(const TIdCertificateInfo& certificate) {
    return trustVerdictIn(textfile::readLines(filePath()), certificate);
}

bool trustAlways(const TIdCertificateInfo& certificate) {
    const QString path = filePath();
    QStringList kept;
    for (const QString& line : textfile::readLines(path))
        if (!sameServer(line.split(QLatin1Char('*')), certificate))
            kept << line;
    kept << lineFor(certificate);
    return textfile::writeLines(path, kept);
}

bool TrustedThisRun::contains(const TIdCertificateInfo& certificate) const {
    return keys.contains(lineFor(certificate));
}

void TrustedThisRun::insert(const TIdCertificateInfo& certificate) {
    keys.insert(lineFor(certificate));
}

} // namespace session
