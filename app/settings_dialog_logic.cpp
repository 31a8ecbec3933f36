#include "app/settings_dialog_logic.h"

#include "app/config_file.h"
#include "app/settings_texts.h"

#include <iterator>

namespace settings {

QString categoryLabel(int code) {
    if (code < 0 || code >= int(std::size(settings_texts::kCategoryLabels)))
        return {};
    return QString::fromUtf8(settings_texts::kCategoryLabels[code]);
}

int categoryOfLabel(const QString& label) {
    for (int code = 0; code < int(std::size(settings_texts::kCategoryLabels)); ++code)
        if (label == QString::fromUtf8(settings_texts::kCategoryLabels[code]))
            return code;
    return -1;
}

QString chosenCategoryStatus(const QString& label) {
    QString shown = label;
    if (categoryOfLabel(label) == kAskAtStart)
        shown.chop(1);
    return QString::fromUtf8(settings_texts::kChosenCategoryStatus) + shown;
}

int colourOrDefault(const QString& text, int builtIn) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : builtIn;
}

QStringList konfLinesFromChoices(const Choices& choices, const QString& programFolder) {
    int values[11] = {};
    values[1] = choices.maximised ? 1 : 0;
    values[2] = choices.passive ? 1 : 0;
    values[3] = choices.serversOnly ? 1 : 0;
    values[4] = choices.logPane ? 1 : 0;
    values[5] = choices.polish ? 1 : 0;
    values[6] = colourOrDefault(choices.background, kBuiltInBackground);
    values[7] = colourOrDefault(choices.text, kBuiltInText);
    values[8] = choices.hidePassword ? 1 : 0;
    values[9] = choices.category;
    values[10] = choices.autoReconnect ? 1 : 0;
    return config::konfLines(values, choices.folder.isEmpty() ? programFolder : choices.folder);
}

QStringList konfLinesForMissingFile(const QString& programFolder) {
    const int values[11] = {0, 0, 0, 0, 1, 1, kBuiltInBackground, kBuiltInText, 1, 7, 0};
    return config::konfLines(values, programFolder);
}

QStringList builtInKonfLines(const QString& programFolder) {
    int values[11] = {};
    config::builtInSlots(values);
    return config::konfLines(values, programFolder);
}

} // namespace settings
