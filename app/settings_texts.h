#pragma once
// Texts of the settings dialog TUstawienia and of the password prompt TForm14,
// in both languages.

#include "platform/msg.h"

namespace settings_texts {

// One switchable text of a window: the control's object name, its design
// (Polish) text and its English text. "name#i" names page i of a tab widget.
struct Caption {
    const char* name;
    const char* pl;
    const char* en;
};

inline constexpr Caption kDialogCaptions[] = {
    {"TUstawienia", "Ustawienia programu", "Options..."},
    {"lbl_uwaga", "Niektóre nowe ustawienia będą aktywne po ponownym uruchomieniu programu",
     "Some new configuration, after reboot program again"},
    {"Zastosuj", "Zastosuj", "Save"},
    {"Anuluj", "Anuluj", "Cancel"},
    {"PageControl1#0", "Uruchomienie", "Run program"},
    {"PageControl1#1", "FTP", "FTP"},
    {"PageControl1#2", "Język", "Leanguage"},
    {"PageControl1#3", "Kolory", "Colors"},
    {"PageControl1#4", "Inne", "Other"},
    {"PageControl1#5", "Kategorie", "Category"},
    {"r_max2", "Uruchamiaj w postani zmaksymilizowanej", "Running program maximized"},
    {"r_n2", "Uruchamiaj w postaci normalnej", "Running program normal"},
    {"Label1", "Zawsze uruchamiaj z tej lokalizacji", "Always run this location"},
    {"zmien_katalog", "Zmień domyślny katalog", "Change default directory"},
    {"pas2", "Przy połączeniu używaj trybu pasywnego", "Use passive mode"},
    {"trasa2", "Wyświetlaj dialog z serwerem FTP (trasa routingu)", "Show trace routing table"},
    {"ukryj_pass", "Przy połączeniu ukrywaj hasło użytkownika",
     "On the connect hide User password"},
    {"blad_pol", "Przy zerwanym połączeniu automatycznie łącz się z danym serwerem...",
     "If dowlanding error or break, automatic connect with This server..."},
    {"r_okno3", "Pokazuj w oknie tylko listę serwerów FTP", "Show only FTP server list"},
    {"r_okno4", "Pokazuj w oknie zarówno serwery jak i katalogi FTP",
     "Show directory list And FTP servers"},
    {"r_polski2", "Polski", "Polish"},
    {"r_angielski2", "Angielski", "English"},
    {"lbl_okno", "Kolor kontrolek:", "Color All controls"},
    {"zmiana_okno", "Zmień->", "Change->"},
    {"lbl_text2", "Kolor tekstu:", "Color text"},
    {"zmiana_text", "Zmień->", "Change->"},
    {"Button1", "Domyślne kolory", "Default colors"},
    {"CheckBox1", "Zabezpiecz program hasłem", "Securite password of program"},
    {"lbl_haslo", "Wpisz hasło:", "Write password:"},
    {"usun_haslo", "Usuń hasło", "Delete password"},
    {"usun_error", "Usuń zapis automatycznego łączenia przy przerwanym ściąganiu...",
     "Delete saved automatic connect by dowland break or error"},
    {"domyslne", "Zastosuj ustawienia wbudowane", "Load builded options"},
    {"Label3", "Uruchamiaj listę serwerów zawsze z kategorii",
     "Always run server list on this category"},
    {"lbl_kat", "Wybrana kategoria", "Checked category"},
    {"kreator", "Przed uruchomieniem, pytaj którą kategorię chcę wybrać",
     "Before run, ask whos opened category"},
};

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
