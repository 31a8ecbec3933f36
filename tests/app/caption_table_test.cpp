// Every caption of the main window, the server dialogs and the settings
// dialog against the texts the program is documented with, in both
// languages. The expected texts are written out here, independently of the
// tables the program builds its captions from.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/settings_dialog.h"
#include "app/top_panel.h"
#include "servers/edit_server_dialog.h"
#include "servers/new_server_dialog.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// One caption: the object's name, its Polish text and its English text
// (nullptr where only the Polish one is documented). "name?" is a hint,
// "name#i" column i of a list or page i of a tab widget.
struct Expected {
    const char* name;
    const char* pl;
    const char* en;
};

const Expected kMainWindow[] = {
    {"TForm1", "KORVANTE 2.5.5 - Klient FTP", "KORVANTE 2.5.5 - FTP Client"},
    {"pol2", "Połącz", "Connect"},
    {"roz2", "Rozłącz", "Disconnect"},
    {"opcje", "Serwery FTP", "FTP servers"},
    {"Ustawienia2", "Ustawienia", "Options"},
    {"pomoc", "Pomoc", "Help"},
    {"zamknij", "Zamknij", "Close"},
    {"stop", "STOP", nullptr},
    {"SpeedButton4", "FTP", nullptr},
    {"SpeedButton1", "Szukaj", "Search"},
    {"Panel5", " Lista serwerów FTP", " FTP server list"},
    {"Panel8", " Lokalny komputer", " Local host"},
    {"Label1", "Jesteś w katalogu:", "You are in directory::"},
    {"Label2", "Użytkownik/Konto:", "User/Accont:"},
    {"Label3", "Nazwa serwera FTP:", "FTP server name:"},
    {"lbl_haslo", "Hasło:", "Password:"},
    {"szukaj_cale", "Szukaj wg całych nazw", "Search by All words"},
    {"ftp_lista#0", "Nazwa serwera", "Host name"},
    {"ftp_lista#1", "Typ logowania", "Login type"},
    {"ftp_lista#2", "Hasło zapisane", "Save password"},
    {"l3#0", "Zasoby serwera FTP", "FTP directory list"},
    {"l3#1", "Atrybuty", "Attribute"},
    {"statystyka?", "Otwórz WWW / Wyślij e-mail", "Open WWW page / Sent e-mail"},
    // The server list's menu and its categories.
    {"Polacz1", "Połącz do serwera FTP  [F5]", "Connect to FTP server  [F5]"},
    {"nowy2", "Nowy serwer FTP  [F2]", "New FTP server  [F2]"},
    {"Edycjadanychserwera1", "Edycja danych serwera  [F3]", "Edit server  [F3]"},
    {"Usun1", "Usuń dane serwera FTP", "Delete FTP server"},
    {"usun_all", "Usuń wszystkie serwery z tej kategorii", "Delete All servers on this category"},
    {"usun_all2", "Usuń wszystkie serwery", "Delete All servers"},
    {"ftp_drukuj", "Drukuj załadowaną listę serwerów", "Print loaded servers list"},
    {"Adresy1", "Adresy e-mail", "E-mail addresses"},
    {"Adresy_nowy1", "Nowy adres", "New address"},
    {"Adresy_edytuj1", "Edytuj/Usuń adres", "Edit/Remove address"},
    {"exp", "Eksport/Import danych FTP", "Export/Import FTP data"},
    {"kat1", "Kategorie", "Caterory"},
    {"Panstwa", "Firmy", "Company"},
    {"Miasta", "Miasta", "City"},
    {"szkoly", "Szkoły - Uczelnie", "Schools - College"},
    {"Programy", "Programy", "Programs"},
    {"Muzyka", "Muzyka", "Music"},
    {"Ulubione", "Ulubione", "Favorite"},
    {"Prywatne", "Prywatne", "Private"},
    {"wszystkie_s", "Inne", "Other"},
    {"pokaz_wszystkie", "Wszystkie serwery", "All servers"},
    // The remote list's two menus.
    {"sciagnij_pl", "Ściągnij plik(i)  [F7]", nullptr},
    {"MenuItem1", "Ściągnij plik(i)  [F7]", nullptr},
    {"sciagnij_n_s", "Ściągnij plik(i) - Ososbna sesja", nullptr},
    {"MenuItem2", "Ściągnij plik(i) - Ososbna sesja", nullptr},
    {"otworz_plik_ftp", "Otwórz zaznaczony plik", nullptr},
    {"wlasciwosci", "Właściwości pliku", nullptr},
    {"MenuItem25", "Właściwości pliku", nullptr},
    {"Bufor", "Buforowanie plików", nullptr},
    {"wlacz_bufor", "Włącz buforowanie", nullptr},
    {"MenuItem16", "Włącz buforowanie", nullptr},
    {"edycja_bufor", "Edycja buforowanych plików", nullptr},
    {"MenuItem17", "Edycja buforowanych plików", nullptr},
    {"bufor_zaznacz_all", "Dodaj wszystkie pliki do bufora", nullptr},
    {"MenuItem19", "Dodaj wszystkie pliki do bufora", nullptr},
    {"usun_bufor", "Usuń zapis buforów", nullptr},
    {"MenuItem21", "Usuń zapis buforów", nullptr},
    // The local panel: its menus, filters and button hints (hints stay Polish).
    {"wyslij_pl", "Wyślij na serwer FTP  [F6]", nullptr},
    {"wyslij_n_sesja", "Wyślij na serwer FTP - Osobna sesja", nullptr},
    {"Usuplik1", "Usuń  [Del]", "Delete  [Del]"},
    {"zaznacz1", "Zaznacz wszystkie", nullptr},
    {"odznacz", "Odznacz wszystkie", nullptr},
    {"odswiez", "Odswież...", nullptr},
    {"Szukaj_pliku", "Szukaj pliku...", nullptr},
    {"ran", "Otwórz/Uruchom plik  [F4]", "Open/Run file  [F4]"},
    {"pokazuj_pliki", "Pokazuj pliki (Atrybuty)", "Show files (Attribute)"},
    {"Pl_normalne", "Normalne", nullptr},
    {"pl_archiwalne", "Archiwalne", nullptr},
    {"pl_system", "Systemowe", nullptr},
    {"pl_ukryte", "Ukryte", nullptr},
    {"pl_read", "Tylko do odczytu", nullptr},
    {"pl_wszystkie", "Wszystkie pliki", nullptr},
    {"wlasciwosci2", "Właściwości pliku", nullptr},
    {"kat_wyslij", "Wyślij katalog na serwer FTP", nullptr},
    {"kat_otworz", "Otwórz katalog", nullptr},
    {"kat_usun", "Usuń katalog", nullptr},
    {"zmien_katalog", "Zmień nazwę katalogu", nullptr},
    {"Odswiez1", "Odśwież", nullptr},
    {"kat_szukaj", "Szukaj katalogu...", nullptr},
    {"filtr?", "Filtruj pliki wg maski", "Filtruj pliki wg maski"},
    {"SpeedButton3?", "Nowy lokalny katalog [F8]", "Nowy lokalny katalog [F8]"},
    {"SpeedButton2?", "Usuń pliki lokanle [Del]", "Usuń pliki lokanle [Del]"},
    {"litery_lokal?", "Zmień wielkość liter w plikach", "Zmień wielkość liter w plikach"},
    {"wyslij_pliki?", "Wyślij pliki na serwer FTP [F6]", "Wyślij pliki na serwer FTP [F6]"},
    {"sciagnij_ftp?", "Ściągnij plik(i) z FTP [F7]", "Ściągnij plik(i) z FTP [F7]"},
    // The category toolbar: captions and hints, the same in both languages.
    {"f2", "F", "F"},
    {"M2", "Mi", "Mi"},
    {"s2", "S", "S"},
    {"p2", "P", "P"},
    {"mu2", "M", "M"},
    {"U2", "U", "U"},
    {"Pr2", "Pr", "Pr"},
    {"In2", "In", "In"},
    {"W2", "W", "W"},
    {"kont", "<<<", "<<<"},
    {"f2?", "Kategoria: FIRMY", "Kategoria: FIRMY"},
    {"M2?", "Kategoria: MIASTA ", "Kategoria: MIASTA "},
    {"s2?", "Kategoria: SZKOŁY - UCZELNIE", "Kategoria: SZKOŁY - UCZELNIE"},
    {"p2?", "Kategoria: PROGRAMY", "Kategoria: PROGRAMY"},
    {"mu2?", "Kategoria: MUZYKA", "Kategoria: MUZYKA"},
    {"U2?", "Kategoria: ULUBIONE", "Kategoria: ULUBIONE"},
    {"Pr2?", "Kategoria: PRYWATNE", "Kategoria: PRYWATNE"},
    {"In2?", "Kategoria: INNE", "Kategoria: INNE"},
    {"W2?", "Kategoria: WSZYSTKIE SERWERY", "Kategoria: WSZYSTKIE SERWERY"},
    // The log pane's menu, the help menu and the tray menu.
    {"powiekszenie1", "Pokaż listę logów", "Show logs list"},
    {"logi", "Czyść logi", "Clear logs"},
    {"pomoc1", "Pomoc  [F1]", nullptr},
    {"Licencja", "Licencja", nullptr},
    {"klawisze", "Skróty klawiszowe", "ShortCut"},
    {"OdwiedstronWWW1", "Odwiedź stronę WWW ", nullptr},
    {"Oprogramie1", "O programie", nullptr},
    {"pokaz_okno", "Pokaż główne okno", nullptr},
    {"Oprogramie2", "O programie", nullptr},
    {"Pomoc2", "Pomoc", nullptr},
    {"mail_www", "Otwórz WWW / Wyślij e-mail", "Open WWW page / Sent e-mail"},
    {"Tray_zamknij", "Zamknij program", nullptr},
};

