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

Settings fromChoices(const Choices& choices, const QString& programFolder) {
    Settings s;
    s.startMaximised = choices.maximised;
    s.passiveMode = choices.passive;
    s.serverListOnly = choices.serversOnly;
    s.logPane = choices.logPane;
    s.language = choices.polish ? 1 : 0;
    s.fieldBackground = colourOrDefault(choices.background, kBuiltInBackground);
    s.fieldText = colourOrDefault(choices.text, kBuiltInText);
    s.hidePasswordInLog = choices.hidePassword;
    s.startCategory = choices.category;
    s.autoReconnect = choices.autoReconnect;
    s.defaultFolder = choices.folder.isEmpty() ? programFolder : choices.folder;
    return s;
}

QStringList konfLinesFromChoices(const Choices& choices, const QString& programFolder) {
    return config::konfLines(fromChoices(choices, programFolder));
}

Settings forMissingFile(const QString& programFolder) {
    // Polish with the log pane, everything else off, the "other" category.
    Settings s;
    s.logPane = true;
    s.language = 1;
    s.fieldBackground = kBuiltInBackground;
    s.fieldText = kBuiltInText;
    s.hidePasswordInLog = true;
    s.startCategory = 7;
    s.defaultFolder = programFolder;
    return s;
}

QStringList konfLinesForMissingFile(const QString& programFolder) {
    return config::konfLines(forMissingFile(programFolder));
}

QStringList builtInKonfLines(const QString& programFolder) {
    return config::konfLines(config::builtInSettings(programFolder));
}

} // namespace settings
