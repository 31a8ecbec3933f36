#pragma once
// The main window's visible commands whose work is not built yet. They stay
// disabled, whatever else enables them, so that nothing the user can press
// runs nothing; a key whose command has no handler is left to the focused
// control. When a command is built, delete its line in unbuilt_commands.cpp
// (the command walk test names the lines that are built).

#include "app/main_window.h"

#include <vector>

struct UnbuiltCommand {
    const char* what;                      // the feature, for the reader
    std::vector<const char*> controls;     // object names of menu items and buttons
    std::vector<TForm1::Command> commands; // commands that keys and buttons ask for
};

const std::vector<UnbuiltCommand>& unbuiltCommands();
// Whether a control of the main window is on the list.
bool isUnbuilt(const char* controlName);

// Disables every listed control and keeps it disabled for the whole run.
void disableUnbuiltCommands(TForm1& form);
