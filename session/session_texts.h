#pragma once
// Texts of the remote session: connecting, the reply table, the listing and
// quick connect.

#include "platform/msg.h"

namespace sessiontext {

inline constexpr const char* kBoxCaption = "KORVANTE - FTP";

// Connecting and disconnecting.
inline constexpr Msg kPasswordMissing{
    "BŁĄD: Aby wejść na serwer FTP:\r\nMusisz wybrać serwer z listy\r\nWpisać hasło użytkownika "
    "(jeżeli w bazie hasło nie zostało zapisane)",
    "ERROR: If you want enter to FTP server\r\nYou have to select server on the list\r\nWrite "
    "User password (if password not writed)"};
inline constexpr Msg kConnecting{"Łączenie...", "Connectiong..."};
inline constexpr Msg kSelectServer{"Wybierz na liście serwerów FTP komputer z którym chcesz się "
                                   "połączyć",
                                   "Select a FTP server on The list"};
inline constexpr Msg kBrokenByUser{"Połączenie z serwerem FTP zostało przerwane na życzenie "
                                   "użytkownika",
                                   "The connect from FTP server break by User"};
inline constexpr Msg kTimedOut{"Połączenie z serwerem FTP zostało przerwane (Upłynął maksymalny "
                               "limit czasu: 30 sekund)",
                               "The connect from FTP server break (TimeOut: 30 seconds)"};
inline constexpr Msg kConnectErrorHead{"Błąd połączenia na serwer: ", "Error connect to server: "};
inline constexpr Msg kConnectErrorReasons{
    " Możliwe przyczyny:\r\n- Błędne hasło lub nazwa użytkownika\r\n- Serwer nie nasłuchuje na "
    "tym porcie\r\n- Upłynął max czas oczekiwania na odpowiedź\r\n- Nie istnieje taki serwer "
    "FTP\r\n- Połączenie przerwane przez użytkownika \r\n- Aktualnie, za duża liczba użytkowników "
    "na serwerze\r\nJeżeli chcesz  wiedzieć więcej, najlepiej przejrzyj listę logów!",
    " Errors list:\r\n- Bad User name or password\r\n- Server not listen on this port\r\n- Max "
    "lost time is too long\r\n- Unknow this FTP server\r\n- Connect break by User \r\n- Actual, "
    "to many Users on this server\r\nIf you want more info, browse logs list!"};
inline constexpr Msg kDisconnected{"Rozłączono...", "Disconneced..."};
inline constexpr Msg kReconnecting{"Połączenie z serwerem zostało utracone. Łączenie ponownie...",
                                   "The connection to the server was lost. Connecting again..."};

// Layout and counters.
inline constexpr Msg kServerListTitle{" Lista serwerów FTP", " FTP server list"};
inline constexpr Msg kLocalHostTitle{" Lokalny komputer", " Local host"};
inline constexpr Msg kFilesCount{"Plików: ", "Files: "};
inline constexpr Msg kFoldersCount{"Katalogów: ", "Directories: "};
inline constexpr Msg kServersCount{"Zapisanych serwerów: ", "Saved servers: "};
inline constexpr Msg kRemoteCount{"Plików/katalogów na FTP: ", "Files/directories on the FTP: "};

// The reply table of a failed listing.
inline constexpr Msg kNoAccess{"Serwer nie przyznał ci prawa wejścia. Prawdopodobnie serwer nie "
                               "jest udostępniony lub administrator zablokował dostęp",
                               "You have not rights enter. Server not shared or The Admin lock "
                               "server now"};
inline constexpr Msg kNoPermission{"Nie masz wystarczających praw otwarcia..., wejścia...",
                                   "You have not rights open..., enter... Permission denied"};
inline constexpr Msg kTransferAborted{"Prawdopodobnie przerwano ściąganie plików, więc zostałeś "
                                      "rozłączony przez serwer FTP (Komenda: ABORT)",
                                      "I thing, you break dowland files, then you was disconnect "
                                      "from FTP server (Commend: ABORT)"};
inline constexpr Msg kUnknownError{"Nieznany błąd ze strony serwera FTP. Zostaniesz rozłączony ",
                                   "Unknow error form FTP server. You will be disconnect"};

// Listing commands.
inline constexpr Msg kNotConnected{"Nie jesteś połączony z żadnym serwerem FTP",
                                   "You are not connect from FTP server"};
inline constexpr Msg kNotConnectedFilter{"Nie jesteś połączony z żadnym serwerem FTP",
                                         "You are not connect from anymore FTP server"};
inline constexpr Msg kFilterCaption{"Filtruj pliki...", "Filter files..."};
inline constexpr Msg kFilterPrompt{"Wpisz maskę filtracji np.(htm)",
                                   "Write The filter mask np.(htm)"};
inline constexpr Msg kKontHint{"Schowaj - pokaż pliki/katalogi", "Hide - Show files/directories"};

} // namespace sessiontext
