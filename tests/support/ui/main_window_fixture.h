#pragma once
// The main window in a temporary program folder with recording platform
// services, for the window tests that drive it as a user does. The members
// are declared so that the window goes first, then the services it used,
// then the folder; the window's own destructor takes its helpers down
// before its widgets, so nothing more is needed at the end.

#include "app/main_window.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/temp_home.h"
#include "tests/support/ui/user_input.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

struct MainWindowFixture : ::testing::Test {
    TempHome home;
    RecordingServices services;
    std::unique_ptr<TForm1> form;

    // The built-in settings in `language` (1 Polish, 0 English); the window
    // created, shown and activated.
    void create(int language = 1) {
        home.writeDefaultKonf(language);
        createWindow();
        showWindow();
    }

    // A new window over the program folder as the test wrote it, started as
    // the program starts it; `wire` runs between construction and start-up.
    void createWindow(const std::function<void(TForm1&)>& wire = {}) {
        form.reset();
        form = std::make_unique<TForm1>();
        if (wire)
            wire(*form);
        form->FormCreate();
    }

    // Shows the window and waits until it is the active one, as the desktop
    // leaves it after a start.
    void showWindow() { ASSERT_TRUE(userinput::showActive(*form)); }

    // What the user does in a modal window, while it runs its own event loop;
    // the window's result is what it ended with.
    void whenShown(const QString& window, std::function<void(QDialog&)> step) {
        services.modalSteps[window] = [step](QDialog& dialog) {
            dialog.setResult(0);
            step(dialog);
            return dialog.result();
        };
    }

    // The modal windows opened so far, by name.
    QStringList modalsShown() const {
        QStringList names;
        for (const RecordedCall& call : services.callsOf(QStringLiteral("showModal")))
            names.append(call.args.value(0));
        return names;
    }
};
