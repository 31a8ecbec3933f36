#pragma once
// Messages of the application shell, in both languages.

#include "platform/msg.h"

namespace shell_texts {

inline constexpr Msg kExitWhileConnected{
    "Jesteś aktualnie połączony z serwerem FTP. Czy napewno chcesz się rozłączyć i zamknąć "
    "program?",
    "You are connect now with FTP server. Do you want disconnect and close application?"};
// The error box for a failure no handler caught that carries no text of its own.
inline constexpr Msg kUnknownError{"Nieoczekiwany błąd programu", "Unexpected program error"};
inline constexpr Msg kHelpMissing{"BŁĄD: Nie mogę odszukać programu pomocy na Twoin dysku",
                                  "ERROR: Cannot find help program on Your disk"};
inline constexpr Msg kDefaultFolderMissing{"Brak na dysku katalogu domyślnego",
                                           "Not found default directory"};
inline constexpr Msg kKonfBadLine{
    "Błąd w pliku konf.dat, wiersz %1: '%2' nie jest liczbą całkowitą.\n"
    "Ustawienia z dalszych wierszy nie zostały wczytane.",
    "Error in konf.dat, line %1: '%2' is not a valid integer value.\n"
    "The settings of the following lines were not read."};

// Appended to the log pane when konf.dat is missing.
inline const char* const kKonfMissingLines[] = {
    "   BRAK PLIKU KONFIGURACYJNEGO NA TWOIM DYSKU",
    "   W oknie USTAWIENIA w zakładce INNE wciśnij przycisk: ZASTOSUJ USTAWIENIA WBUDOWANE.",
    "   I uruchom program ponownie",
    "   **** ENGLISH****",
    "   I CANNOT FIND CONFIG FILE ON YOUR DISK",
    "   Enter Button: LOAD BUILDED OPTIONS in The Page OTHER from window OPTIONS.",
    "   And run program again",
};

// The program folder could not be written: where the settings go instead.
inline constexpr Msg kFolderNotWritable{
    "Nie mogę zapisywać w katalogu %1.\nUstawienia i listy serwerów będą zapisywane w: %2",
    "Cannot write to the folder %1.\nSettings and server lists will be saved in: %2"};

inline constexpr const char* kAppTitle = "KORVANTE 2.5.5";
inline constexpr const char* kVersion = "2.5.5";
// The maker's site; the web-page command opens its about page.
inline constexpr const char* kMakerSite = "https://korvante.example.org/";

} // namespace shell_texts
