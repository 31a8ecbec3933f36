#include "app/accessible_names.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
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
    {member<&TForm1::siec>, "Pokaż katalogi sieciowe", "Show network directories"},
    {member<&TForm1::wyslij_pliki>, "Wyślij pliki na serwer FTP [F6]",
     "Upload files to FTP server [F6]"},
    {member<&TForm1::SpeedButton2>, "Usuń pliki lokalne [Del]", "Delete local files [Del]"},
    {member<&TForm1::filtr>, "Filtruj pliki wg maski", "Filter files by mask"},
    {member<&TForm1::SpeedButton3>, "Nowy lokalny katalog [F8]", "New local directory [F8]"},
    {member<&TForm1::ran2>, "Otwórz/Uruchom plik [F4]", "Open/Run file [F4]"},
    {member<&TForm1::litery_lokal>, "Zmień wielkość liter w plikach",
     "Change letter case of files"},
    {member<&TForm1::kont>, "Schowaj - pokaż pliki/katalogi", "Hide - Show files/directories"},
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
    {member<&TForm1::f2>, "Kategoria: FIRMY", "Category: COMPANY"},
    {member<&TForm1::M2>, "Kategoria: MIASTA", "Category: CITY"},
    {member<&TForm1::s2>, "Kategoria: SZKOŁY - UCZELNIE", "Category: SCHOOLS - COLLEGE"},
    {member<&TForm1::p2>, "Kategoria: PROGRAMY", "Category: PROGRAMS"},
    {member<&TForm1::mu2>, "Kategoria: MUZYKA", "Category: MUSIC"},
    {member<&TForm1::U2>, "Kategoria: ULUBIONE", "Category: FAVORITE"},
    {member<&TForm1::Pr2>, "Kategoria: PRYWATNE", "Category: PRIVATE"},
    {member<&TForm1::In2>, "Kategoria: INNE", "Category: OTHER"},
    {member<&TForm1::W2>, "Kategoria: WSZYSTKIE SERWERY", "Category: ALL SERVERS"},
    // lists and fields without a label of their own
    {inRegion<&TForm1::serverPanel, &TServerPanel::szukaj>, "Szukaj serwera", "Search server"},
    {member<&TForm1::dysk>, "Dysk", "Drive"},
    {member<&TForm1::katalog>, "Katalogi lokalne", "Local directories"},
    {member<&TForm1::pliki>, "Pliki lokalne", "Local files"},
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
