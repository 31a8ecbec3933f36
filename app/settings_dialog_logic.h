#pragma once
// What the settings dialog decides without widgets: the start-category
// labels and the konf.dat lines its commands write.

#include "app/settings.h"

#include <QString>
#include <QStringList>

namespace settings {

// "FIRMY" .. "WSZYSTKIE SERWERY", "PYTAJ?" for 0..9; empty for other values.
QString categoryLabel(int code);
// The number of a label, -1 when it names no category.
int categoryOfLabel(const QString& label);
// The main status bar's text for a chosen category ("PYTAJ?" loses its "?").
QString chosenCategoryStatus(const QString& label);

// What the dialog's controls say, line by line of konf.dat.
struct Choices {
    bool maximised = false;
    bool passive = false;
    bool serversOnly = false;
    bool logPane = true;
    bool polish = true;
    QString background; // decimal colour text; empty = the built-in colour
    QString text;
    bool hidePassword = true;
    int category = 7;
    bool autoReconnect = false;
    QString folder; // empty = the program folder
};

// The colour a colour field stands for; the built-in one when it is empty
// or not a number.
int colourOrDefault(const QString& text, int builtIn);

// The settings "Zastosuj" writes over an existing konf.dat.
Settings fromChoices(const Choices& choices, const QString& programFolder);
// The eleven lines "Zastosuj" writes over an existing konf.dat.
QStringList konfLinesFromChoices(const Choices& choices, const QString& programFolder);
// The settings "Zastosuj" creates when konf.dat is missing.
Settings forMissingFile(const QString& programFolder);
// The eleven lines "Zastosuj" creates when konf.dat is missing.
QStringList konfLinesForMissingFile(const QString& programFolder);
// The eleven lines of the built-in settings.
QStringList builtInKonfLines(const QString& programFolder);

} // namespace settings
