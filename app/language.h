#pragma once
// The language flag of the running program (1 Polish, anything else
// English): the main window's settings, Polish while there is none (yet).
// Every window and message asks here, at the moment it shows a text.

int languageFlag();
