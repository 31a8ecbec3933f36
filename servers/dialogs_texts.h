#pragma once
// Texts of the server dialogs (new server, edit server) and of the export and
// import window, in both languages.

#include "platform/msg.h"

namespace dialogs_texts {

// Message box caption of the validation messages; the same in both languages.
inline constexpr const char* kFtpBoxTitle = "KORVANTE - FTP";
// Caption of the plain message windows.
inline constexpr const char* kAppTitle = "KORVANTE 2.5.5";

// Edit command with no server selected.
inline constexpr Msg kSelectToEdit{"Wybierz na liście serwerów FTP komputer który chcesz edytować",
                                   "Select a FTP server from The list"};

// --- Captions shared by the new-server and edit-server dialogs -------------

inline constexpr Msg kLabelName{"Sesja FTP (nazwa wyświetlana na liście)",
                                "Session FTP (This name showed on The servers list)"};
inline constexpr Msg kLabelHost{"Adres serwera FTP", "Host name"};
inline constexpr Msg kLabelUserNew{"Użytkownik/Konto", "User"};
inline constexpr Msg kLabelUserEdit{"Użytkownik", "User"};
inline constexpr Msg kLabelPasswordNew{"Twoje hasło użytkownika", "Password"};
inline constexpr Msg kLabelPasswordEdit{"Hasło", "Password"};
inline constexpr Msg kAnonymous{"Anonimowy użytkownik", "Anonymous User"};
inline constexpr Msg kSavePassword{"Zapisz hasło...", "Save password..."};
inline constexpr Msg kLabelPort{"Port serwera FTP:", "FTP server port"};
inline constexpr Msg kLabelCategory{"Kategoria", "Category"};
inline constexpr Msg kLabelSecurity{"Zabezpieczenie połączenia", "Connection security"};
inline constexpr Msg kOptionsGroup{" Opcje ", " Options "};
inline constexpr Msg kSave{"Zapisz", "Save"};
inline constexpr Msg kCancel{"Anuluj", "Cancel"};
inline constexpr Msg kStandardPort{"Standardowy port FTP", "Standard FTP port"};
inline constexpr Msg kTitleNew{"Nowy serwer FTP", "New FTP server"};
inline constexpr Msg kTitleEdit{"Edycja danych serwera FTP", "Edit FTP server"};

// The password label as the anonymous box leaves it.
inline constexpr Msg kPasswordIsEmail{"Jako hasło będzie adres e-mail",
                                      "Password you will be e-mail address"};
inline constexpr Msg kYourPassword{"Twoje hasło użytkownika", "Your user name"};

// --- Validation ----------------------------------------------------------

inline constexpr Msg kNameEmptyNew{"Pole: Sesja FTP nie może być puste",
                                   "The Sesion FTP cannot be empty"};
inline constexpr Msg kNameEmptyEdit{"Pole: Sesja FTP nie może być puste",
                                    "The Control: Sesion FTP cannot be empty"};
inline constexpr Msg kHostEmpty{"Pole: Adres serwera FTP nie może być puste",
                                "The Control: Host name cannot be empty"};
inline constexpr Msg kUserEmpty{"Pole: Użytkownik nie może być puste",
                                "The Control: User cannot be empty"};
inline constexpr Msg kPasswordEmptyAnonymous{
    "Pole: Hasło nie może być puste. W trybie anonimowym wpisz Swój adres e-amil",
    "The Control: Password cannot be empty. In anonymous mode You must write Your e-mail"};
inline constexpr Msg kPasswordEmptyUser{
    "Pole: Hasło nie może być puste. Wpisz Swoje hasło użytkownika",
    "The Control: Password cannot be empty. Write Your User password"};

// The list files separate fields with "*" and mark an unsaved password with a
// lone "^"; values that would break a line are refused.
inline constexpr Msg kNameHasStar{"Pole: Sesja FTP nie może zawierać znaku \"*\"",
                                  "The Control: Session FTP cannot contain the character \"*\""};
inline constexpr Msg kHostHasStar{"Pole: Adres serwera FTP nie może zawierać znaku \"*\"",
                                  "The Control: Host name cannot contain the character \"*\""};
inline constexpr Msg kUserHasStar{"Pole: Użytkownik nie może zawierać znaku \"*\"",
                                  "The Control: User cannot contain the character \"*\""};
inline constexpr Msg kPasswordHasStar{"Pole: Hasło nie może zawierać znaku \"*\"",
                                      "The Control: Password cannot contain the character \"*\""};
inline constexpr Msg kPasswordIsCaret{
    "Pole: Hasło nie może składać się wyłącznie ze znaku \"^\" (oznacza on hasło niezapisane)",
    "The Control: Password cannot be the single character \"^\" (it marks an unsaved password)"};
inline constexpr Msg kPortRange{"Pole: Port serwera FTP musi być liczbą od 1 do 65535",
                                "The Control: FTP server port must be a number from 1 to 65535"};
// Edit dialog in the all-servers view when no category is chosen.
inline constexpr Msg kChooseCategory{"Wybierz kategorię, do której mam zapisać serwer",
                                     "Select the category to save the server in"};

// The conversion error of a port that is not a number; English in both languages.
inline constexpr const char* kNotAnInteger = "'%1' is not a valid integer value";

// A category file that could not be written; followed by its path.
inline constexpr Msg kWriteFailed{"Nie udało się zapisać pliku z listą serwerów:",
                                  "The server list file could not be written:"};

// The edit dialog's source file could not be read, so it is not rewritten.
inline constexpr Msg kReadFailed{"Nie udało się odczytać pliku z listą serwerów:",
                                 "The server list file could not be read:"};

// --- Export and import ------------------------------------------------------

inline constexpr const char* kExportImportTitle = "Eksport - Import";
inline constexpr Msg kExpOptions{"Opcje", "Options"};
inline constexpr Msg kExportRadio{"Eksportuj dane do...", "Export data to..."};
inline constexpr Msg kImportRadio{"Importuj dane z...", "Import data from..."};
inline constexpr Msg kSelectAll{"Zaznacz wszystko", "Select All"};
inline constexpr Msg kShowFolders{"Pokaż katalogi", "Show directories"};
inline constexpr Msg kDoIt{"Wykonaj", "Do it"};

inline constexpr Msg kNothingOrRoot{
    "Nie zaznaczono na liście żadnej kategorii lub wybrano główny dysk jako miejsce docelowe",
    "No selected anymore category on the list or select header disk as destination palace"};
inline constexpr Msg kChooseExportFolder{"Wybierz katalog gdzie mam wysłać pliki",
                                         "Select a directory to sent files"};
inline constexpr Msg kChooseImportFolder{"Wybierz katalog skąd mam pobrać pliki",
                                         "Select a directory from dowland files"};
inline constexpr Msg kExportDone{"Zaznaczone pliki z danymi zostały skopiowane z powodzeniem",
                                 "The selected data files down sukcessfull"};
// Followed by the names of the files that could not be copied, one a line.
inline constexpr Msg kExportFailed{"Nie udało się skopiować plików z danymi:",
                                   "These data files could not be copied:"};
inline constexpr Msg kImportFailed{"Nie udało się zaimportować plików z danymi:",
                                   "These data files could not be imported:"};
inline constexpr Msg kFileMissing{"brak pliku", "file not found"};
inline constexpr Msg kFileNotWritten{"nie można zapisać", "cannot be written"};

} // namespace dialogs_texts
