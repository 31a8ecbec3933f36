#pragma once
// The texts of the transfer queue and of its editor window, in both languages.

#include "platform/msg.h"

namespace queuetext {

inline constexpr const char* kQueueOn = "BUF";
inline constexpr const char* kQueueOff = "N-BUF";

inline constexpr Msg kEmptyQueue{"Nie masz zabuforowanych żadnych plików",
                                 "Not buffered anymore files"};
inline constexpr Msg kHeading{"Ściąganie zabuforowanych plików. Czekaj...",
                              "Dowland buffered files. Please Wait..."};
inline constexpr Msg kBatchLine{"Ściąganie: (%1) z (%2) zabuforowanych plików...",
                                "Dowland: (%1) from (%2) buffered files..."};
// A queued file whose folder could not be entered is not fetched from elsewhere.
inline constexpr Msg kFolderGone{"Nie można otworzyć katalogu na serwerze: ",
                                 "Cannot open the directory on the server: "};

// The editor TForm21.
inline constexpr Msg kCaption{"Edycja buforowania plików", "Buffor files edit"};
inline constexpr Msg kRemoveSelected{"Usuń zaznaczony", "Remove selected"};
inline constexpr Msg kRemoveAll{"Usuń wszystkie", "Remove All"};
inline constexpr Msg kMenuRemoveSelected{"Usuń zaznaczony plik", "Remove selected file"};
inline constexpr Msg kMenuRemoveAll{"Usuń wszystkie pliki", "Remove All files"};
inline constexpr Msg kClose{"Zamknij", "Close"};
inline constexpr Msg kMenuClose{"Zamknij okno", "Close Window"};
inline constexpr Msg kCount{"Zabuforowano plików: ", "Buffered files: "};
inline constexpr Msg kTotal{"Rozmiar całkowity: ", "Total size: "};

} // namespace queuetext
