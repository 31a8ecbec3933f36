#pragma once
// TForm1, the main window: the hub every subsystem works through. Its
// controls are public and named as the program has always named them; the
// handlers of each subsystem are defined in that subsystem's folder.

#include "app/language.h"
#include "app/panel_status_bar.h"
#include "app/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TLogPanel;
class TTopPanel;
class TServerPanel;
class ServerDirectoryState;
class TIdFTP;
class TForm18;
class TF_kreator;
class TIdLogDebug;
class TIdAntiFreeze;
class TLocalPanel;
class TForm10;
class TPowiekszenie;
class TForm13;
class TForm15;
class TForm9;
class TForm11;
class TForm12;
class TForm16;
class TForm20;
class TForm21;
class BackgroundJobs;
class TransferState;
class SessionState;
struct TIdListing;
class TForm8;
class TForm4;
class TForm6;
class TForm17;
class TFormy;
class TUstawienia;
class TTrayIcon;
class TShutdown;
namespace local {
class DriveFolders;
}
namespace server_dialogs {
struct MainWindowState;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- settings (konf.dat, roz.dat) --------------------------------------
    Settings settings; // konf.dat as read at start, as far as it is in force
    int leftPanelWidth = 337;
    unsigned char platformKind = 2;
    bool hiddenToTray = false;
    QString lastLogItem; // the most recent protocol-log item

    // ---- top panel Panel1: banner, connection fields, ToolBar1 (app/top_panel.h)
    TTopPanel* topPanel = nullptr;

    // Hidden state of the top panel: plain data.
    bool pasywny = false; // passive transfers
    bool trasa = false;   // protocol log hook on
    QString edit_port = QStringLiteral("21");
    QString kopia_ftp, kopia_ures, kopia_dir, kopia_haslo;

    // ---- left panel Panel2: drives, folders, files, category toolbar (local/local_panel.h)
    TLocalPanel* localPanel = nullptr;
    QSplitter* Splitter1 = nullptr;

    // ---- server panel panel_ftp: header Panel5, ftp_lista, l3 (app/server_panel.h)
    TServerPanel* serverPanel = nullptr;

    // Tags telling which list was clicked last.
    int l3Tag = 0;
    int plikiTag = 0;
    int szukajTag = 200;

    // ---- bottom panel Panel3: the log pane memo1 and its dock (log/log_panel.h)
    TLogPanel* logPanel = nullptr;
    TMainStatusBar* StatusBar1 = nullptr;

    // ---- non-visual --------------------------------------------------------
    std::unique_ptr<TIdFTP> FTP;
    std::unique_ptr<TIdLogDebug> IdLogDebug1;
    std::unique_ptr<TIdAntiFreeze> IdAntiFreeze1;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    TForm18* Form18 = nullptr;
    TF_kreator* kreatorInstance = nullptr;

    // ---- popup menus -------------------------------------------------------
    QMenu* menu_servery = nullptr;
    QAction *Polacz1 = nullptr, *nowy2 = nullptr, *Edycjadanychserwera1 = nullptr, *Usun1 = nullptr,
            *usun_all = nullptr, *usun_all2 = nullptr, *ftp_drukuj = nullptr, *exp = nullptr;
    QMenu* Adresy1 = nullptr;
    QAction *Adresy_nowy1 = nullptr, *Adresy_edytuj1 = nullptr;
    QMenu* kat1 = nullptr;
    QAction *Panstwa = nullptr, *Miasta = nullptr, *szkoly = nullptr, *Programy = nullptr,
            *Muzyka = nullptr, *Ulubione = nullptr, *Prywatne = nullptr, *wszystkie_s = nullptr,
            *pokaz_wszystkie = nullptr;

