#pragma once
// Texts of the file properties windows TForm11 (remote) and TForm12 (local).

#include "platform/msg.h"

namespace proptext {

inline constexpr Msg kHeader{"Właściwości pliku", "File properties"};
inline constexpr Msg kWait{"Proszę czekać...", "Please wait..."};
inline constexpr Msg kFromServer{"Plik z serwera FTP:", "File from FTP server:"};
inline constexpr Msg kName{"Nazwa pliku:", "File name:"};
inline constexpr Msg kFolder{"Plik jest w katalogu:", "File is in directory:"};
inline constexpr Msg kSize{"Rozmiar pliku:", "File size:"};
inline constexpr Msg kType{"Typ pliku:", "File type:"};
inline constexpr Msg kModified{"Modyfikowany:", "Modified:"};
inline constexpr Msg kAttributes{"Atrybuty", "Attribute"};
inline constexpr Msg kOwner{"Właściciel", "Owner"};
inline constexpr Msg kGroup{"Grupa", "Group"};
inline constexpr Msg kOthers{"Publiczny/Inni", "Public/Other"};
inline constexpr Msg kRead{"Czytanie", "Read"};
inline constexpr Msg kWrite{"Zapisywanie", "Write"};
inline constexpr Msg kExecute{"Wykonywanie", "Execute/List"};

inline constexpr Msg kRemoteNotConnected{"Nie jesteś połączony z żadnym serwerem FTP",
                                         "You are not connect for anymore FTP server"};
inline constexpr Msg kNoLocalFile{"Nie zaznaczono żadnego pliku", "Not select anymore file"};

} // namespace proptext
