#pragma once
// Texts of the local file panel, in both languages.

#include "platform/msg.h"

namespace local_panel_texts {

inline constexpr Msg kMaskCaption{"Filtruj pliki...", "Filter files..."};
inline constexpr Msg kMaskPrompt{"Wpisz maskę filtracji np.(*.doc)",
                                 "Write The filter mask np.(*.doc)"};
inline constexpr Msg kNewFolderCaption{"Nowy katalog lokalny", "New local directory"};
inline constexpr Msg kNewFolderPrompt{"Nazwa katalogu...", "Directory name..."};
// This question is Polish in both languages.
inline constexpr Msg kDeleteFilesQuestion{
    "Czy napewno chcesz usunąć plik(i) z Twojego komputera? ",
    "Czy napewno chcesz usunąć plik(i) z Twojego komputera? "};
inline constexpr Msg kDeleteFilesTitle{"KORVANTE - Usunięcie", "KORVANTE - Usunięcie"};
inline constexpr Msg kNothingToDelete{"Nie zaznaczono żadnego pliku do usunięcia",
                                      "Not select anymore file for delete"};
inline constexpr Msg kDeletingFiles{"Usuwanie plików lokalnych...", "Deleting local files..."};
inline constexpr Msg kFilesDeleted{"Pliki usunięto...", "End delete..."};
inline constexpr Msg kNothingToOpen{"Nie zaznaczono żadnego pliku do otwarcia lub uruchomienia",
                                    "Not select anymore file for open or run"};
inline constexpr Msg kFindFileCaption{"Szukanie pliku...", "Find file..."};
inline constexpr Msg kFindFilePrompt{"Wpisz nazwę pliku, który chcesz znaleźć",
                                     "Write file name what do You want find"};
inline constexpr Msg kFindFolderCaption{"Szukanie katalogu...", "Find directory..."};
inline constexpr Msg kFindFolderPrompt{"Wpisz nazwę katalogu, który chcesz znaleźć",
                                       "Write directory name what do You want find"};
inline constexpr Msg kDeleteFolderQuestion{"Czy napewno chcesz usunąć zaznaczony katalog?",
                                           "Do you want delete selected directory?"};
inline constexpr Msg kDeleteFolderTitle{"KORVANTE - Usunięcie", "KORVANTE - Removing"};
inline constexpr Msg kWholeDisk{"BŁĄD: Nie możesz usunąć całego dysku",
                                "ERROR: You cannot remove all disk"};
inline constexpr Msg kRenameFolderCaption{"Nowa nazwa katalogu", "New directory name"};
inline constexpr Msg kRenameFolderPrompt{"Nazwa katalogu...", "Directory name..."};

} // namespace local_panel_texts

namespace case_dialog_texts {

inline constexpr Msg kTitle{"Zmień...", "Change..."};
inline constexpr Msg kWaitTitle{"Czekaj...", "Wait..."};
inline constexpr Msg kGroup{"Opcje zmiany", "Change option"};
inline constexpr Msg kChange{"Zmień", "Change"};
inline constexpr Msg kCancel{"Anuluj", "Cancel"};
inline constexpr Msg kLower{"Zmień nazwy wszystkich plików na małe litery",
                            "Change all files name on the lower letters"};
inline constexpr Msg kUpper{"ZMIEŃ NAZWY WSZYSTKICH PLIKÓW NA DUŻE LITERY",
                            "CHANGE ALL FILES NAME ON THE UPPER LETTERS"};
inline constexpr Msg kDone{"Wykonano w: ", "Down in: "};
inline constexpr Msg kUpperRefused{
    "Nie masz wystarczających praw dostępu aby przeprowadzać zmiany na plikach ",
    "You cannot right rename files: Permision danied"};
inline constexpr Msg kLowerRefused{
    "Nie masz wystarczających praw dostępu aby zmienić nazwę katalogu",
    "You cannot rename directory: Permision danied"};

} // namespace case_dialog_texts
