#pragma once
// konf.dat (eleven positional lines of settings) and roz.dat (the width of
// the main window's left panel).

#include <QString>
#include <QStringList>

namespace config {

struct KonfRead {
    bool exists = false;
    int linesRead = 0;
    // Set when a line among the first ten is not a whole number: reading
    // stopped there and the slotValues read before it were kept.
    int badLine = 0;
    QString badText;
};

// Reads konf.dat into slotValues[1..10] and the default folder. Lines past the
// eleventh also set the default folder, so the last one wins; a short file
// leaves the remaining slotValues as they were.
KonfRead readKonf(const QString& path, int slotValues[11], QString& defaultFolder);

// The eleven lines of a full konf.dat for the given slotValues and folder.
QStringList konfLines(const int slotValues[11], const QString& defaultFolder);
// The built-in settings (the settings dialog's "built-in" command).
void builtInSlots(int slotValues[11]);

inline constexpr int kDefaultLeftWidth = 337;

// roz.dat's stored width; nullopt-like false in *ok when missing or unreadable.
int readRoz(const QString& path, bool* ok);
// The exit command's write: the remembered width when the file exists,
// otherwise the file is created with the default width.
bool writeRoz(const QString& path, int rememberedWidth);

} // namespace config
