#include "servers/server_files.h"

#include "platform/paths.h"
#include "platform/text_file.h"
#include "servers/servers_texts.h"
#include "session/security_modes.h"

#include <QFile>

namespace servers {
namespace {

using textfile::Access;

constexpr std::array<Category, kCategoryCount> kCategories{{
    {0, "FIRMY", texts::kMenuFirmy, "p.dat", "P.dat", "p.dat", "p.dat", "p.dat"},
    {1, "MIASTA", texts::kMenuMiasta, "m.dat", "M.dat", "m.dat", "m.dat", "m.dat"},
    {2, "SZKOŁY - UCZELNIE", texts::kMenuSzkoly, "s.dat", "S.dat", "s.dat", "S.dat", "s.dat"},
    {3, "PROGRAMY", texts::kMenuProgramy, "pr.dat", "Pr.dat", "pr.dat", "pr.dat", "pr.dat"},
    {4, "MUZYKA", texts::kMenuMuzyka, "mu.dat", "Mu.dat", "mu.dat", "mu.dat", "mu.dat"},
    {5, "ULUBIONE", texts::kMenuUlubione, "u.dat", "U.dat", "u.dat", "u.dat", "u.dat"},
    {6, "PRYWATNE", texts::kMenuPrywatne, "priw.dat", "Priw.dat", "priw.dat", "priw.dat",
     "priw.dat"},
    {7, "INNE", texts::kMenuInne, "s_list.dat", "S_list.dat", "S_list.dat", "S_list.dat",
     "S_list.dat"},
}};

constexpr char kAllServersName[] = "WSZYSTKIE SERWERY";

ServerRecord sampleRecord() {
    ServerRecord r;
    r.name = QStringLiteral("GNU FTP");
    r.anonymous = true;
    r.user = QString::fromLatin1(kAnonymousUser);
    r.host = QStringLiteral("ftp.gnu.org");
    r.password = QString::fromLatin1(kPlaceholderEmail);
    r.savePassword = true;
    r.port = kDefaultPort;
    r.category = kInne;
    return r;
}

} // namespace

const std::array<Category, kCategoryCount>& categories() {
    return kCategories;
}

const Category* category(int code) {
    if (code < 0 || code >= kCategoryCount)
        return nullptr;
    return &kCategories[code];
}

QString categoryName(int code) {
    if (code == kAllServers)
        return QString::fromUtf8(kAllServersName);
    const Category* c = category(code);
    return c ? QString::fromUtf8(c->name) : QString();
}

std::optional<int> categoryByName(const QString& name) {
    for (const Category& c : kCategories)
        if (name == QString::fromUtf8(c.name))
            return c.code;
    return std::nullopt;
}

QString categoryFilePath(int code) {
    const Category* c = category(code);
    if (!c)
        return {};
    return platform::programFileAnyCase(QString::fromLatin1(c->fileName));
}

bool categoryFileExists(int code) {
    const QString path = categoryFilePath(code);
    return !path.isEmpty() && QFile::exists(path);
}

ReadResult readCategoryLines(int code) {
    ReadResult result;
    const QString path = categoryFilePath(code);
    if (path.isEmpty())
        return result;
    QFile file(path);
    result.exists = file.exists();
    if (!result.exists)
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.ok = false;
        return result;
    }
    const QByteArray bytes = file.readAll();
    result.ok = file.error() == QFileDevice::NoError;
    result.lines = textfile::decodeLines(bytes);
    return result;
}

QList<ServerEntry> entriesFromLines(const QStringList& lines, int sourceCategory) {
    QList<ServerEntry> entries;
    entries.reserve(lines.size());
    for (const QString& line : lines)
        entries.append(parseEntry(line, sourceCategory));
    return entries;
}

QList<ServerEntry> readCategoryEntries(int code, bool* ok) {
    const ReadResult read = readCategoryLines(code);
    if (ok)
        *ok = read.ok;
    return entriesFromLines(read.lines, code);
}

QString defaultSampleEntry() {
    return buildRecord(sampleRecord());
}

bool appendRecord(int code, const QString& record, AppendStyle style) {
    if (!category(code))
        return false;
    const QString path = categoryFilePath(code);
    bool exists = false;
    const QByteArray current = textfile::readBytes(path, &exists);

    QStringList lines;
    if (!exists && style == AppendStyle::NewServerDialog && code == kInne)
        lines.append(defaultSampleEntry());
    const QString newLine =
        style == AppendStyle::NewServerDialog ? QStringLiteral("\r") + record : record;

    // Bytes after a Ctrl-Z are never read: put the record where it will be.
    if (current.contains('\x1A')) {
        QStringList all = textfile::decodeLines(current);
        all.append(record);
        return textfile::writeLines(path, all, Access::OwnerOnly);
    }
    // An unterminated last line would swallow the record: close it first.
    // A byte-order mark alone is no line.
    const qsizetype textStart = textfile::hasUtf8Bom(current) ? 3 : 0;
    if (current.size() > textStart && !current.endsWith('\n'))
        lines.append(QString());
    lines.append(newLine);
    return textfile::appendLines(path, lines, Access::OwnerOnly);
}

bool rewriteCategory(int code, const QStringList& lines) {
    if (!category(code))
        return false;
    const QString path = categoryFilePath(code);
    if (!QFile::exists(path))
        return false;
    return textfile::writeLines(path, lines, Access::OwnerOnly);
}

bool emptyCategory(int code) {
    if (!category(code))
        return false;
    const QString path = categoryFilePath(code);
    if (!QFile::exists(path))
        return false;
    return textfile::writeBytes(path, QByteArray(), Access::OwnerOnly);
}

bool emptyAllCategories() {
    bool ok = true;
    for (const Category& c : kCategories)
        if (categoryFileExists(c.code) && !emptyCategory(c.code))
            ok = false;
    return ok;
}

bool forgetSecurityOfDeletedServers() {
    QList<session::ServerKey> saved;
    for (const Category& c : kCategories) {
        bool read = true;
        const QList<ServerEntry> entries = readCategoryEntries(c.code, &read);
        // A file that could not be read may still hold servers: forget nothing.
        if (!read)
            return false;
        for (const ServerEntry& entry : entries)
            saved.append({entry.user(), entry.host(), entry.port()});
    }
    return session::keepSecurityModesOf(saved);
}

} // namespace servers
