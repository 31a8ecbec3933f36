#pragma once
// Texts of the server directory, in both languages.

#include "platform/msg.h"

namespace servers::texts {

// Category items of the kat1 submenu.
inline constexpr Msg kMenuFirmy{"Firmy", "Company"};
inline constexpr Msg kMenuMiasta{"Miasta", "City"};
inline constexpr Msg kMenuSzkoly{"Szkoły - Uczelnie", "Schools - College"};
inline constexpr Msg kMenuProgramy{"Programy", "Programs"};
inline constexpr Msg kMenuMuzyka{"Muzyka", "Music"};
inline constexpr Msg kMenuUlubione{"Ulubione", "Favorite"};
inline constexpr Msg kMenuPrywatne{"Prywatne", "Private"};
inline constexpr Msg kMenuInne{"Inne", "Other"};
inline constexpr Msg kMenuWszystkie{"Wszystkie serwery", "All servers"};
inline constexpr Msg kMenuKategorie{"Kategorie", "Caterory"};

// Columns of ftp_lista.
inline constexpr Msg kLoginAnonymous{"Anonimowy", "Anonymous"};
inline constexpr Msg kLoginUser{"Użytkownik", "User"};
inline constexpr Msg kPasswordSavedYes{"TAK", "YES"};
inline constexpr Msg kPasswordSavedNo{"NIE", "NO"};

// Status bar texts; Polish in both languages.
inline constexpr char kOpenCategory[] = "Otwarta kategoria: ";
inline constexpr char kInneCategory[] = "Kategoria: INNE";
inline constexpr char kSelectedFromCategory[] = "Wybrany serwer z Kategorii: ";
inline constexpr char kSelectedFromNone[] = "Wybrany z Kat: BRAK";

// Loading.
inline constexpr Msg kLoadError{
    "Brak katalogu źródłowego na dysku lokalnym.\n"
    "Zmień domyślną ścieżkę lokalną uruchamiania programu (Menu: Ustawienia)",
    "Error: Not found directory on the local disk.\nChange default local path (Menu: Options)"};
inline constexpr Msg kAllServersLoadError{
    "Brak na dysku domyślnego katalogu skąd mam ładować program\n"
    "Ustaw inną domyślną ścieżkę uruchamiania programu",
    "Not find on the disk default directory\nSelect other default path of running program"};

// Deleting.
inline constexpr Msg kRemovingCaption{"KORVANTE - Usunięcie", "KORVANTE - Removing"};
inline constexpr Msg kSelectToDelete{"Wybierz na liście serwerów FTP komputer który masz zamiar "
                                     "usunąć",
                                     "Select a deleting server name from The list"};
inline constexpr Msg kAskDeleteServer{"Czy napewno chcesz usunąć serwer: ",
                                      "Do You want delete server: "};
inline constexpr Msg kAskEmptyCategory{"Czy napewno chcesz usunąć wszystkie serwery z tej "
                                       "kategorii?",
                                       "Do You want delete All servers on this category?"};
inline constexpr Msg kAskEmptyAll{"Czy napewno chcesz usunąć wszystkie serwery?",
                                  "Do You want delete All servers?"};
inline constexpr Msg kRewriteFailed{"Nie mogę zapisać pliku listy serwerów: ",
                                    "Cannot write the server list file: "};

// Print report; Polish in both languages.
inline constexpr char kReportHeader[] = " Lista serwerów z kategorii: ";
inline constexpr char kReportServerNo[] = " Serwer Nr: ";
inline constexpr char kReportSession[] = "   Sesja: ";
inline constexpr char kReportUser[] = "   Nazwa użytkownika: ";
inline constexpr char kReportHost[] = "   Nazwa serwera: ";
inline constexpr char kReportPassword[] = "   Haslo: UKRYTE";
inline constexpr char kReportPort[] = "   Port: ";
inline constexpr char kReportSeparator[] = " ----------------------------------";

// Search bar.
inline constexpr Msg kSearchWholeNames{"Szukaj wg całych nazw", "Search by All words"};
inline constexpr Msg kSearchButton{"Szukaj", "Search"};

// Setup wizard TF_kreator.
inline constexpr Msg kWizardTitle{"Klient FTP", "FTP Client"};
inline constexpr Msg kWizardWelcome{"Witamy w programie KORVANTE", "Welcome to KORVANTE program"};
inline constexpr Msg kWizardPrompt{"Wybierz kategorię serwerów którą mam uruchomić... ",
                                   "Select a category from You want run..."};
inline constexpr Msg kWizardLoad{"ZAŁADUJ", "LOAD"};
inline constexpr Msg kWizardQuit{"Zamknij program", "Close program"};
inline constexpr Msg kWizardStatus{"Wybierz kategorię...", "Select category..."};
inline constexpr Msg kWizardSelected{"Wybrano kategorię: ", "Selected category: "};
// Category descriptions, Polish in both languages.
inline constexpr char kWizardDescriptionStart[] = "W tej kategorii powinny znajdować się serwery";
inline constexpr const char* kWizardDescriptions[9][2] = {
    {"konkretnych firmowe, np. HP, Microsoft", "SUN Microsystems, Norvex itp."},
    {"konkretnych miejscowości, np. Warszawa, Łódź,", "Berlin, Oslo, Paryż, Rzym itp."},
    {"szkół i uczelni (materiały dla uczniów i studentów)", "informatyczne pomoce naukowe itp."},
    {"z programami edukacyjnymi, narzędziowymi itp.", nullptr},
    {"z muzyką np. MP3, Wave, informacje o koncertach", nullptr},
    {"dowolne według uznania użytkownika", nullptr},
    {"prywatne dla danego użytkownika (osobiste)", nullptr},
    {"dowolne według uznania użytkownika", "które nie należą do żadnej z powyższych kategorii"},
    {"W tej kategorii znajdują się wszystkie serwery", "zapisane w programie KORVANTE"},
};

} // namespace servers::texts
