#include "app/captions.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"

#include <QTreeWidgetItem>

namespace {

// The window puts each text on its own control: the table names the member,
// so a control of the same name in another window is never touched.
void show(QAction* item, const QString& caption) {
    item->setText(caption);
}
void show(QMenu* menu, const QString& caption) {
    menu->setTitle(caption);
}
void show(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
}
void show(QLabel* label, const QString& caption) {
    label->setText(caption);
}

template <auto control> void text(TForm1& window, const QString& caption) {
    show(window.*control, caption);
}
template <auto control> void hint(TForm1& window, const QString& caption) {
    (window.*control)->setToolTip(caption);
}
template <auto region, auto control> void textIn(TForm1& window, const QString& caption) {
    show((window.*region)->*control, caption);
}
template <auto region, auto control> void hintIn(TForm1& window, const QString& caption) {
    ((window.*region)->*control)->setToolTip(caption);
}
void setColumnCaption(QTreeWidget* list, int column, const QString& caption) {
    list->headerItem()->setText(column, caption);
}
void setColumnCaption(RemoteListView* list, int column, const QString& caption) {
    list->setHeaderText(column, caption);
}
template <auto region, auto list, int column>
void headerIn(TForm1& window, const QString& caption) {
    setColumnCaption((window.*region)->*list, column, caption);
}
void windowTitle(TForm1& window, const QString& caption) {
    window.setWindowTitle(caption);
}

} // namespace

