#pragma once
// The main window in a temporary program folder with recording platform
// services, for the window tests that drive it as a user does. The window's
// own destructor takes its helpers down before its widgets, so nothing is
// needed here at the end.

#include "app/main_window.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/temp_home.h"

#include <gtest/gtest.h>

#include <memory>

struct MainWindowFixture : ::testing::Test {
    TempHome home;
    RecordingServices services;
    std::unique_ptr<TForm1> form;

    // The built-in settings in `language` (1 Polish, 0 English); the window
    // created, shown and activated.
    void create(int language = 1) {
        home.writeDefaultKonf(language);
        form = std::make_unique<TForm1>();
        form->FormCreate();
        form->show();
        form->activateWindow();
    }
};
