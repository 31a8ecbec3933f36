#pragma once
// The texts of the interrupted-download replay and its window TForm20.

#include "platform/msg.h"

namespace replaytext {

// TForm20's captions: Polish from the layout, English while the flag is 0.
inline constexpr Msg kHeading{"UWAGA:", "ATENTION:"};
inline constexpr Msg kBroken{"Ostatnie ściąganie plików z serwera FTP zostało przerwane!",
                             "The last dowlanding file from FTP server break!"};
inline constexpr Msg kAutomatic{"W programie ustawiono automatyczne łączenie  się z serwerem w "
                                "przypadku zerwania połączenia",
                                "User selected automatic connect, when connecting break"};
inline constexpr Msg kTrying{"KORVANTE próbuje połączyć się z serwerem:",
                             "The KORVANTE try connect with server:"};
inline constexpr Msg kNotFinished{"Plik nie ściągnięty do końca:", "Not dowland file end:"};
inline constexpr Msg kStatus{"Próba połączenia. Proszę czekać...", "Try connect. Please Wait..."};
inline constexpr Msg kStop{"Zatrzymaj", " Stop connect"};
inline constexpr Msg kStopped{"Zatrzymano połączenie do servera przez użytkownika",
                              "Break connecting for server by User"};

// The two log lines (19 blanks in front of each).
inline constexpr Msg kLogConnected{"                   Automatycznie połączono do serwera: ",
                                   "                   Automatic connect to FTP Server: "};
inline constexpr Msg kLogFile{"                   Nie zakończono ściągania pliku: ",
                              "                   Not end dowland file: "};

// A record the replay cannot use is not kept: it would fail at every start.
inline constexpr Msg kRecordBroken{
    "Zapis przerwanego ściągania (error.dat) jest niepełny: brak nazwy serwera, użytkownika, "
    "katalogu lub pliku. Zapis został usunięty.",
    "The record of the interrupted download (error.dat) is incomplete: the server, user, "
    "directory or file name is missing. The record has been removed."};
inline constexpr Msg kFolderMissing{
    "Katalog lokalny przerwanego ściągania nie istnieje: %1\r\nZapis przerwanego ściągania "
    "został usunięty.",
    "The local directory of the interrupted download does not exist: %1\r\nThe record of the "
    "interrupted download has been removed."};
// A replay that did not fetch its file keeps the record for the next start.
inline constexpr Msg kReplayFailed{
    "Nie udało się ponownie ściągnąć pliku: %1\r\nZapis zostaje do następnego uruchomienia "
    "programu.",
    "The file could not be downloaded again: %1\r\nThe record stays for the next start of the "
    "program."};
inline constexpr const char* kCaption = "KORVANTE - FTP";

} // namespace replaytext
