#include "session/security_modes.h"

#include "platform/paths.h"
#include "platform/text_file.h"

#include <algorithm>
#include <functional>

namespace session {

namespace {

constexpr Msg kModeNames[] = {
    {"zwykłe FTP", "plain FTP"},
    {"FTP przez TLS, jeśli serwer je oferuje", "FTP over TLS if the server offers it"},
    {"wymagaj jawnego TLS", "require explicit TLS"},
    {"niejawne TLS", "implicit TLS"},
};

QString filePath() {
    return platform::programFileAnyCase(QString::fromLatin1(kSecurityFileName));
}

bool sameServer(const QStringList& fields, const ServerKey& key) {
    return fields.size() >= 4 && fields[1] == key.user &&
           fields[2].compare(key.host, Qt::CaseInsensitive) == 0 &&
           fields[3].trimmed() == key.port.trimmed();
}

QStringList fieldsOf(const QString& line) {
    QStringList fields = line.split(QLatin1Char('*'));
    fields.removeLast(); // the text after the last "*" belongs to no field
    return fields;
}

// Rewrites tls.dat with the lines whose fields `keep` accepts and `added`
// (when not empty) after them. A file that would not change is not written,
// and none is created to stay empty.
bool rewriteKeeping(const std::function<bool(const QStringList&)>& keep, const QString& added) {
    bool exists = false;
    const QString path = filePath();
    const QStringList lines = textfile::readLines(path, &exists);
    QStringList kept;
    for (const QString& line : lines)
        if (keep(fieldsOf(line)))
            kept << line;
    if (!added.isEmpty())
        kept << added;
    if (exists ? kept == lines : kept.isEmpty())
        return true;
    return textfile::writeLines(path, kept);
}

} // namespace

const Msg& securityModeName(TIdSecurityMode mode) {
    return kModeNames[int(mode) >= 0 && int(mode) < 4 ? int(mode) : 0];
}

QString securityModeMark(TIdSecurityMode mode) {
    switch (mode) {
    case smPlain:
        return {};
    case smExplicitIfOffered:
        return QStringLiteral("TLS?");
    case smExplicitRequired:
        return QStringLiteral("TLS");
    case smImplicit:
        return QStringLiteral("TLS/990");
    }
    return {};
}

TIdSecurityMode securityModeFromIndex(int index) {
    return index >= 0 && index < 4 ? TIdSecurityMode(index) : smPlain;
}

QString securityLine(const ServerKey& key, TIdSecurityMode mode) {
    return QString::number(int(mode)) + QLatin1Char('*') + key.user + QLatin1Char('*') + key.host +
           QLatin1Char('*') + key.port.trimmed() + QLatin1Char('*');
}

TIdSecurityMode securityModeIn(const QStringList& lines, const ServerKey& key) {
    for (const QString& line : lines) {
        const QStringList fields = fieldsOf(line);
        if (sameServer(fields, key)) {
            bool numeric = false;
            const int mode = fields[0].toInt(&numeric);
            return numeric ? securityModeFromIndex(mode) : smPlain;
        }
    }
    return smPlain;
}

TIdSecurityMode securityModeOf(const ServerKey& key) {
    return securityModeIn(textfile::readLines(filePath()), key);
}

bool storeSecurityMode(const ServerKey& key, TIdSecurityMode mode, const ServerKey* previous) {
    const auto other = [&](const QStringList& fields) {
        return !sameServer(fields, key) && !(previous && sameServer(fields, *previous));
    };
    return rewriteKeeping(other, mode != smPlain ? securityLine(key, mode) : QString());
}

bool keepSecurityModesOf(const QList<ServerKey>& saved) {
    const auto stillSaved = [&saved](const QStringList& fields) {
        return std::any_of(saved.begin(), saved.end(),
                           [&fields](const ServerKey& key) { return sameServer(fields, key); });
    };
    return rewriteKeeping(stillSaved, QString());
}

} // namespace session
