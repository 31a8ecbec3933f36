#pragma once
// What the launcher hands to the desktop: a web address as the user typed
// it, or a mailto: address built from the message.

#include <QString>
#include <QStringList>

namespace launcher {

// The web field holds nothing to open: empty, or only "http://" in any case.
bool webFieldEmpty(const QString& text);

// True for a text a browser opens as a web page: an http, https or ftp URL,
// or a host name with an optional port and path typed without its scheme.
// Anything else (paths, other schemes, text with blanks) is refused rather
// than handed to the desktop, which would open or run it as a file.
bool isWebAddress(const QString& text);

// The memo's lines as the program has always counted them: none for an
// empty memo, and a final line break starts no line of its own.
QStringList memoLines(const QString& text);

// "mailto:" + address + "?Subject=" + subject + "&Body=" and, for every
// body line, "%0D%0A" + line. Subject and body are percent-encoded (UTF-8)
// so that "&", "#", "?" or "%" in them can neither cut the message short nor
// add fields to it.
QString mailtoAddress(const QString& address, const QString& subject, const QStringList& bodyLines);

} // namespace launcher
