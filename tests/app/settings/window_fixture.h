#pragma once
// The main window with the settings dialog, offscreen, in a temporary program
// folder with recording services.

#include "app/main_window.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/temp_home.h"

#include <QDialog>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

struct SettingsWindow : ::testing::Test {
    TempHome home;
    RecordingServices services;
    std::unique_ptr<TForm1> form;

    void create() {
        form = std::make_unique<TForm1>();
        form->FormCreate();
    }

    // Registers what the user does in a modal window; the window's result is
    // what it ended with.
    void whenShown(const QString& window, std::function<void(QDialog&)> step) {
        services.modalSteps[window] = [step](QDialog& dialog) {
            dialog.setResult(0);
            step(dialog);
            return dialog.result();
        };
    }

    QStringList modalsShown() const {
        QStringList names;
        for (const RecordedCall& call : services.callsOf(QStringLiteral("showModal")))
            names.append(call.args.value(0));
        return names;
    }
};