// Both server dialogs; "*" stands for the dialog's own variant below.
const Expected kServerDialogs[] = {
    {"lbl_nazwa", "Sesja FTP (nazwa wyświetlana na liście)",
     "Session FTP (This name showed on The servers list)"},
    {"lbl_adres", "Adres serwera FTP", "Host name"},
    {"anonimowy", "Anonimowy użytkownik", "Anonymous User"},
    {"lbl_port", "Port serwera FTP:", "FTP server port"},
    {"lbl_kat", "Kategoria", "Category"},
    {"GroupBox1", " Opcje ", " Options "},
    {"Zapisz", "Zapisz", "Save"},
    {"Anuluj", "Anuluj", "Cancel"},
    {"cmb_kat#0", "FIRMY", "FIRMY"},
    {"cmb_kat#1", "MIASTA", "MIASTA"},
    {"cmb_kat#2", "SZKOŁY - UCZELNIE", "SZKOŁY - UCZELNIE"},
    {"cmb_kat#3", "PROGRAMY", "PROGRAMY"},
    {"cmb_kat#4", "MUZYKA", "MUZYKA"},
    {"cmb_kat#5", "ULUBIONE", "ULUBIONE"},
    {"cmb_kat#6", "PRYWATNE", "PRYWATNE"},
    {"cmb_kat#7", "INNE", "INNE"},
};
const Expected kNewServerDialog[] = {
    {"Form6", "Nowy serwer FTP", "New FTP server"},
    {"lbl_uzytkownik", "Użytkownik/Konto", "User"},
    {"lbl_haslo", "Twoje hasło użytkownika", "Password"},
    {"zapisz_h", "Zapisz hasło...", "Save password..."},
    {"check_ftp", "Standardowy port FTP", "Standard FTP port"},
};
const Expected kEditServerDialog[] = {
    {"Form4", "Edycja danych serwera FTP", "Edit FTP server"},
    {"lbl_uzytkownik", "Użytkownik", "User"},
    {"lbl_haslo", "Hasło", "Password"},
    {"Zapisz_h", "Zapisz hasło...", "Save password..."},
};