    QMenu* menu_ftp = nullptr;
    QAction *sciagnij_pl = nullptr, *sciagnij_n_s = nullptr, *usun_pl1 = nullptr,
            *otworz_katalog = nullptr, *nowy_kat1 = nullptr, *Wicej1 = nullptr,
            *otworz_plik_ftp = nullptr, *ftp_wszystkie = nullptr, *ftp_nic = nullptr,
            *wlacz_bufor = nullptr, *edycja_bufor = nullptr, *bufor_zaznacz_all = nullptr,
            *usun_bufor = nullptr, *Odwie1 = nullptr, *wlasciwosci = nullptr;
    QMenu* Bufor = nullptr;
    QMenu* menu_ftp_2 = nullptr;
    QAction *MenuItem1 = nullptr, *MenuItem2 = nullptr, *MenuItem4 = nullptr, *MenuItem6 = nullptr,
            *MenuItem7 = nullptr, *MenuItem8 = nullptr, *MenuItem10 = nullptr,
            *MenuItem12 = nullptr, *MenuItem13 = nullptr, *MenuItem16 = nullptr,
            *MenuItem17 = nullptr, *MenuItem19 = nullptr, *MenuItem21 = nullptr,
            *MenuItem23 = nullptr, *MenuItem25 = nullptr;
    QMenu* MenuItem15 = nullptr;

    QMenu* menu_pliki = nullptr;
    QAction *wyslij_pl = nullptr, *wyslij_n_sesja = nullptr, *Usuplik1 = nullptr,
            *zaznacz1 = nullptr, *odznacz = nullptr, *odswiez = nullptr, *Szukaj_pliku = nullptr,
            *ran = nullptr, *Pl_normalne = nullptr, *pl_archiwalne = nullptr, *pl_system = nullptr,
            *pl_ukryte = nullptr, *pl_read = nullptr, *pl_wszystkie = nullptr,
            *wlasciwosci2 = nullptr;
    QMenu* pokazuj_pliki = nullptr;

    QMenu* menu_katalog = nullptr;
    QAction *kat_wyslij = nullptr, *kat_usun = nullptr, *kat_otworz = nullptr,
            *nowy_kat_lokal = nullptr, *zmien_katalog = nullptr, *Odswiez1 = nullptr,
            *kat_szukaj = nullptr;

    QMenu* menu_logi = nullptr;
    QAction *powiekszenie1 = nullptr, *logi = nullptr;

    QMenu* menu_help = nullptr;
    QAction *pomoc1 = nullptr, *Licencja = nullptr, *klawisze = nullptr, *OdwiedstronWWW1 = nullptr,
            *Oprogramie1 = nullptr;

    QMenu* Menu_tray = nullptr;
    QAction *pokaz_okno = nullptr, *Oprogramie2 = nullptr, *Pomoc2 = nullptr, *mail_www = nullptr,
            *Tray_zamknij = nullptr;

    // Set when the program is on its way out (exit command, refused password).
    bool quitting() const { return quitting_; }
    void setQuitting() { quitting_ = true; }

