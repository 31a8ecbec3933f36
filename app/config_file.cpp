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

// Lines 1 to 10 of konf.dat, in file order. An on/off setting is on for 1
// and off for any other number, and is written as 1 or 0.
struct NumberLine {
    int (*get)(const Settings&);
    void (*set)(Settings&, int);
};

constexpr NumberLine kNumberLines[] = {
    {[](const Settings& s) { return int(s.startMaximised); },
     [](Settings& s, int v) { s.startMaximised = v == 1; }},
    {[](const Settings& s) { return int(s.passiveMode); },
     [](Settings& s, int v) { s.passiveMode = v == 1; }},
    {[](const Settings& s) { return int(s.serverListOnly); },
     [](Settings& s, int v) { s.serverListOnly = v == 1; }},
    {[](const Settings& s) { return int(s.logPane); },
     [](Settings& s, int v) { s.logPane = v == 1; }},
    {[](const Settings& s) { return s.language; }, [](Settings& s, int v) { s.language = v; }},
    {[](const Settings& s) { return int(s.fieldBackground); },
     [](Settings& s, int v) { s.fieldBackground = v; }},
    {[](const Settings& s) { return int(s.fieldText); },
     [](Settings& s, int v) { s.fieldText = v; }},
    {[](const Settings& s) { return int(s.hidePasswordInLog); },
     [](Settings& s, int v) { s.hidePasswordInLog = v == 1; }},
    {[](const Settings& s) { return s.startCategory; },
     [](Settings& s, int v) { s.startCategory = v; }},
    {[](const Settings& s) { return int(s.autoReconnect); },
     [](Settings& s, int v) { s.autoReconnect = v == 1; }},
};
constexpr int kNumberLineCount = int(std::size(kNumberLines));

} // namespace

KonfRead readKonf(const QString& path, Settings& settings) {
    KonfRead result;
    const QStringList lines = textfile::readLines(path, &result.exists);
    for (const QString& line : lines) {
        const int number = ++result.linesRead;
        if (number <= kNumberLineCount) {
            int value = 0;
            if (!parseInt(line, value)) {
                result.badLine = number;
                result.badText = line;
                return result;
            }
            kNumberLines[number - 1].set(settings, value);
        } else {
            settings.defaultFolder = line;
        }
    }
    return result;
}

QStringList konfLines(const Settings& settings) {
    QStringList lines;
    for (const NumberLine& line : kNumberLines)
        lines.append(QString::number(line.get(settings)));
    lines.append(settings.defaultFolder);
    return lines;
}

Settings builtInSettings(const QString& defaultFolder) {
    Settings s;
    s.startMaximised = true;
    s.passiveMode = false;
    s.serverListOnly = true;
    s.logPane = true;
    s.language = 1;
    s.fieldBackground = settings::kBuiltInBackground;
    s.fieldText = settings::kBuiltInText;
    s.hidePasswordInLog = true;
    s.startCategory = 7;
    s.autoReconnect = false;
    s.defaultFolder = defaultFolder;
    return s;
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
