#include "app/accessible_names.h"

#include "app/main_window.h"

namespace {

struct ControlName {
    const char* control;
    const char* pl; // nullptr: the control's hint, which follows the language itself
    const char* en;
};

// Picture-only buttons are named by their hints; the English names are the
// same hints in English (the hints themselves stay Polish, as designed).
constexpr ControlName kNames[] = {
    {"statystyka", nullptr, nullptr},
    {"dynamik", "Dynamiczne łączenie z serwerem FTP", "Dynamic connecting with FTP server"},
    {"CButton", "Schowaj okno do zasobnika", "Hide the window to the notification area"},
    {"siec", "Pokaż katalogi sieciowe", "Show network directories"},
    {"wyslij_pliki", "Wyślij pliki na serwer FTP [F6]", "Upload files to FTP server [F6]"},
    {"SpeedButton2", "Usuń pliki lokalne [Del]", "Delete local files [Del]"},
    {"filtr", "Filtruj pliki wg maski", "Filter files by mask"},
    {"SpeedButton3", "Nowy lokalny katalog [F8]", "New local directory [F8]"},
    {"ran2", "Otwórz/Uruchom plik [F4]", "Open/Run file [F4]"},
    {"litery_lokal", "Zmień wielkość liter w plikach", "Change letter case of files"},
    {"kont", "Schowaj - pokaż pliki/katalogi", "Hide - Show files/directories"},
    {"Cofnij", "Poziom w górę", "One level up"},
    {"n_serwer", "Zmień nazwę pliku/katalogu", "Rename file/directory"},
    {"sciagnij_ftp", "Ściągnij plik(i) z FTP [F7]", "Download file(s) from FTP [F7]"},
    {"usun_ftp", "Usuń plik(i) na FTP [Del]", "Delete file(s) on FTP [Del]"},
    {"n_dir", "Nowy katalog na FTP [F9]", "New directory on FTP [F9]"},
    {"filtr2", "Filtruj pliki na FTP wg maski", "Filter FTP files by mask"},
    {"komenda", "Wywołaj niestandardową komendę", "Send a custom command"},
    {"zamien", "Zmień wielkość liter w plikach na FTP", "Change letter case of FTP files"},
    {"run_ftp", "Otwórz plik/Uruchom program na FTP", "Open file/Run program on FTP"},
    {"f2", "Kategoria: FIRMY", "Category: COMPANY"},
    {"M2", "Kategoria: MIASTA", "Category: CITY"},
    {"s2", "Kategoria: SZKOŁY - UCZELNIE", "Category: SCHOOLS - COLLEGE"},
    {"p2", "Kategoria: PROGRAMY", "Category: PROGRAMS"},
    {"mu2", "Kategoria: MUZYKA", "Category: MUSIC"},
    {"U2", "Kategoria: ULUBIONE", "Category: FAVORITE"},
    {"Pr2", "Kategoria: PRYWATNE", "Category: PRIVATE"},
    {"In2", "Kategoria: INNE", "Category: OTHER"},
    {"W2", "Kategoria: WSZYSTKIE SERWERY", "Category: ALL SERVERS"},
    // lists and fields without a label of their own
    {"szukaj", "Szukaj serwera", "Search server"},
    {"dysk", "Dysk", "Drive"},
    {"katalog", "Katalogi lokalne", "Local directories"},
    {"pliki", "Pliki lokalne", "Local files"},
    {"ftp_lista", "Lista serwerów FTP", "FTP server list"},
    {"l3", "Zasoby serwera FTP", "FTP directory list"},
    {"memo1", "Logi", "Logs"},
};

} // namespace

void linkFieldLabels(TForm1& form) {
    form.Label1->setBuddy(form.CurrentDirEdit);
    form.Label2->setBuddy(form.UserID);
    form.Label3->setBuddy(form.FTpServer);
    form.lbl_haslo->setBuddy(form.Password2);
}

void nameControls(TForm1& form, bool polish) {
    for (const ControlName& name : kNames) {
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(name.control));
        if (!control)
            continue;
        const char* text = polish ? name.pl : name.en;
        control->setAccessibleName(text ? QString::fromUtf8(text) : control->toolTip());
    }
    // The connection fields are named by their labels, in the language shown.
    const std::pair<QLineEdit*, QLabel*> fields[] = {{form.CurrentDirEdit, form.Label1},
                                                     {form.UserID, form.Label2},
                                                     {form.FTpServer, form.Label3},
                                                     {form.Password2, form.lbl_haslo}};
    for (const auto& [field, label] : fields) {
        QString text = label->text().trimmed();
        while (text.endsWith(QLatin1Char(':')))
            text.chop(1);
        field->setAccessibleName(text);
    }
}