    // ---- application shell (app/) ------------------------------------------
    void FormCreate();
    void FormShow();
    void FormActivate();
    bool FormCloseQuery();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers); // true = consumed
    void Odczyt_danych();                                       // read konf.dat and apply it
    void rozmiary_odczyt();                                     // roz.dat -> left panel width
    void rozmiary_zapis();                                      // left panel width -> roz.dat
    // The left panel at `width` (clamped to the screen), its folder column at half.
    void placeLeftPanel(int width);
    void jezyk_pol();
    void jezyk_ang();
    void Colory();
    void Splitter1Moved(int leftPosition);
    void zamknijClick();
    void pomoc1Click();
    void LicencjaClick();
    void klawiszeClick();
    void Oprogramie1Click();
    void OdwiedstronWWW1Click();
    void Panel3Click();
    void Panel3DblClick();
    void Password2Change();
    // Opens a toolbar button's menu at the place the program always used.
    void popupAtToolbar(QMenu* menu, QWidget* button);
    // True when the engine reports a live connection.
    bool connected() const;
    // The reply code of the last server reply, from the engine.
    int lastReplyCode() const;
    // Settings dialog and access password (app/settings_dialog*, app/password_prompt*):
    // creates TUstawienia and connects Ustawienia2; once.
    void wireSettings();
    bool settingsWired = false;
    TUstawienia* Ustawienia = nullptr;
    void Ustawienia2Click();
    void askAccessPassword();      // TForm14 at start; anything but the right password quits
    void applyServerPanelLayout(); // the server list alone, or above the remote listing
    // The restart the settings dialog offers: the exit command, then the program again.
    void restartProgram();

    // ---- remote session (session/, log/) -----------------------------------
    // Connects the engine's events, the session's controls and commands, and
    // creates the session's long-lived windows (TForm10, TPowiekszenie). Once.
    void wireSession();
    // The session's own state (session/session_state.h), created first by
    // wireSession; a child of the window.
    SessionState* session = nullptr;
    TForm10* Form10 = nullptr;
    TPowiekszenie* Powiekszenie = nullptr;

    // Connecting and disconnecting.
    void pol2Click();
    void roz2Click();
    void stopClick();
    void FTPStatus(const QString& statusText);
    void FTPDisconnected();
    void zmiana_polacz2();
    void zmiana_rozlacz2();
    void Statusy();
    void Button1Click(); // the deferred reset Timer1 runs
    void pasywnyClick();
    void trasaClick();
    void Password2KeyPress(); // Enter
    void CurrentDirEditChange();
    void dynamikClick();

    // The remote listing and navigation. A path typed or shown as text is
    // sent in the encoding of the folder's listing; a name taken from a
    // listing line is sent as the server wrote it.
    void ChageDir(const QString& path);
    void ChageDirRaw(const std::string& path);
    // Opens a symbolic link that may lead to a folder; a refusal changes nothing.
    void openLinkedFolder(const std::string& name);
    std::string remotePathBytes(const QString& path) const;
    void l3DblClick();
    void CofnijClick();
    void Odwie1Click();
    void ftp_wszystkieClick();
    void ftp_nicClick();
    void l3Click();
    void l3ColumnClick();
    void filtr2Click();
    void kontClick();
    void kontMouseMove();
    void SpeedButton4Click();
    // Refills l3 from raw listing lines (sorted once at the end when sorting is on).
    void showListing(const std::vector<std::string>& lines);
    void showListing(TIdListing lines);
    // The mouse may start dragging rows of l3: the server panel, the remote
    // list's clicks and the drag and drop between the panels all set it.
    bool dragAllowed = false;
    // A session call of the engine waits, for the subsystems that only need to know that.
    bool sessionCallWaiting() const;

    // Remote file operations (session/remote_*.cpp): the commands, their
    // windows and bindings; wired once from wireSession.
    void wireRemoteOperations();
    TForm9* Form9 = nullptr;   // the command line
    TForm16* Form16 = nullptr; // the information window
    void n_katalogClick();     // new remote folder (F9)
    void usun_katClick();      // delete the selected entries (Del)
    void n_serwerClick();      // rename one entry
    void zamienClick();        // letter case of the remote files, through TForm15
    void zmiana_liter();       // TForm15's remote routine
    void komendaClick();       // SITE command or the system description
    void Wicej1Click();        // the raw listing in TForm16
    void otworz_plik_ftpClick();
    void run_ftpClick();
    // Connected and no other conversation running; says so when not connected.
    bool remoteCommandAllowed();
    // A name the user typed, in the folder's encoding; none when it holds a line break.
    std::optional<std::string> typedRemoteName(const QString& typed) const;

    // File properties windows (log/properties_*.cpp).
    TForm11* Form11 = nullptr;
    TForm12* Form12 = nullptr;
    void wlasciwosciClick();  // the current remote file
    void wlasciwosci2Click(); // the current local file

    // The session log.
    void IdLogDebug1LogItem(const QString& item);
    void logiClick();
    void powiekszenie1Click();

    // ---- transfers (transfers/) --------------------------------------------
    // Creates the progress window TForm13, connects the engine's work events,
    // the download and upload commands, F6/F7 and the drag and drop between
    // the panels. Once.
    void wireTransfers();
    TForm13* Form13 = nullptr;
    // The transfers' own state (transfers/transfer_state.h), created first by
    // wireTransfers; a child of the window.
    TransferState* transfers = nullptr;
    // A batch runs, for the subsystems that only need to know that.
    bool transferBusy() const;
    bool queueModeOn() const;
    // Downloading.
    void s_plikClick();
    bool zaznaczone_sciagnij();
    void Blad_sciagania(); // writes error.dat
    // Downloads the queue's first file (the start-up replay queues it and
    // shows "Status: Połączono..." through replayStatus).
    void S_bufor2();
    // Uploading.
    void w_plikClick();
    bool zaznaczone_pliki();
    void Button2Click(); // the highlighted local folder, one level deep
    void kat_wyslijClick();
    // Drag and drop between the local panel and the remote list: whether
    // `target` takes a drag from `source`, and what a drop there does.
    bool acceptsDrop(QWidget* target, QWidget* source) const;
    void dropOnPanel(QWidget* target, QWidget* source);
    // Carries out the after-transfer choice transfers->spr2 and resets it.
    void afterTransferChoice(bool signalBeforeDisconnect = false);
    // The progress window again after the main window comes back from the tray.
    void repaintProgressWindow();

    // ---- transfer queue (transfers/queue*.cpp) ------------------------------
    // Creates the queue editor TForm21 and connects the queue's menu items; once.
    void wireQueue();
    TForm21* Form21 = nullptr;
    void wlacz_buforClick(); // queue mode on or off
    void bufor_zaznacz_allClick();
    void edycja_buforClick();
    void usun_buforClick();   // empties the queue and its editor
    void S_bufor();           // downloads the queue
    void addToQueue(int row); // a row of l3
    void closeQueueEditor();  // a new connection closes the editor window
    void endQueueMode();      // empties the editor's lists and switches queue mode off
    void clearQueueLists();   // forgets the queued files, the editor left as it is

    // ---- background sessions (transfers/background*.cpp) -------------------
    // Connects the two "separate session" commands; once.
    void wireBackgroundJobs();
    BackgroundJobs* backgroundJobs = nullptr;
    void wyslij_n_sesjaClick();
    void sciagnij_n_sClick();
    QStringList Zapisz_n_sesje() const;     // the upload job's lines
    QStringList Zapisz_n_sesje_ftp() const; // the download job's lines

    // ---- interrupted-download replay (session/replay*.cpp) ------------------
    // Creates TForm20; once.
    void wireReplay();
    TForm20* Form20 = nullptr;
    void Laczenie_blad();
    // The replay of the show handler, once the window is on screen.
    void replayAtStart();
    void replayStatus(const QString& text); // TForm20's status line
    bool replayRunning = false;             // the replay fills the connection fields itself

    // ---- server directory (servers/) ---------------------------------------
    // Its state (servers/server_directory_state.h): the open category, the
    // loaded server lines, the search. Created by wireServerLists.
    ServerDirectoryState* serverDirectory = nullptr;
    bool serverListsWired = false;

    // Creates serverDirectory and connects the server list's controls; once,
    // from the constructor.
    void wireServerLists();
    void serversEmptyAtStart();  // FormCreate step 4: both server lists empty
    void serversCreateAtStart(); // FormCreate step 6: TForm18's loader, the wizard instance
    bool serversWizardAtStart(); // step 8: the wizard when the start category asks; true when shown
    void serversOpenStartCategory(); // step 9: the start category
    void zaladuj(int code);          // load category 0..7 into the list
    void zaladuj_wszystkie();        // build the all-servers list (TForm18's loader)
    // Makes 0..7 (or 8, all servers) the open category: list, openCategory, kat1
    // check, toolbar mark, StatusBar1 panel 2. The settings dialog uses it.
    void openServerCategory(int code);
    // After a dialog or an import changed the file of `code`: the all-servers
    // view is rebuilt, otherwise `code` becomes the open category.
    void reloadServerCategory(int code);
    void kategoriaClick(int code); // category command 0..7 (toolbar, kat1)
    void pokaz_wszystkieClick();   // all-servers command (W2, pokaz_wszystkie)
    void ftp_listaClick();         // select server
    void ftp_listaRightClick();
    void Usun1Click();
    void usun_allClick();
    void usun_all2Click();
    void ftp_listaColumnClick();
    void ftp_drukujClick();
    int selectedServerIndex() const;    // ListBox2 position of the selected server, -1 none
    QString selectedServerLine() const; // its own line, empty when none is selected
    void refreshServerCount();          // status_ftp panel 0
    // Search bar in Panel5.
    void SpeedButton1Click();
    void zamknij_szukanie();
    void szukajClick();
    void szukajExit();
    void szukajChange();
    bool szukajKeyPress(QKeyEvent* event); // true = consumed
    void szukaj_caleClick();
    void Szukaj_wyraz();
    bool szukaj_znakow(const QString& text); // true when the search started over
    // Server dialogs and export/import (servers/server_dialog_entry.cpp):
    // creates TForm4, TForm6, TForm17 and TFormy, connects nowy2,
    // Edycjadanychserwera1 and exp; once.
    void wireServerDialogs();
    bool serverDialogsWired = false;
    TForm4* Form4 = nullptr;   // edits the selected server
    TForm6* Form6 = nullptr;   // a new server
    TForm17* Form17 = nullptr; // export and import of category files
    TFormy* Formy = nullptr;   // the folder chooser of TForm17 and TUstawienia
    void nowy2Click();
    void Edycjadanychserwera1Click();
    void editServer(); // TForm4 for the selected server, or for none in the all-servers view
    void expClick();
    // What the server dialogs are shown of this window.
    server_dialogs::MainWindowState serverDialogState() const;

    // ---- local files (local/) ----------------------------------------------
    // Connects the local panel's controls; once.
    void wireLocalPanel();
    bool localPanelWired = false;
    void dyskChange();
    void katalogChange();
    void filtrClick();
    void pokazuj_plikiClick(QAction* choice); // one of the attribute filters
    void SpeedButton3Click();                 // new local folder (F8)
    void Usuplik1Click();                     // delete the selected local files (Del)
    void ranClick();                          // open or run the file (F4)
    void zaznacz1Click();
    void odznaczClick();
    void odswiezClick();
    void Szukaj_plikuClick();
    void kat_otworzClick();
    void kat_usunClick();
    void zmien_katalogClick();
    void Odswiez1Click();
    void kat_szukajClick();
    // Row of `pliki` whose text equals `name` exactly, or -1.
    int Znajdz(const QString& name) const;
    // The folder last shown on each drive of `dysk`, opened again when the drive is chosen.
    std::unique_ptr<local::DriveFolders> driveFolders;
    // The letter-case window, shared with the remote listing (its Edit1 chooses).
    TForm15* Form15 = nullptr;
    void litery_lokalClick();

    // ---- address book (addressbook/) ---------------------------------------
    // Creates the launcher TForm8 and connects statystyka, mail_www and the
    // Adresy1 submenu; once.
    void wireAddressBook();
    TForm8* Form8 = nullptr;
    void statystykaClick();
    void Adresy_nowy1Click();
    void Adresy_edytuj1Click();

    // ---- network chooser (local/network_chooser.cpp) -----------------------
    void siecClick();

    // ---- desktop integration (desktop/) ------------------------------------
    // Creates the tray icon tr_Icona and Shutdown1, connects CButton and the
    // tray menu, and fills the progress window's tray hooks; once.
    void wireDesktop();
    TTrayIcon* tr_Icona = nullptr;
    TShutdown* Shutdown1 = nullptr;
    void CButtonClick();
    void tr_IconaClick(Qt::MouseButton button);
    void pokaz_oknoClick();
    void Tray_zamknijClick();
    void Akcja(); // shuts the computer down the way the platform kind calls for
    // Whether the desktop has a notification area; without one the window
    // (and `alsoMinimise`) is minimised instead, and the user told so once.
    bool trayAreaAvailable() const;
    void minimiseInstead(QWidget* alsoMinimise);
    bool noTrayNoticeGiven = false;
    // The notification-area icon as the progress window uses it.
    bool trayIconVisible() const;
    void showTrayIcon(const QString& iconFile);
    void setTrayHint(const QString& hint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void wireShell();
    bool shownOnce_ = false;
    bool activatedByPress_ = false;
    bool quitting_ = false;
};

extern TForm1* Form1;
