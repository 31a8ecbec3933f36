#pragma once
// Texts of the session log and the log window.

#include "platform/msg.h"

namespace logtext {

inline constexpr Msg kWindowCaption{"Lista logów...", "Logs list..."};
// Title of the log pane's dock (on its edge, and of its floating window).
inline constexpr Msg kPaneTitle{"Logi", "Logs"};
inline constexpr Msg kCopy{"Kopiuj", "Copy"};
inline constexpr Msg kCut{"Wytnij", "Cut"};
inline constexpr Msg kPaste{"Wklej", "Paste"};
inline constexpr Msg kSelectAll{"Zaznacz wszystko", "Select All"};
inline constexpr Msg kTitleSuffix{" - Klient FTP", " - FTP Client"};
inline constexpr Msg kServerInfo{"<Dane serwera FTP>", "<Info FTP server>"};
inline constexpr Msg kSession{"Sesja:  ", "FTP session:  "};
inline constexpr Msg kUser{"Użytkownik/Konto:  ", "User/Kont:  "};
inline constexpr Msg kServerName{"Nazwa serwera FTP:  ", "FTP server name:  "};
inline constexpr Msg kPassword{"Hasło użytkownika:  ", "User password:  "};

// Hints of the log window's buttons (Polish in both languages, as designed).
inline constexpr const char* kSaveHint = "Zapisz logi";
inline constexpr const char* kPrintHint = "Drukuj";
inline constexpr const char* kFontHint = "Wybierz czcionkę";
inline constexpr const char* kClearHint = "Czyść edytor";
inline constexpr const char* kCloseHint = "Zamknij okno";

inline constexpr const char* kProductName = "KORVANTE 2.5.5";
inline constexpr const char* kSaveName = "Logi";
inline constexpr const char* kSaveFilter = "*.txt";

} // namespace logtext
