#include "addressbook/mail_launch.h"

#include <QUrl>

namespace launcher {
namespace {

bool webScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp");
}

QString encoded(const QString& text, const QByteArray& keep = {}) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

bool webFieldEmpty(const QString& text) {
    return text.isEmpty() || text.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0;
}

bool isWebAddress(const QString& text) {
    if (text.trimmed().isEmpty())
        return false;
    for (const QChar c : text)
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && webScheme(url.scheme().toLower()))
        return !url.host().isEmpty();
    // Paths, and schemes of their own ("file:", "javascript:", "mailto:").
    const QChar first = text.front();
    if (first == QLatin1Char('/') || first == QLatin1Char('\\') || first == QLatin1Char('.') ||
        first == QLatin1Char('~') || text.contains(QLatin1String("://")))
        return false;
    const QUrl guess = QUrl::fromUserInput(text);
    if (!guess.isValid() || !webScheme(guess.scheme()))
        return false;
    const QString host = guess.host();
    return host.contains(QLatin1Char('.')) || host == QLatin1String("localhost");
}

QStringList memoLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

QString mailtoAddress(const QString& address, const QString& subject,
                      const QStringList& bodyLines) {
    // The address keeps the characters an address list is written with.
    QString result = QStringLiteral("mailto:") + encoded(address, "@!$'*+,;=") +
                     QStringLiteral("?Subject=") + encoded(subject) + QStringLiteral("&Body=");
    for (const QString& line : bodyLines)
        result += QStringLiteral("%0D%0A") + encoded(line);
    return result;
}

} // namespace launcher
