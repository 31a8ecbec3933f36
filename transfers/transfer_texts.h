#pragma once
// The texts of downloading, uploading and the progress window, in both languages.

#include "platform/msg.h"

namespace transfertext {

// Downloading.
inline constexpr Msg kNothingOrOffline{
    "Nie zaznaczono żadnego pliku do ściągnięcia lub nie jesteś połączony z serwerem...",
    "No select anymore file for dowland or You not connect with FTP server..."};
inline constexpr Msg kNotConnected{"Nie jesteś połączony z żadnym serwerem FTP",
                                   "You are not connect from anymore FTP server"};
inline constexpr Msg kNothingSelected{"Nie zaznaczono żadnego pliku do ściągnięcia",
                                      "No select anymore file for dowland"};
inline constexpr Msg kDownloadHeading{"Ściąganie plików. Proszę Czekać...",
                                      "Dowland files. Please Wait..."};
inline constexpr Msg kDownloadBatch{"Ściąganie: (%1) z (%2) plików...",
                                    "Dowland: (%1) from (%2) files..."};
inline constexpr Msg kDownloadFile{"Ściąganie pliku: %1%2[Rozmiar: %3 KB]",
                                   "Dowland file: %1%2[Size: %3 KB]"};
inline constexpr Msg kDownloadEnd{"Ściąganie plików zakończono", "End dowland files"};
inline constexpr Msg kAll{"Całość...", "All..."};
inline constexpr Msg kReplayHeading{"Ściąganie przerwanych plików. Czekaj...",
                                    "Dowland break files. Please Wait..."};
inline constexpr Msg kReplayConnected{"Status: Połączono...", "Status: Connected..."};
inline constexpr Msg kReplayBatch{"Ściąganie: (1) z (1) przerwanych plików...",
                                  "Dowland: (1) from (1) break files..."};
// A file that did not arrive whole is named in the log, never passed over.
inline constexpr Msg kDownloadFailed{"Nie ściągnięto pliku: ", "File not downloaded: "};
// Whole-folder downloads: what was left out of the tree and why.
inline constexpr Msg kNotFollowed{"Pominięto (dowiązanie lub niedozwolona nazwa): ",
                                  "Skipped (link or unsafe name): "};
inline constexpr Msg kFolderNotRead{"Nie odczytano folderu: ", "Folder not read: "};
inline constexpr Msg kFolderNotMade{"Nie utworzono folderu: ", "Folder not created: "};
// An upload the server holds the beginning of: %1 the file, %2 bytes held of %3.
inline constexpr Msg kResumeUpload{
    "Serwer ma już %2 z %3 bajtów pliku %1. Wznowić wysyłanie od miejsca przerwania?",
    "The server already holds %2 of %3 bytes of %1. Continue the upload where it stopped?"};
inline constexpr Msg kUploadFailed{"Nie wysłano pliku: ", "File not uploaded: "};
// A broken upload whose remains the server would not delete.
inline constexpr Msg kPartialLeft{"Na serwerze pozostał niepełny plik: ",
                                  "An incomplete file stays on the server: "};
inline constexpr Msg kReplayFile{"Ściąganie przerwanego pliku: %1%2[Rozmiar: %3 KB]",
                                 "Dowland break file: %1%2[Size: %3 KB]"};

// Uploading.
inline constexpr Msg kNothingToSend{"Nie zaznaczono żadnego pliku do wysłania na serwer FTP",
                                    "Not select anymore file from list on The sent"};
inline constexpr Msg kUploadHeading{"Wysyłanie plików. Proszę Czekać...",
                                    "Upload files. Please Wait..."};
inline constexpr Msg kUploadFile{"Wysyłanie pliku: ", "Sending file: "};
inline constexpr Msg kUploadBatch{"Wysyłanie: (%1) z (%2) plików na serwer FTP",
                                  "Sending: (%1) from (%2) files on The FTP server"};
inline constexpr Msg kTreeBytes{"  [%1 z %2 KB]", "  [%1 of %2 KB]"};
inline constexpr Msg kFileRefused{"Nie masz wystarczających praw dostępu aby wysłać plik",
                                  "You cannot upload file: Permision danied"};
inline constexpr Msg kFolderRefused{"Nie masz wystarczających praw dostępu aby wysłać katalog",
                                    "You cannot upload directory: Permision danied"};

// The progress window's options, set by the batches.
inline constexpr Msg kOptions{"Opcje", "Option"};
inline constexpr Msg kAfterDisconnect{"Po zakończeniu...   Rozłącz się",
                                      "After end...   Disconnect with FTP"};
inline constexpr Msg kAfterClose{"Po zakończeniu...   Zamknij program",
                                 "After end...   Close program"};
inline constexpr Msg kAfterShutdown{"Po zakończeniu...   Zamknij komputer",
                                    "After end...   ShutDown computer"};
inline constexpr Msg kSignal{"Sygnalizuj dźwiękiem...", "Enabled voice signal"};
inline constexpr Msg kSignalReplay{"Włącz sygnał dźwiękowy", "Enabled voice signal"};

// The progress window itself.
inline constexpr Msg kWorking{"Wykonywanie zadania...", "Working..."};
inline constexpr Msg kWorkDone{"Zadanie wykonane...", "End work..."};
inline constexpr Msg kReceiveSpeed{"Szybkość ściągania:                 ",
                                   "Dowland speed:                          "};
inline constexpr Msg kSendSpeed{"Szybkość wysyłania:                 ",
                                "Upload speed:                           "};
inline constexpr Msg kElapsed{"Upłynęło: ", "Lost Time: "};
inline constexpr Msg kAbortButton{"Przerwij!", "Break!"};
inline constexpr Msg kCounterCaption{"Aktualnie ściągnięto/wysłano:", "Dowlanding/sending now:"};
inline constexpr Msg kAborted{"Ściąganie plików przerwane przez użytkownika",
                              "Dowlanding files break by User"};
inline constexpr Msg kUploadAborted{"Wysyłanie plików przerwane przez użytkownika",
                                    "Sending files break by User"};
// Design texts of the window, for a batch that has not set its own yet.
inline constexpr Msg kFileLineIdle{"Operacje na pliku", "File operations"};
inline constexpr Msg kSpeedIdle{"Szybkość:", "Speed:"};
inline constexpr Msg kBackgroundButton{"W tle", "Background"};
inline constexpr const char* kAbortedCaption = "KORVANTE - FTP";
inline constexpr const char* kTrayCounter = "KORVANTE (w tle): Wysłano\\Ściągnięto: ";
inline constexpr const char* kTrayBackground = "KORVANTE Ściąganie/wysyłanie w tle";
inline constexpr const char* kTrayIdle = "KORVANTE Klient-FTP";

} // namespace transfertext
