#include "servers/server_list_logic.h"

#include "servers/server_files.h"
#include "servers/servers_texts.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace servers {

QStringList rowColumns(const ServerEntry& entry, int languageFlag) {
    QStringList columns{entry.displayName()};
    if (entry.hasField(2))
        columns.append(lang::pick(entry.anonymous() ? texts::kLoginAnonymous : texts::kLoginUser,
                                  languageFlag));
    else
        columns.append(QString());
    if (entry.hasField(5))
        columns.append(
            lang::pick(entry.passwordSaved() ? texts::kPasswordSavedYes : texts::kPasswordSavedNo,
                       languageFlag));
    else
        columns.append(QString());
    return columns;
}

void sortEntries(QList<ServerEntry>& entries) {
    QCollator collator{QLocale(QLocale::Polish, QLocale::Poland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // One key per entry keeps a sort of thousands of servers cheap.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(entries.size()));
    for (const ServerEntry& e : entries)
        keys.push_back(collator.sortKey(e.displayName()));
    std::vector<qsizetype> order(size_t(entries.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byName = keys[size_t(a)].compare(keys[size_t(b)]);
        if (byName != 0)
            return byName < 0;
        const ServerEntry& ea = entries[a];
        const ServerEntry& eb = entries[b];
        const int exact = ea.displayName().compare(eb.displayName());
        if (exact != 0)
            return exact < 0;
        return ea.line < eb.line;
    });
    QList<ServerEntry> sorted;
    sorted.reserve(entries.size());
    for (qsizetype i : order)
        sorted.append(std::move(entries[i]));
    entries = std::move(sorted);
}

QStringList linesOf(const QList<ServerEntry>& entries) {
    QStringList lines;
    lines.reserve(entries.size());
    for (const ServerEntry& e : entries)
        lines.append(e.line);
    return lines;
}

QString serverListReport(int category, const QList<ServerEntry>& entries) {
    QStringList out;
    out.append(QString::fromUtf8(texts::kReportHeader) + categoryName(category));
    int number = 0;
    for (const ServerEntry& e : entries) {
        if (!e.listed())
            continue; // not a server: nothing of it is shown in the list either
        out.append(QString::fromUtf8(texts::kReportServerNo) + QString::number(++number));
        if (e.hasField(1))
            out.append(QString::fromUtf8(texts::kReportSession) + e.field(1));
        if (e.hasField(3))
            out.append(QString::fromUtf8(texts::kReportUser) + e.field(3));
        if (e.hasField(4))
            out.append(QString::fromUtf8(texts::kReportHost) + e.field(4));
        if (e.hasField(5))
            out.append(QString::fromUtf8(texts::kReportPassword));
        if (e.hasField(6))
            out.append(QString::fromUtf8(texts::kReportPort) + e.field(6));
        out.append(QString::fromUtf8(texts::kReportSeparator));
    }
    return out.join(QLatin1Char('\n'));
}

QStringList wizardDescription(int code) {
    if (code < 0 || code > kAllServers)
        return {};
    QStringList lines;
    if (code < kCategoryCount)
        lines.append(QString::fromUtf8(texts::kWizardDescriptionStart));
    for (const char* line : texts::kWizardDescriptions[code])
        if (line)
            lines.append(QString::fromUtf8(line));
    return lines;
}

QString openCategoryStatus(int code) {
    return QString::fromUtf8(texts::kOpenCategory) + categoryName(code);
}

} // namespace servers
