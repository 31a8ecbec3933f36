#pragma once
// The main window with the settings dialog, offscreen, in a temporary program
// folder with recording services; what the user does in its modal windows
// is registered with whenShown.

#include "tests/support/ui/main_window_fixture.h"

struct SettingsWindow : MainWindowFixture {
    void create() { createWindow(); }
};
