#include "app/config_file.h"

#include "platform/text_file.h"

#include <QFile>

namespace config {
namespace {

// Whole numbers as the settings have always been written: optional sign,
// decimal digits, surrounding blanks tolerated; 32-bit range.
bool parseInt(const QString& text, int& value) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = v;
    return ok;
}

} // namespace

KonfRead readKonf(const QString& path, int slotValues[11], QString& defaultFolder) {
    KonfRead result;
    const QStringList lines = textfile::readLines(path, &result.exists);
    for (const QString& line : lines) {
        const int number = ++result.linesRead;
        if (number <= 10) {
            if (!parseInt(line, slotValues[number])) {
                result.badLine = number;
                result.badText = line;
                return result;
            }
        } else {
            defaultFolder = line;
        }
    }
    return result;
}

QStringList konfLines(const int slotValues[11], const QString& defaultFolder) {
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines.append(QString::number(slotValues[i]));
    lines.append(defaultFolder);
    return lines;
}

void builtInSlots(int slotValues[11]) {
    static const int builtIn[11] = {0, 1, 0, 1, 1, 1, -2147483624, 0, 1, 7, 0};
    for (int i = 0; i <= 10; ++i)
        slotValues[i] = builtIn[i];
}

int readRoz(const QString& path, bool* ok) {
    bool exists = false;
    const QStringList lines = textfile::readLines(path, &exists);
    int width = 0;
    const bool good = exists && !lines.isEmpty() && parseInt(lines.first(), width);
    if (ok)
        *ok = good;
    return good ? width : kDefaultLeftWidth;
}

bool writeRoz(const QString& path, int rememberedWidth) {
    const int width = QFile::exists(path) ? rememberedWidth : kDefaultLeftWidth;
    return textfile::writeLines(path, {QString::number(width)});
}

} // namespace config
