#pragma once
// Texts of the settings dialog TUstawienia and of the password prompt TForm14,
// in both languages.

#include "platform/msg.h"

namespace settings_texts {

// The start categories as the dialog names them; the position is the number
// written into line 9 of konf.dat. The list offers the first nine.
inline constexpr const char* kCategoryLabels[] = {
    "FIRMY",    "MIASTA", "SZKOŁY - UCZELNIE", "PROGRAMY", "MUZYKA", "ULUBIONE",
    "PRYWATNE", "INNE",   "WSZYSTKIE SERWERY", "PYTAJ?"};
inline constexpr const char* kChosenCategoryStatus = "Wybrany serwer z kategorii: ";

inline constexpr Msg kRestartOffer{
    "UWAGA: Nowe ustawienia wejdą w życie po ponownym uruchomieniu programu.\n"
    "Czy chcesz ponownie uruchomić KORVANTĘ?",
    "ATENTION: Some new configuration have been after reboot program again.\n"
    "Do you want reboot KORVANTE now?"};
inline constexpr Msg kErrorFileDeleted{
    "Plik z danymi o błędach ściągania, został usunięty z powodzeniem",
    "The dowland data file about error deleted"};
inline constexpr Msg kErrorFileMissing{"Nie znalazłem na dysku pliku z błędami ściągania plików",
                                       "Not find The dowland error file on Your disk"};
inline constexpr Msg kErrorFileNotDeleted{
    "BŁĄD: Nie mogę usunąć pliku z błędami ściągania (error.dat)",
    "ERROR: Cannot delete The dowland error file (error.dat)"};
inline constexpr Msg kKonfNotWritten{"BŁĄD: Nie mogę zapisać pliku konfiguracyjnego konf.dat.\n"
                                     "Ustawienia nie zostały zmienione.",
                                     "ERROR: Cannot write the config file konf.dat.\n"
                                     "The options have not been changed."};

// Access password: the settings dialog's part.
inline constexpr Msg kPasswordEmpty{"Pole: Hasło nie może być puste",
                                    "The control: Password cannot be empty"};
inline constexpr Msg kPasswordDeleted{"Hasło zostało usunięte", "The Password deleted"};
inline constexpr Msg kPasswordNotWritten{
    "BŁĄD: Nie mogę zapisać hasła w pliku pas.dat. Program nie jest zabezpieczony hasłem.",
    "ERROR: Cannot write the password to pas.dat. The program is not secured by password."};
inline constexpr Msg kPasswordNotDeleted{
    "BŁĄD: Nie mogę usunąć pliku pas.dat. Hasło nadal jest aktywne.",
    "ERROR: Cannot delete pas.dat. The password is still active."};

// The password prompt TForm14 (its English texts are used when the flag is 0).
inline constexpr Msg kPromptTitle{"Logowanie...", "Login..."};
inline constexpr Msg kPromptEnabled{"Aktywowano zabezpieczenie programu hasłem",
                                    "Enabled securite password of The program"};
inline constexpr Msg kPromptWrite{"Wpisz hasło dostępu:", "Write access password:"};
inline constexpr Msg kPromptCancel{"Anuluj", "Cancel"};
inline constexpr Msg kPromptHelp{"Pomoc", "Help"};
inline constexpr Msg kWrongPassword{"Wprowadzono błędne hasło dostępu. Spróbuj ponownie...",
                                    "You write bad access password. Try again..."};

} // namespace settings_texts
