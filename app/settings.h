#pragma once
// The lasting preferences the user chooses in the settings dialog, by name.
// They are kept in konf.dat, one value a line; app/config_file.cpp is the one
// place that knows which line holds which of them.

#include <QString>
#include <cstdint>

namespace settings {
// The built-in field colours: the pale tooltip background, black text.
inline constexpr int32_t kBuiltInBackground = -2147483624;
inline constexpr int32_t kBuiltInText = 0;
// The start category that asks with the setup wizard.
inline constexpr int kAskAtStart = 9;
} // namespace settings

struct Settings {
    bool startMaximised = false;
    bool passiveMode = false;
    // The server panel shows only the server list while no server is
    // connected (otherwise the list above the remote listing).
    bool serverListOnly = false;
    // The log pane is shown and the protocol log hook is on.
    bool logPane = false;
    // 1 Polish; every other value English (a few messages show English only
    // for 0), so the number is kept as the file has it.
    int language = 0;
    // Edit fields and lists of every window. A file too short to name them
    // keeps the built-in pair rather than black on black.
    int32_t fieldBackground = settings::kBuiltInBackground;
    int32_t fieldText = settings::kBuiltInText;
    bool hidePasswordInLog = false;
    // 0..7 a category, 8 all servers, 9 ask with the setup wizard.
    int startCategory = 0;
    // Fetch the file of an interrupted download again at the next start.
    bool autoReconnect = false;
    QString defaultFolder;

    bool polish() const { return language == 1; }
};
