// The main window's popup menus, built with their design (Polish) captions;
// the captions table switches them with the language.

#include "app/main_window.h"

#include "app/captions.h"
#include "app/server_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"

#include <QHash>

namespace {

QString designCaption(const char* name) {
    static const QHash<QString, QString> captions = [] {
        QHash<QString, QString> map;
        for (const CaptionRow& row : mainWindowCaptions())
            map.insert(QString::fromLatin1(row.name), QString::fromUtf8(row.pl));
        return map;
    }();
    return captions.value(QString::fromLatin1(name));
}

QAction* item(QMenu* menu, const char* name, bool checkable = false) {
    auto* action = menu->addAction(designCaption(name));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

QMenu* submenu(QMenu* parent, const char* name) {
    auto* menu = parent->addMenu(designCaption(name));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_action"));
    return menu;
}

QMenu* popup(QWidget* owner, const char* name) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TForm1::buildMenus() {
    menu_servery = popup(this, "menu_servery");
    Polacz1 = item(menu_servery, "Polacz1");
    menu_servery->addSeparator();
    nowy2 = item(menu_servery, "nowy2");
    Edycjadanychserwera1 = item(menu_servery, "Edycjadanychserwera1");
    menu_servery->addSeparator();
    Usun1 = item(menu_servery, "Usun1");
    usun_all = item(menu_servery, "usun_all");
    usun_all2 = item(menu_servery, "usun_all2");
    menu_servery->addSeparator();
    ftp_drukuj = item(menu_servery, "ftp_drukuj");
    menu_servery->addSeparator();
    Adresy1 = submenu(menu_servery, "Adresy1");
    Adresy_nowy1 = item(Adresy1, "Adresy_nowy1");
    Adresy_edytuj1 = item(Adresy1, "Adresy_edytuj1");
    menu_servery->addSeparator();
    exp = item(menu_servery, "exp");
    kat1 = submenu(menu_servery, "kat1");
    Panstwa = item(kat1, "Panstwa", true);
    Miasta = item(kat1, "Miasta", true);
    szkoly = item(kat1, "szkoly", true);
    Programy = item(kat1, "Programy", true);
    Muzyka = item(kat1, "Muzyka", true);
    Ulubione = item(kat1, "Ulubione", true);
    Prywatne = item(kat1, "Prywatne", true);
    wszystkie_s = item(kat1, "wszystkie_s", true);
    kat1->addSeparator();
    pokaz_wszystkie = item(kat1, "pokaz_wszystkie", true);

    // The remote list's menu and its copy for the remote-file toolbar button
    // share one layout; only the item names differ.
    struct RemoteMenu {
        QMenu** menu;
        const char* name;
        QAction **download, **background, **remove, **openFolder, **newFolder, **more, **openFile,
            **all, **none, **queueOn, **queueEdit, **queueAdd, **queueOff, **refresh, **properties;
        QMenu** queue;
        const char* names[16];
    };
    const RemoteMenu remoteMenus[] = {
        {&menu_ftp,
         "menu_ftp",
         &sciagnij_pl,
         &sciagnij_n_s,
         &usun_pl1,
         &otworz_katalog,
         &nowy_kat1,
         &Wicej1,
         &otworz_plik_ftp,
         &ftp_wszystkie,
         &ftp_nic,
         &wlacz_bufor,
         &edycja_bufor,
         &bufor_zaznacz_all,
         &usun_bufor,
         &Odwie1,
         &wlasciwosci,
         &Bufor,
         {"sciagnij_pl", "sciagnij_n_s", "usun_pl1", "otworz_katalog", "nowy_kat1", "Wicej1",
          "otworz_plik_ftp", "ftp_wszystkie", "ftp_nic", "wlacz_bufor", "edycja_bufor",
          "bufor_zaznacz_all", "usun_bufor", "Odwie1", "wlasciwosci", "Bufor"}},
        {&menu_ftp_2,
         "menu_ftp_2",
         &MenuItem1,
         &MenuItem2,
         &MenuItem4,
         &MenuItem6,
         &MenuItem7,
         &MenuItem8,
         &MenuItem10,
         &MenuItem12,
         &MenuItem13,
         &MenuItem16,
         &MenuItem17,
         &MenuItem19,
         &MenuItem21,
         &MenuItem23,
         &MenuItem25,
         &MenuItem15,
         {"MenuItem1", "MenuItem2", "MenuItem4", "MenuItem6", "MenuItem7", "MenuItem8",
          "MenuItem10", "MenuItem12", "MenuItem13", "MenuItem16", "MenuItem17", "MenuItem19",
          "MenuItem21", "MenuItem23", "MenuItem25", "MenuItem15"}},
    };
    for (const RemoteMenu& r : remoteMenus) {
        QMenu* menu = *r.menu = popup(this, r.name);
        const char* const* n = r.names;
        *r.download = item(menu, n[0]);
        *r.background = item(menu, n[1]);
        *r.remove = item(menu, n[2]);
        menu->addSeparator();
        *r.openFolder = item(menu, n[3]);
        *r.newFolder = item(menu, n[4]);
        *r.more = item(menu, n[5]);
        menu->addSeparator();
        *r.openFile = item(menu, n[6]);
        menu->addSeparator();
        *r.all = item(menu, n[7]);
        *r.none = item(menu, n[8]);
        menu->addSeparator();
        QMenu* queue = *r.queue = submenu(menu, n[15]);
        *r.queueOn = item(queue, n[9], true);
        *r.queueEdit = item(queue, n[10]);
        queue->addSeparator();
        *r.queueAdd = item(queue, n[11]);
        queue->addSeparator();
        *r.queueOff = item(queue, n[12]);
        (*r.queueEdit)->setEnabled(false);
        (*r.queueAdd)->setEnabled(false);
        menu->addSeparator();
        *r.refresh = item(menu, n[13]);
        menu->addSeparator();
        *r.properties = item(menu, n[14]);
    }

    menu_pliki = popup(this, "menu_pliki");
    wyslij_pl = item(menu_pliki, "wyslij_pl");
    wyslij_n_sesja = item(menu_pliki, "wyslij_n_sesja");
    Usuplik1 = item(menu_pliki, "Usuplik1");
    menu_pliki->addSeparator();
    zaznacz1 = item(menu_pliki, "zaznacz1");
    odznacz = item(menu_pliki, "odznacz");
    odswiez = item(menu_pliki, "odswiez");
    Szukaj_pliku = item(menu_pliki, "Szukaj_pliku");
    ran = item(menu_pliki, "ran");
    pokazuj_pliki = submenu(menu_pliki, "pokazuj_pliki");
    Pl_normalne = item(pokazuj_pliki, "Pl_normalne", true);
    pl_archiwalne = item(pokazuj_pliki, "pl_archiwalne", true);
    pl_system = item(pokazuj_pliki, "pl_system", true);
    pl_ukryte = item(pokazuj_pliki, "pl_ukryte", true);
    pl_read = item(pokazuj_pliki, "pl_read", true);
    pokazuj_pliki->addSeparator();
    pl_wszystkie = item(pokazuj_pliki, "pl_wszystkie", true);
    pl_wszystkie->setChecked(true);
    menu_pliki->addSeparator();
    wlasciwosci2 = item(menu_pliki, "wlasciwosci2");

    menu_katalog = popup(this, "menu_katalog");
    kat_wyslij = item(menu_katalog, "kat_wyslij");
    kat_usun = item(menu_katalog, "kat_usun");
    kat_otworz = item(menu_katalog, "kat_otworz");
    nowy_kat_lokal = item(menu_katalog, "nowy_kat_lokal");
    zmien_katalog = item(menu_katalog, "zmien_katalog");
    Odswiez1 = item(menu_katalog, "Odswiez1");
    kat_szukaj = item(menu_katalog, "kat_szukaj");

    menu_logi = popup(this, "menu_logi");
    powiekszenie1 = item(menu_logi, "powiekszenie1");
    powiekszenie1->setEnabled(false); // until a server is selected
    logi = item(menu_logi, "logi");

    menu_help = popup(this, "menu_help");
    pomoc1 = item(menu_help, "pomoc1");
    Licencja = item(menu_help, "Licencja");
    klawisze = item(menu_help, "klawisze");
    menu_help->addSeparator();
    OdwiedstronWWW1 = item(menu_help, "OdwiedstronWWW1");
    Oprogramie1 = item(menu_help, "Oprogramie1");

    Menu_tray = popup(this, "Menu_tray");
    pokaz_okno = item(Menu_tray, "pokaz_okno");
    Menu_tray->addSeparator();
    Oprogramie2 = item(Menu_tray, "Oprogramie2");
    Pomoc2 = item(Menu_tray, "Pomoc2");
    Menu_tray->addSeparator();
    mail_www = item(Menu_tray, "mail_www");
    Menu_tray->addSeparator();
    Tray_zamknij = item(Menu_tray, "Tray_zamknij");

    // Right clicks open the lists' menus at the click. A list reports the
    // click in its viewport's coordinates, below the header and inside the frame.
    auto at = [](QMenu* menu, QAbstractScrollArea* list) {
        QObject::connect(
            list, &QWidget::customContextMenuRequested, menu,
            [menu, list](const QPoint& p) { menu->popup(list->viewport()->mapToGlobal(p)); });
    };
    at(menu_servery, serverPanel->ftp_lista);
    at(menu_ftp, serverPanel->l3);
    at(menu_pliki, localPanel->pliki);
    at(menu_katalog, localPanel->katalog);
    at(menu_logi, logPanel->memo1);
}
