#pragma once
// konf.dat (the settings, one a line) and roz.dat (the width of the main
// window's left panel).

#include "app/settings.h"

#include <QString>
#include <QStringList>

namespace config {

// The numbered lines of konf.dat, in file order; the default folder follows.
enum class KonfLine {
    StartMaximised = 1,
    PassiveMode,
    ServerListOnly,
    LogPane,
    Language,
    FieldBackground,
    FieldText,
    HidePasswordInLog,
    StartCategory,
    AutoReconnect,
};

struct KonfRead {
    bool exists = false;
    int linesRead = 0;
    // Set when a line among the first ten is not a whole number: reading
    // stopped there and the settings read before it were kept.
    int badLine = 0;
    QString badText;
    // Whether the file gave `line` to the settings (it was there, and no
    // line before it stopped the reading).
    bool reached(KonfLine line) const {
        const int number = int(line);
        return number <= linesRead && (badLine == 0 || number < badLine);
    }
};

// Reads konf.dat into `settings`. The lines the file lacks (or that follow a
// line that is not a number) leave their settings as they were; lines past
// the eleventh also set the default folder, so the last one wins.
KonfRead readKonf(const QString& path, Settings& settings);

// The eleven lines of a full konf.dat.
QStringList konfLines(const Settings& settings);
// The built-in settings (the settings dialog's "built-in" command).
Settings builtInSettings(const QString& defaultFolder);

inline constexpr int kDefaultLeftWidth = 337;

// roz.dat's stored width; nullopt-like false in *ok when missing or unreadable.
int readRoz(const QString& path, bool* ok);
// The exit command's write: the remembered width when the file exists,
// otherwise the file is created with the default width.
bool writeRoz(const QString& path, int rememberedWidth);

} // namespace config
