#pragma once
// Texts of the folder chooser, in both languages.

#include "platform/msg.h"

namespace folder_chooser_texts {

inline constexpr Msg kTitle{"Wybierz katalog...", "Select directory..."};
inline constexpr Msg kCancel{"Anuluj", "Cancel"};
inline constexpr Msg kNew{"Nowy katalog", "New directory"};
inline constexpr Msg kRemove{"Usuń zaznaczony katalog", "Remove selected directory"};
inline constexpr Msg kRefresh{"Odśwież", "Refresh"};
inline constexpr Msg kFind{"Szukaj katalogu...", "Find directory..."};

inline constexpr Msg kNewCaption{"Nowy katalog lokalny", "New local directory"};
inline constexpr Msg kNewPrompt{"Nazwa katalogu...", "Directory name..."};
inline constexpr Msg kFindCaption{"Szukanie katalogu...", "Find directory..."};
inline constexpr Msg kFindPrompt{"Wpisz nazwę katalogu, który chcesz znaleźć",
                                 "Write directory name what do You want find"};
inline constexpr Msg kRemoveQuestion{"Czy napewno chcesz usunąć zaznaczony katalog? ",
                                     "Do you want delete selected directory?"};
inline constexpr Msg kRemoveWholeDisk{"BŁĄD: Nie możesz usunąć całego dysku",
                                      "ERROR: You cannot remove all disk"};

} // namespace folder_chooser_texts
