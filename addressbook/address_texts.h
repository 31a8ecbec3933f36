#pragma once
// Texts of the address book and the web/mail launcher, in both languages.

#include "platform/msg.h"

namespace address_texts {

// New-address dialog TAdresy_nowy.
inline constexpr Msg kNewTitle{"Nowy adres e-mail", "New e-mail address"};
inline constexpr Msg kNewLabel{"Wprowadź nowy adres e-mail", "Write new e-mail address"};
inline constexpr Msg kCancel{"Anuluj", "Cancel"};
inline constexpr Msg kNewEmpty{"Wpisz w polu nowy adres e-mail",
                               "Write new e-mail address on The control"};

// Address list dialog TAdresy_edycja.
inline constexpr Msg kListTitle{"Edytyj/Usuń adres e-mail", "Edit/Remove e-mail addresses"};
inline constexpr Msg kListNew{"Nowy", "New address"};
inline constexpr Msg kListRemove{"Usuń", "Remove"};
inline constexpr Msg kListRemoveAll{"Usuń wszystkie", "Remove All"};
inline constexpr Msg kListSave{"Zapisz", "Save"};
inline constexpr Msg kListClose{"Zamknij", "Close"};
inline constexpr Msg kSendTo{"Wyślij e-mail do: ", "Send e-mail to: "};
inline constexpr Msg kRemoveOne{"Czy napewno chcesz usunąć adres: %1?",
                                "Do You want delete address: %1?"};
inline constexpr Msg kRemoveAll{"Czy napewno chcesz usunąć wszystkie adresy?",
                                "Do You want delete All addresses?"};
inline constexpr Msg kRemoveCaption{"KORVANTE - Usuwanie", "KORVANTE - Removing"};

// A failed write leaves the book as it was, in the file and on screen.
inline constexpr Msg kWriteFailed{
    "BŁĄD: Nie można zapisać pliku Adresy.dat. Lista adresów nie została zmieniona.",
    "ERROR: Cannot write the file Adresy.dat. The address list has not been changed."};
inline constexpr Msg kRemoveFailed{"BŁĄD: Nie można usunąć pliku Adresy.dat.",
                                   "ERROR: Cannot remove the file Adresy.dat."};

// Launcher TForm8.
inline constexpr const char* kLauncherTitle = "URL / E-MAIL";
inline constexpr Msg kWebPrompt{"Otwórz stronę internetową...", "Open internet page..."};
inline constexpr Msg kMailPrompt{"Wyślij wiadomość e-mail (Wpisz adresata)",
                                 "Sent e-mail message (Write address)"};
inline constexpr Msg kMailRadio{"Wyślij wiadomość e-mail (Wpisz adresata)",
                                "Sent e-mail message (Write Address)"};
inline constexpr Msg kSubject{"Temat:", "Subject:"};
inline constexpr Msg kBody{"Treść listu", "Body:"};
inline constexpr Msg kClose{"Zamknij", "Close"};
inline constexpr Msg kList{"Lista adresów", "Addresses list"};
inline constexpr Msg kListHint{"Lista zapisanych adresów", "List of the saved addresses"};
inline constexpr Msg kNewAddress{"Nowy adres", "New address"};
inline constexpr Msg kNewAddressHint{"Dodaje nowy adres e-mail do zasobów",
                                     "Adds a new e-mail address to the book"};
inline constexpr Msg kWriteWww{"Wpisz adres strony WWW na którą masz zamiar wejść",
                               "Write address WWW where you want enter"};
inline constexpr const char* kWriteWwwCaption = "KORVANTE - FTP";
inline constexpr const char* kPlainCaption = "KORVANTE 2.5.5";

} // namespace address_texts
