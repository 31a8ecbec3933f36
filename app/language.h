#pragma once
// The language flag of the running program: setting slot 5 of the main
// window, Polish while there is none (yet).

int languageFlag();
