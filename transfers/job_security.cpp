#include "transfers/job_security.h"

#include "platform/paths.h"
#include "platform/text_file.h"
#include "session/certificate_trust.h"

#include <QFile>

namespace background {

QString jobSecurityFile() {
    return platform::programFile(QStringLiteral("ftp_n_s_tls.dat"));
}

bool writeJobSecurity(TIdSecurityMode mode) {
    const QString path = jobSecurityFile();
    if (mode == smPlain)
        return !QFile::exists(path) || QFile::remove(path);
    return textfile::writeLines(path, {QString::number(int(mode))});
}

TIdSecurityMode takeJobSecurity() {
    bool exists = false;
    const QStringList lines = textfile::readLines(jobSecurityFile(), &exists);
    if (!exists)
        return smPlain;
    QFile::remove(jobSecurityFile());
    bool numeric = false;
    const int mode = lines.value(0).trimmed().toInt(&numeric);
    return numeric && mode > 0 && mode < 4 ? TIdSecurityMode(mode) : smPlain;
}

bool acceptInBackground(const TIdCertificateInfo& certificate) {
    return session::trustVerdict(certificate) == session::TrustVerdict::Trusted;
}

} // namespace background