const QList<CaptionRow>& mainWindowCaptions() {
    static const QList<CaptionRow> rows = {
        // window and top panel
        {"TForm1", "KORVANTE 2.5.5 - Klient FTP", "KORVANTE 2.5.5 - FTP Client", windowTitle},
        {"pol2", "Połącz", "Connect", textIn<&TForm1::topPanel, &TTopPanel::pol2>},
        {"roz2", "Rozłącz", "Disconnect", textIn<&TForm1::topPanel, &TTopPanel::roz2>},
        {"opcje", "Serwery FTP", "FTP servers", textIn<&TForm1::topPanel, &TTopPanel::opcje>},
        {"Ustawienia2", "Ustawienia", "Options",
         textIn<&TForm1::topPanel, &TTopPanel::Ustawienia2>},
        {"pomoc", "Pomoc", "Help", textIn<&TForm1::topPanel, &TTopPanel::pomoc>},
        {"zamknij", "Zamknij", "Close", textIn<&TForm1::topPanel, &TTopPanel::zamknij>},
        {"SpeedButton1", "Szukaj", "Search",
         textIn<&TForm1::serverPanel, &TServerPanel::SpeedButton1>},
        {"Panel5", " Lista serwerów FTP", " FTP server list",
         textIn<&TForm1::serverPanel, &TServerPanel::Panel5Caption>},
        {"Panel8", " Lokalny komputer", " Local host",
         textIn<&TForm1::localPanel, &TLocalPanel::Panel8>},
        {"Label1", "Jesteś w katalogu:", "You are in directory::",
         textIn<&TForm1::topPanel, &TTopPanel::Label1>},
        {"Label2",
         "Użytkownik/Konto:", "User/Accont:", textIn<&TForm1::topPanel, &TTopPanel::Label2>},
        {"Label3",
         "Nazwa serwera FTP:", "FTP server name:", textIn<&TForm1::topPanel, &TTopPanel::Label3>},
        {"lbl_haslo", "Hasło:", "Password:", textIn<&TForm1::topPanel, &TTopPanel::lbl_haslo>},
        {"szukaj_cale", "Szukaj wg całych nazw", "Search by All words",
         textIn<&TForm1::serverPanel, &TServerPanel::szukaj_cale>},
        {"ftp_lista#0", "Nazwa serwera", "Host name",
         headerIn<&TForm1::serverPanel, &TServerPanel::ftp_lista, 0>},
        {"ftp_lista#1", "Typ logowania", "Login type",
         headerIn<&TForm1::serverPanel, &TServerPanel::ftp_lista, 1>},
        {"ftp_lista#2", "Hasło zapisane", "Save password",
         headerIn<&TForm1::serverPanel, &TServerPanel::ftp_lista, 2>},
        {"l3#0", "Zasoby serwera FTP", "FTP directory list",
         headerIn<&TForm1::serverPanel, &TServerPanel::l3, 0>},
        {"l3#1", "Atrybuty", "Attribute", headerIn<&TForm1::serverPanel, &TServerPanel::l3, 1>},
        {"statystyka?", "Otwórz WWW / Wyślij e-mail", "Open WWW page / Sent e-mail",
         hintIn<&TForm1::topPanel, &TTopPanel::statystyka>},
        {"CButton?", "Ukryj program w obszarze powiadomień",
         "Hide the program in the notification area",
         hintIn<&TForm1::topPanel, &TTopPanel::CButton>},
        // server list menu
        {"Polacz1", "Połącz do serwera FTP  [F5]", "Connect to FTP server  [F5]",
         text<&TForm1::Polacz1>},
        {"nowy2", "Nowy serwer FTP  [F2]", "New FTP server  [F2]", text<&TForm1::nowy2>},
        {"Edycjadanychserwera1", "Edycja danych serwera  [F3]", "Edit server  [F3]",
         text<&TForm1::Edycjadanychserwera1>},
        {"Usun1", "Usuń dane serwera FTP", "Delete FTP server", text<&TForm1::Usun1>},
        {"usun_all", "Usuń wszystkie serwery z tej kategorii",
         "Delete All servers on this category", text<&TForm1::usun_all>},
        {"usun_all2", "Usuń wszystkie serwery", "Delete All servers", text<&TForm1::usun_all2>},
        {"ftp_drukuj", "Drukuj załadowaną listę serwerów", "Print loaded servers list",
         text<&TForm1::ftp_drukuj>},
        {"Adresy1", "Adresy e-mail", "E-mail addresses", text<&TForm1::Adresy1>},
        {"Adresy_nowy1", "Nowy adres", "New address", text<&TForm1::Adresy_nowy1>},
        {"Adresy_edytuj1", "Edytuj/Usuń adres", "Edit/Remove address",
         text<&TForm1::Adresy_edytuj1>},
        {"exp", "Eksport/Import danych FTP", "Export/Import FTP data", text<&TForm1::exp>},
        {"kat1", "Kategorie", "Caterory", text<&TForm1::kat1>},
        {"Panstwa", "Firmy", "Company", text<&TForm1::Panstwa>},
        {"Miasta", "Miasta", "City", text<&TForm1::Miasta>},
        {"szkoly", "Szkoły - Uczelnie", "Schools - College", text<&TForm1::szkoly>},
        {"Programy", "Programy", "Programs", text<&TForm1::Programy>},
        {"Muzyka", "Muzyka", "Music", text<&TForm1::Muzyka>},
        {"Ulubione", "Ulubione", "Favorite", text<&TForm1::Ulubione>},
        {"Prywatne", "Prywatne", "Private", text<&TForm1::Prywatne>},
        {"wszystkie_s", "Inne", "Other", text<&TForm1::wszystkie_s>},
        {"pokaz_wszystkie", "Wszystkie serwery", "All servers", text<&TForm1::pokaz_wszystkie>},
        // remote list menus (the second one is a copy of the first)
        {"sciagnij_pl", "Ściągnij plik(i)  [F7]", "Download file(s)  [F7]",
         text<&TForm1::sciagnij_pl>},
        {"sciagnij_n_s", "Ściągnij plik(i) - Ososbna sesja", "Download file(s) - Separate session",
         text<&TForm1::sciagnij_n_s>},
        {"usun_pl1", "Usuń  [Del]", "Delete  [Del]", text<&TForm1::usun_pl1>},
        {"otworz_katalog", "Otwórz katalog", "Open directory", text<&TForm1::otworz_katalog>},
        {"nowy_kat1", "Nowy katalog  [F9]", "New directory  [F9]", text<&TForm1::nowy_kat1>},
        {"Wicej1", "Więcej o katalogach...", "More about directories...", text<&TForm1::Wicej1>},
        {"otworz_plik_ftp", "Otwórz zaznaczony plik", "Open selected file",
         text<&TForm1::otworz_plik_ftp>},
        {"ftp_wszystkie", "Zaznacz wszystkie...", "Select all...", text<&TForm1::ftp_wszystkie>},
        {"ftp_nic", "Odznacz wszystkie...", "Unselect all...", text<&TForm1::ftp_nic>},
        {"Bufor", "Buforowanie plików", "Files buffering", text<&TForm1::Bufor>},
        {"wlacz_bufor", "Włącz buforowanie", "Buffering on", text<&TForm1::wlacz_bufor>},
        {"edycja_bufor", "Edycja buforowanych plików", "Edit buffered files",
         text<&TForm1::edycja_bufor>},
        {"bufor_zaznacz_all", "Dodaj wszystkie pliki do bufora", "Add all files to buffer",
         text<&TForm1::bufor_zaznacz_all>},
        {"usun_bufor", "Usuń zapis buforów", "Delete buffers", text<&TForm1::usun_bufor>},
        {"Odwie1", "Odśwież", "Refresh", text<&TForm1::Odwie1>},
        {"wlasciwosci", "Właściwości pliku", "File properties", text<&TForm1::wlasciwosci>},
        {"MenuItem1", "Ściągnij plik(i)  [F7]", "Download file(s)  [F7]", text<&TForm1::MenuItem1>},
        {"MenuItem2", "Ściągnij plik(i) - Ososbna sesja", "Download file(s) - Separate session",
         text<&TForm1::MenuItem2>},
        {"MenuItem4", "Usuń  [Del]", "Delete  [Del]", text<&TForm1::MenuItem4>},
        {"MenuItem6", "Otwórz katalog", "Open directory", text<&TForm1::MenuItem6>},
        {"MenuItem7", "Nowy katalog  [F9]", "New directory  [F9]", text<&TForm1::MenuItem7>},
        {"MenuItem8", "Więcej o katalogach...", "More about directories...",
         text<&TForm1::MenuItem8>},
        {"MenuItem10", "Otwórz zaznaczony plik", "Open selected file", text<&TForm1::MenuItem10>},
        {"MenuItem12", "Zaznacz wszystkie...", "Select all...", text<&TForm1::MenuItem12>},
        {"MenuItem13", "Odznacz wszystkie...", "Unselect all...", text<&TForm1::MenuItem13>},
        {"MenuItem15", "Buforowanie plików", "Files buffering", text<&TForm1::MenuItem15>},
        {"MenuItem16", "Włącz buforowanie", "Buffering on", text<&TForm1::MenuItem16>},
        {"MenuItem17", "Edycja buforowanych plików", "Edit buffered files",
         text<&TForm1::MenuItem17>},
        {"MenuItem19", "Dodaj wszystkie pliki do bufora", "Add all files to buffer",
         text<&TForm1::MenuItem19>},
        {"MenuItem21", "Usuń zapis buforów", "Delete buffers", text<&TForm1::MenuItem21>},
        {"MenuItem23", "Odśwież", "Refresh", text<&TForm1::MenuItem23>},
        {"MenuItem25", "Właściwości pliku", "File properties", text<&TForm1::MenuItem25>},
        // local file list menu
        {"wyslij_pl", "Wyślij na serwer FTP  [F6]", "Upload to FTP server  [F6]",
         text<&TForm1::wyslij_pl>},
        {"wyslij_n_sesja", "Wyślij na serwer FTP - Osobna sesja",
         "Upload to FTP server - Separate session", text<&TForm1::wyslij_n_sesja>},
        {"Usuplik1", "Usuń  [Del]", "Delete  [Del]", text<&TForm1::Usuplik1>},
        {"zaznacz1", "Zaznacz wszystkie", "Select all", text<&TForm1::zaznacz1>},
        {"odznacz", "Odznacz wszystkie", "Unselect all", text<&TForm1::odznacz>},
        {"odswiez", "Odswież...", "Refresh...", text<&TForm1::odswiez>},
        {"Szukaj_pliku", "Szukaj pliku...", "Search file...", text<&TForm1::Szukaj_pliku>},
        {"ran", "Otwórz/Uruchom plik  [F4]", "Open/Run file  [F4]", text<&TForm1::ran>},
        {"pokazuj_pliki", "Pokazuj pliki (Atrybuty)", "Show files (Attribute)",
         text<&TForm1::pokazuj_pliki>},
        {"Pl_normalne", "Normalne", "Normal", text<&TForm1::Pl_normalne>},
        {"pl_archiwalne", "Archiwalne", "Archive", text<&TForm1::pl_archiwalne>},
        {"pl_system", "Systemowe", "System", text<&TForm1::pl_system>},
        {"pl_ukryte", "Ukryte", "Hidden", text<&TForm1::pl_ukryte>},
        {"pl_read", "Tylko do odczytu", "Read only", text<&TForm1::pl_read>},
        {"pl_wszystkie", "Wszystkie pliki", "All files", text<&TForm1::pl_wszystkie>},
        {"wlasciwosci2", "Właściwości pliku", "File properties", text<&TForm1::wlasciwosci2>},
        // local folder menu
        {"kat_wyslij", "Wyślij katalog na serwer FTP", "Upload directory to FTP server",
         text<&TForm1::kat_wyslij>},
        {"kat_usun", "Usuń katalog", "Delete directory", text<&TForm1::kat_usun>},
        {"kat_otworz", "Otwórz katalog", "Open directory", text<&TForm1::kat_otworz>},
        {"nowy_kat_lokal", "Nowy katalog  [F8]", "New directory  [F8]",
         text<&TForm1::nowy_kat_lokal>},
        {"zmien_katalog", "Zmień nazwę katalogu", "Rename directory", text<&TForm1::zmien_katalog>},
        {"Odswiez1", "Odśwież", "Refresh", text<&TForm1::Odswiez1>},
        {"kat_szukaj", "Szukaj katalogu...", "Search directory...", text<&TForm1::kat_szukaj>},
        // log menu
        {"powiekszenie1", "Pokaż listę logów", "Show logs list", text<&TForm1::powiekszenie1>},
        {"logi", "Czyść logi", "Clear logs", text<&TForm1::logi>},
        // help menu
        {"pomoc1", "Pomoc  [F1]", "Help  [F1]", text<&TForm1::pomoc1>},
        {"Licencja", "Licencja", "Licence", text<&TForm1::Licencja>},
        {"klawisze", "Skróty klawiszowe", "ShortCut", text<&TForm1::klawisze>},
        {"OdwiedstronWWW1", "Odwiedź stronę WWW ", "Visit web page ",
         text<&TForm1::OdwiedstronWWW1>},
        {"Oprogramie1", "O programie", "About", text<&TForm1::Oprogramie1>},
        // tray menu
        {"pokaz_okno", "Pokaż główne okno", "Show main window", text<&TForm1::pokaz_okno>},
        {"Oprogramie2", "O programie", "About", text<&TForm1::Oprogramie2>},
        {"Pomoc2", "Pomoc", "Help", text<&TForm1::Pomoc2>},
        {"mail_www", "Otwórz WWW / Wyślij e-mail", "Open WWW page / Sent e-mail",
         text<&TForm1::mail_www>},
        {"Tray_zamknij", "Zamknij program", "Close program", text<&TForm1::Tray_zamknij>},
    };
    return rows;
}
