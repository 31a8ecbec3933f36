#pragma once
// Start-up's part of the program-folder rule (platform/program_folder.h).

namespace program_folder_notice {

// Decides the program folder once and hands it to the programs KORVANTE
// starts (FTP_ns, the restart) through KORVANTE_HOME, so they all use it.
void settle();
// Says once, at start, when the folder that ought to hold the settings
// cannot be written and where they are saved instead.
void report();

} // namespace program_folder_notice
