#pragma once
// Texts of the tray icon and the shutdown, in both languages.

#include "platform/msg.h"

namespace desktop_texts {

inline constexpr const char* kTrayHint = "KORVANTE - Klient FTP";
inline constexpr const char* kShutdownMessage = "Operacja na systemie operacyjnym...";
inline constexpr const char* kNoticeCaption = "KORVANTE 2.5.5";

inline constexpr Msg kNoTrayArea{
    "Pulpit nie ma obszaru powiadomień, więc okno programu zostało zminimalizowane. "
    "Przywrócisz je z paska zadań.",
    "The desktop has no notification area, so the program window has been minimised. "
    "Restore it from the task bar."};

} // namespace desktop_texts