const Expected kSettingsDialog[] = {
    {"TUstawienia", "Ustawienia programu", "Options..."},
    {"lbl_uwaga", "Niektóre nowe ustawienia będą aktywne po ponownym uruchomieniu programu",
     "Some new configuration, after reboot program again"},
    {"Zastosuj", "Zastosuj", "Save"},
    {"Anuluj", "Anuluj", "Cancel"},
    {"PageControl1#0", "Uruchomienie", "Run program"},
    {"PageControl1#1", "FTP", "FTP"},
    {"PageControl1#2", "Język", "Leanguage"},
    {"PageControl1#3", "Kolory", "Colors"},
    {"PageControl1#4", "Inne", "Other"},
    {"PageControl1#5", "Kategorie", "Category"},
    {"r_max2", "Uruchamiaj w postani zmaksymilizowanej", "Running program maximized"},
    {"r_n2", "Uruchamiaj w postaci normalnej", "Running program normal"},
    {"Label1", "Zawsze uruchamiaj z tej lokalizacji", "Always run this location"},
    {"zmien_katalog", "Zmień domyślny katalog", "Change default directory"},
    {"pas2", "Przy połączeniu używaj trybu pasywnego", "Use passive mode"},
    {"trasa2", "Wyświetlaj dialog z serwerem FTP (trasa routingu)", "Show trace routing table"},
    {"ukryj_pass", "Przy połączeniu ukrywaj hasło użytkownika",
     "On the connect hide User password"},
    {"blad_pol", "Przy zerwanym połączeniu automatycznie łącz się z danym serwerem...",
     "If dowlanding error or break, automatic connect with This server..."},
    {"r_okno3", "Pokazuj w oknie tylko listę serwerów FTP", "Show only FTP server list"},
    {"r_okno4", "Pokazuj w oknie zarówno serwery jak i katalogi FTP",
     "Show directory list And FTP servers"},
    {"r_polski2", "Polski", "Polish"},
    {"r_angielski2", "Angielski", "English"},
    {"lbl_okno", "Kolor kontrolek:", "Color All controls"},
    {"zmiana_okno", "Zmień->", "Change->"},
    {"lbl_text2", "Kolor tekstu:", "Color text"},
    {"Button1", "Domyślne kolory", "Default colors"},
    {"CheckBox1", "Zabezpiecz program hasłem", "Securite password of program"},
    {"lbl_haslo", "Wpisz hasło:", "Write password:"},
    {"usun_haslo", "Usuń hasło", "Delete password"},
    {"usun_error", "Usuń zapis automatycznego łączenia przy przerwanym ściąganiu...",
     "Delete saved automatic connect by dowland break or error"},
    {"domyslne", "Zastosuj ustawienia wbudowane", "Load builded options"},
    {"Label3", "Uruchamiaj listę serwerów zawsze z kategorii",
     "Always run server list on this category"},
    {"lbl_kat", "Wybrana kategoria", "Checked category"},
    {"kreator", "Przed uruchomieniem, pytaj którą kategorię chcę wybrać",
     "Before run, ask whos opened category"},
};

