#pragma once
// Captions of the quick-connect dialog.

#include "platform/msg.h"

namespace quickconnect {

inline constexpr Msg kTitle{"Dynamiczne łączenie z serwerem FTP",
                            "Dynamic connecting with FTP server"};
inline constexpr Msg kLabel1{
    "Okno służące do łączenia się z serwerami FTP w przypadku gdy nie mamy",
    "Dynamic connecting window from FTP server"};
inline constexpr Msg kLabel2{"danego serwera zapisanego w bazie można w ten sposób sprawdzać",
                             "in situactions where not have writen server on The data base"};
inline constexpr Msg kLabel3{
    "czy posiadamy poprawne dane o serwerze lub nie chcemy mieć go na stałe ale",
    "and cannot veryfy right data server or We do not save this server"};
inline constexpr Msg kLabel4{"chcemy teraz do niego wejść.",
                             "but We want enter this FTP server now."};
inline constexpr Msg kLabel5{"Adres serwera FTP", "Host name"};
inline constexpr Msg kLabel6{"Użytkownik", "User name"};
inline constexpr Msg kLabel7{"Hasło", "Password"};
inline constexpr Msg kAnonymous{"Anonimowy użytkownik", "Anonymous User"};
inline constexpr Msg kConnect{"Połącz", "Connect"};
inline constexpr Msg kCancel{"Anuluj", "Cancel"};
inline constexpr Msg kPortLabel{"Port serwera FTP", "FTP server port"};
inline constexpr Msg kPassive{"Użyj trybu pasywnego", "Use passive mode"};
inline constexpr Msg kTrace{"Pokazuj trasę routingu", "Show routing trace"};

inline constexpr Msg kAnonymousPasswordLabel{"Jako hasło wpisz adres e-mail",
                                             "Password you must write e-mail address"};
inline constexpr Msg kOwnPasswordLabel{"Twoje hasło użytkownika", "Your user name"};
inline constexpr Msg kConnectingTitle{"Łączenie...", "Connecting..."};
inline constexpr Msg kConnectErrorHead{"Błąd połączenia na serwer: ", "Error connect to server: "};
inline constexpr Msg kConnectErrorReasons{
    " Możliwe przyczyny:\r\n-Błędne hasło lub nazwa użytkownika\r\n-Serwer nie nasłuchuje na tym "
    "porcie\r\n-Upłynął max czas oczekiwania na odpowiedź",
    " Errors list:\r\n-Bad User name or passwort\r\n-Server not listen on this port\r\n-Max lost "
    "time is too long"};

} // namespace quickconnect
