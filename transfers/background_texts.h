#pragma once
// The texts of the background sessions. They are shown only for the language
// flags 1 (Polish) and 0 (English).

#include "platform/msg.h"

namespace backgroundtext {

inline constexpr Msg kNoSessionData{
    "Nie można otworzyć nowej sesji FTP + \r\nSprawdź czy Pola: Server, Nazwa użytkownika i hasło "
    "nie są puste i spróbuj ponownie",
    "The KORVANTE cannot creating new session on The FTP + \r\nWrite Server name, User or "
    "password and tray again"};
inline constexpr Msg kNothingSelected{"Nie zaznaczono żadnych plików do wysłania",
                                      "No select any more files"};
inline constexpr Msg kUploadProgramMissing{"Nie mogę odszukać programu Nowej sesji na Twoim dysku",
                                           "Cannot find new session program on Your disk"};
inline constexpr Msg kDownloadProgramMissing{"Brak na dysku programu nowej sesji",
                                             "Cannot fint new session program on Your disk"};
inline constexpr const char* kErrorCaption = "KORVANTE - BŁĄD";
inline constexpr Msg kNoDataCaption{"KORVANTE - Brak danych", "KORVANTE - Not data"};
inline constexpr const char* kFtpCaption = "KORVANTE - FTP";
inline constexpr const char* kProgramCaption = "KORVANTE 2.5.5";
// The job file could not be written (a read-only program folder, a full disk).
inline constexpr Msg kJobNotWritten{"Błąd wejścia/wyjścia: nie można zapisać pliku ",
                                    "Input/output error: cannot write the file "};
inline constexpr Msg kNotStarted{"Nie można uruchomić programu nowej sesji: ",
                                 "Cannot start the new session program: "};

} // namespace backgroundtext