// The text a user sees on the named part of `window`.
QString shownText(QWidget* window, const QString& name) {
    if (name == window->objectName())
        return window->windowTitle();
    if (name.endsWith(QLatin1Char('?'))) {
        auto* w = window->findChild<QWidget*>(name.chopped(1));
        return w ? w->toolTip() : QStringLiteral("<missing>");
    }
    if (name.contains(QLatin1Char('#'))) {
        const QString owner = name.section(QLatin1Char('#'), 0, 0);
        const int i = name.section(QLatin1Char('#'), 1).toInt();
        if (auto* list = window->findChild<QTreeView*>(owner))
            return list->model()->headerData(i, Qt::Horizontal).toString();
        if (auto* tabs = window->findChild<QTabWidget*>(owner))
            return tabs->tabText(i);
        if (auto* combo = window->findChild<QComboBox*>(owner))
            return combo->itemText(i);
        return QStringLiteral("<missing>");
    }
    QObject* o = window->findChild<QObject*>(name);
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    if (auto* m = qobject_cast<QMenu*>(o))
        return m->title();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    return QStringLiteral("<missing>");
}

template <size_t N> void expectCaptions(QWidget* window, const Expected (&table)[N], int language) {
    for (const Expected& row : table) {
        SCOPED_TRACE(window->objectName().toStdString() + " " + row.name + " language " +
                     std::to_string(language));
        const char* want = language == 1 ? row.pl : row.en;
        if (!want)
            continue;
        EXPECT_EQ(shownText(window, QString::fromLatin1(row.name)), QString::fromUtf8(want));
    }
}

struct CaptionTable : MainWindowFixture, ::testing::WithParamInterface<int> {

    void SetUp() override {
        home.writeDefaultKonf(GetParam());
        home.writeLines(QStringLiteral("S_list.dat"),
                        {QStringLiteral("Demo*0*demo*127.0.0.1*secret*21*7*")});
        createWindow();
        showWindow();
    }
    // Opens a dialog as the user does and checks its captions while it is up.
    template <size_t N>
    void expectDialog(const QString& name, const Expected (&table)[N],
                      const std::function<void()>& open) {
        bool shown = false;
        services.modalSteps[name] = [&](QDialog& d) {
            shown = true;
            expectCaptions(&d, table, GetParam());
            return int(QDialog::Rejected);
        };
        open();
        EXPECT_TRUE(shown) << name.toStdString();
    }
};

TEST_P(CaptionTable, MainWindowAndDialogsShowTheirDocumentedTexts) {
    const int language = GetParam();
    expectCaptions(form.get(), kMainWindow, language);

    expectDialog(QStringLiteral("Form6"), kServerDialogs, [&] { form->nowy2->trigger(); });
    expectDialog(QStringLiteral("Form6"), kNewServerDialog, [&] { form->nowy2->trigger(); });

    // The edit dialog opens for a selected server.
    const auto rows =
        form->serverPanel->ftp_lista->findItems(QStringLiteral("*"), Qt::MatchWildcard, 0);
    ASSERT_FALSE(rows.isEmpty());
    QTest::mouseClick(form->serverPanel->ftp_lista->viewport(), Qt::LeftButton, {},
                      form->serverPanel->ftp_lista->visualItemRect(rows.first()).center());
    expectDialog(QStringLiteral("Form4"), kServerDialogs,
                 [&] { form->Edycjadanychserwera1->trigger(); });
    expectDialog(QStringLiteral("Form4"), kEditServerDialog,
                 [&] { form->Edycjadanychserwera1->trigger(); });

    expectDialog(QStringLiteral("TUstawienia"), kSettingsDialog,
                 [&] { form->topPanel->Ustawienia2->click(); });
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionTable, ::testing::Values(1, 0),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 1 ? std::string("Polish")
                                                    : std::string("English");
                         });

} // namespace
