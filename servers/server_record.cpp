#include "servers/server_record.h"

namespace servers {

QStringList splitFields(const QString& line) {
    QStringList fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == QLatin1Char('*')) {
            fields.append(line.mid(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

std::optional<int> categoryOfLine(const QString& line) {
    if (line.size() < 2)
        return std::nullopt;
    const QChar c = line.at(line.size() - 2);
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        return std::nullopt;
    return c.unicode() - '0';
}

QString buildRecord(const ServerRecord& r) {
    const QString star = QStringLiteral("*");
    QString line;
    line += r.name + star;
    line += (r.anonymous ? QStringLiteral("1") : QStringLiteral("0")) + star;
    line += r.user + star;
    line += r.host + star;
    line += (r.savePassword ? r.password : QString::fromLatin1(kNotSavedMarker)) + star;
    line += QString::number(r.port) + star;
    line += QString::number(r.category) + star;
    return line;
}

RecordProblem checkRecord(const ServerRecord& r) {
    const QChar star = QLatin1Char('*');
    if (r.name.contains(star) || r.user.contains(star) || r.host.contains(star) ||
        (r.savePassword && r.password.contains(star)))
        return RecordProblem::StarInValue;
    if (r.savePassword && r.password == QLatin1String(kNotSavedMarker))
        return RecordProblem::CaretPassword;
    if (r.port < 1 || r.port > 65535)
        return RecordProblem::PortOutOfRange;
    return RecordProblem::None;
}

ServerEntry parseEntry(const QString& line, int sourceCategory) {
    return ServerEntry{line, splitFields(line), sourceCategory};
}

} // namespace servers
