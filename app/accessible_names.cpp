#include "app/accessible_names.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"

namespace {

template <auto control> QWidget* member(TForm1& form) {
    return form.*control;
}
template <auto region, auto control> QWidget* inRegion(TForm1& form) {
    return (form.*region)->*control;
}

struct ControlName {
    QWidget* (*control)(TForm1& form);
    const char* pl; // nullptr: the control's hint, which follows the language itself
    const char* en;
};

// Picture-only buttons are named by their hints; the English names are the
// same hints in English (the hints themselves stay Polish, as designed).
constexpr ControlName kNames[] = {
    {inRegion<&TForm1::topPanel, &TTopPanel::statystyka>, nullptr, nullptr},
    {inRegion<&TForm1::topPanel, &TTopPanel::dynamik>, "Dynamiczne łączenie z serwerem FTP",
     "Dynamic connecting with FTP server"},
    {inRegion<&TForm1::topPanel, &TTopPanel::CButton>, "Schowaj okno do zasobnika",
     "Hide the window to the notification area"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::siec>, "Pokaż katalogi sieciowe",
     "Show network directories"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::wyslij_pliki>, "Wyślij pliki na serwer FTP [F6]",
     "Upload files to FTP server [F6]"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::SpeedButton2>, "Usuń pliki lokalne [Del]",
     "Delete local files [Del]"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::filtr>, "Filtruj pliki wg maski",
     "Filter files by mask"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::SpeedButton3>, "Nowy lokalny katalog [F8]",
     "New local directory [F8]"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::ran2>, "Otwórz/Uruchom plik [F4]",
     "Open/Run file [F4]"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::litery_lokal>, "Zmień wielkość liter w plikach",
     "Change letter case of files"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::kont>, "Schowaj - pokaż pliki/katalogi",
     "Hide - Show files/directories"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::Cofnij>, "Poziom w górę", "One level up"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::n_serwer>, "Zmień nazwę pliku/katalogu",
     "Rename file/directory"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::sciagnij_ftp>, "Ściągnij plik(i) z FTP [F7]",
     "Download file(s) from FTP [F7]"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::usun_ftp>, "Usuń plik(i) na FTP [Del]",
     "Delete file(s) on FTP [Del]"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::n_dir>, "Nowy katalog na FTP [F9]",
     "New directory on FTP [F9]"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::filtr2>, "Filtruj pliki na FTP wg maski",
     "Filter FTP files by mask"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::komenda>, "Wywołaj niestandardową komendę",
     "Send a custom command"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::zamien>, "Zmień wielkość liter w plikach na FTP",
     "Change letter case of FTP files"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::run_ftp>, "Otwórz plik/Uruchom program na FTP",
     "Open file/Run program on FTP"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::f2>, "Kategoria: FIRMY", "Category: COMPANY"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::M2>, "Kategoria: MIASTA", "Category: CITY"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::s2>, "Kategoria: SZKOŁY - UCZELNIE",
     "Category: SCHOOLS - COLLEGE"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::p2>, "Kategoria: PROGRAMY", "Category: PROGRAMS"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::mu2>, "Kategoria: MUZYKA", "Category: MUSIC"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::U2>, "Kategoria: ULUBIONE", "Category: FAVORITE"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::Pr2>, "Kategoria: PRYWATNE", "Category: PRIVATE"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::In2>, "Kategoria: INNE", "Category: OTHER"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::W2>, "Kategoria: WSZYSTKIE SERWERY",
     "Category: ALL SERVERS"},
    // lists and fields without a label of their own
    {inRegion<&TForm1::serverPanel, &TServerPanel::szukaj>, "Szukaj serwera", "Search server"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::dysk>, "Dysk", "Drive"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::katalog>, "Katalogi lokalne", "Local directories"},
    {inRegion<&TForm1::localPanel, &TLocalPanel::pliki>, "Pliki lokalne", "Local files"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::ftp_lista>, "Lista serwerów FTP",
     "FTP server list"},
    {inRegion<&TForm1::serverPanel, &TServerPanel::l3>, "Zasoby serwera FTP", "FTP directory list"},
    {inRegion<&TForm1::logPanel, &TLogPanel::memo1>, "Logi", "Logs"},
};

} // namespace

void linkFieldLabels(TForm1& form) {
    form.topPanel->Label1->setBuddy(form.topPanel->CurrentDirEdit);
    form.topPanel->Label2->setBuddy(form.topPanel->UserID);
    form.topPanel->Label3->setBuddy(form.topPanel->FTpServer);
    form.topPanel->lbl_haslo->setBuddy(form.topPanel->Password2);
}

void nameControls(TForm1& form, bool polish) {
    for (const ControlName& name : kNames) {
        QWidget* control = name.control(form);
        if (!control) // not built yet
            continue;
        const char* text = polish ? name.pl : name.en;
        control->setAccessibleName(text ? QString::fromUtf8(text) : control->toolTip());
    }
    // The connection fields are named by their labels, in the language shown.
    const std::pair<QLineEdit*, QLabel*> fields[] = {
        {form.topPanel->CurrentDirEdit, form.topPanel->Label1},
        {form.topPanel->UserID, form.topPanel->Label2},
        {form.topPanel->FTpServer, form.topPanel->Label3},
        {form.topPanel->Password2, form.topPanel->lbl_haslo}};
    for (const auto& [field, label] : fields) {
        QString text = label->text().trimmed();
        while (text.endsWith(QLatin1Char(':')))
            text.chop(1);
        field->setAccessibleName(text);
    }
}
