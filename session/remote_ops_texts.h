#pragma once
// Texts of the commands that change or inspect the remote folder, and of the
// command line window TForm9.

#include "platform/msg.h"

namespace remoteops_text {

inline constexpr Msg kNotConnected{"Nie jesteś połączony z żadnym serwerem FTP",
                                   "You are not connect from anymore FTP server"};

// New folder.
inline constexpr Msg kNewFolderCaption{"Utwórz nowy katalog na FTP",
                                       "Create new directory on The FTP"};
inline constexpr Msg kNewFolderPrompt{"Nazwa tworzonego katalogu", "Directory name"};
inline constexpr Msg kNewFolderRefused{
    "Nie masz wystarczających praw dostępu aby tworzyć nowy katalog",
    "You cannot Create new directory: Permision danied"};

// Delete. The question and its caption are Polish in both languages.
inline constexpr const char* kDeleteQuestion = "Czy napewno chcesz usunąć plik(i) z serwera FTP?";
inline constexpr const char* kDeleteCaption = "KORVANTE - Usunięcie";
inline constexpr Msg kNothingToDelete{"Nie zaznaczono żadnego pliku - katalogu na liście do "
                                      "usunięcia",
                                      "No select anymore file - directory for deleting"};
inline constexpr Msg kDeletingHeading{"Usuwanie plików...", "Deleting files..."};
inline constexpr Msg kDeletingFolder{"Usuwanie katalogu: ", "Delete directory: "};
inline constexpr Msg kDeletingFile{"Usuwanie pliku: ", "Delete file: "};
inline constexpr Msg kRmdTimedOut{"Połączenie z serwerem FTP zostało przerwane (Upłynął "
                                  "maksymalny limit czasu: 30 sekund)",
                                  "The connect from FTP server break (TimeOut: 30 seconds)"};
inline constexpr Msg kRmdNoRights{"Serwer FTP nie przyznał ci prawa do usunięcia plików (Kod "
                                  "błędu: 550)",
                                  "FTP server disabled rights to delete files (Error code: 550)"};
inline constexpr Msg kRmdOther{"Serwer FTP odrzucił polecenie port list (Kod błędu: 500)",
                               "The FTP server illegal commend port list (Error code: 500)"};
inline constexpr Msg kFolderNotDeleted{"Nie masz wystarczających praw dostępu aby usunąć katalog",
                                       "You cannot delete directory: Permision danied"};
inline constexpr Msg kFileNotDeleted{"Nie masz wystarczających praw dostępu aby usunąć plik",
                                     "You cannot delete file: Permision danied"};

// Rename.
inline constexpr Msg kNothingToRename{
    "Nie jesteś połączony z żadnym serwerem FTP, lub nie zaznaczono żadnego katalogu/pliku do "
    "zmiany nazwy",
    "You are not connect from anymore FTP server, or not select anymore directory/file to change "
    "name"};
inline constexpr Msg kRenameCaption{"Zmień nazwę katalogu lub pliku",
                                    "Change directory or file name"};
inline constexpr Msg kRenamePrompt{"Nowa nazwa...", "New name..."};
inline constexpr Msg kRenameRefused{"Nie masz wystarczających praw dostępu aby zmienić nazwę "
                                    "katalogu",
                                    "You cannot rename directory: Permision danied"};

// Command line window TForm9.
inline constexpr Msg kCommandTitle{"Linia komend FTP", "FTP command line"};
inline constexpr Msg kCommandRun{"Wykonaj", "Do it"};
inline constexpr Msg kCommandCancel{"Anuluj", "Cancel"};
inline constexpr Msg kCommandWindowLabel{"Okno wykonywania niestandardowych komend FTP",
                                         "Window FTP commands..."};
inline constexpr Msg kCommandPrompt{"Tu wpisz komendę FTP...", "Here write FTP command..."};
inline constexpr Msg kCommandOptions{"Opcje:", "Options:"};
// The second Polish entry keeps the spelling the program always showed.
inline constexpr Msg kCommandModeSite{"Komenda FTP", "FTP command"};
inline constexpr Msg kCommandModeInfo{"Inforamcje o serwerze", "Info about server"};
inline constexpr Msg kCommandLineBreak{"Komenda FTP nie może zawierać znaku końca wiersza",
                                       "A FTP command cannot hold a line break"};
inline constexpr Msg kCommandEmpty{"Wpisz w polu komendę FTP którą mam wykonać",
                                   "Write a FTP command on text controll, then I am do it"};

// Open or run a remote file.
inline constexpr Msg kOpenFailed{"Wystąpiły nieznane błędy: Nie mogę otworzyć pliku...",
                                 "There was unknow errors .I can not open file..."};

} // namespace remoteops_text
