// Builds the main window's four regions and their controls.

#include "app/main_window.h"

#include "local/drive_folders.h"
#include "local/local_lists.h"
#include "log/log_dock.h"
#include "log/log_pane.h"

#include <QApplication>
#include <QDockWidget>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint = {}) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    return button;
}

QLineEdit* readOnlyField(QWidget* parent, const char* name, const QString& text = {}) {
    auto* edit = named(new QLineEdit(text, parent), name);
    edit->setReadOnly(true);
    return edit;
}

QTreeWidget* reportList(QWidget* parent, const char* name, const QStringList& columns,
                        const QList<int>& widths) {
    auto* list = named(new QTreeWidget(parent), name);
    list->setColumnCount(int(columns.size()));
    list->setHeaderLabels(columns);
    for (int i = 0; i < widths.size(); ++i)
        list->setColumnWidth(i, widths[i]);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->header()->setSectionsClickable(true);
    return list;
}

} // namespace

TPanelStatusBar::TPanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
}

void TPanelStatusBar::addPanel(const QString& text, int width) {
    auto* label = new QLabel(text, this);
    // The design width is what the panel asks for; it may shrink with its window.
    label->setMinimumWidth(qMin(width, 24));
    label->resize(width, label->height());
    label->setFrameShape(QFrame::StyledPanel);
    panels_.append(label);
    addWidget(label);
}

void TPanelStatusBar::setPanelText(int index, const QString& text) {
    if (index >= 0 && index < panels_.size())
        panels_[index]->setText(text);
}

QString TPanelStatusBar::panelText(int index) const {
    return index >= 0 && index < panels_.size() ? panels_[index]->text() : QString();
}

void TForm1::buildTopPanel() {
    Panel1 = named(new QWidget(this), "Panel1");
    Panel1->setFixedHeight(80);
    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);

    Image1 = named(new QLabel(QStringLiteral("KORVANTE"), Panel1), "Image1");
    QFont banner = Image1->font();
    banner.setPointSize(16);
    banner.setBold(true);
    Image1->setFont(banner);
    Image1->setStyleSheet(QStringLiteral("color: navy; padding: 0 12px;"));

    Label1 = named(new QLabel(QStringLiteral("Jesteś w katalogu:"), Panel1), "Label1");
    Label2 = named(new QLabel(QStringLiteral("Użytkownik/Konto:"), Panel1), "Label2");
    Label3 = named(new QLabel(QStringLiteral("Nazwa serwera FTP:"), Panel1), "Label3");
    lbl_haslo = named(new QLabel(QStringLiteral("Hasło:"), Panel1), "lbl_haslo");
    CurrentDirEdit = readOnlyField(Panel1, "CurrentDirEdit", QStringLiteral("/"));
    UserID = readOnlyField(Panel1, "UserID");
    FTpServer = readOnlyField(Panel1, "FTpServer");
    Password2 = readOnlyField(Panel1, "Password2");
    Password2->setEchoMode(QLineEdit::Password);

    statystyka = toolButton(Panel1, "statystyka", QStringLiteral("@"),
                            QStringLiteral("Otwórz WWW / Wyślij e-mail"));
    dynamik = toolButton(Panel1, "dynamik", QStringLiteral("⚡"),
                         QStringLiteral("Dynamiczne łączenie z serwerem FTP"));
    Tray = toolButton(Panel1, "Tray", QStringLiteral("Tray"));
    Tray->hide();

    ToolBar1 = named(new QToolBar(Panel1), "ToolBar1");
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pol2 = toolButton(ToolBar1, "pol2", QStringLiteral("Połącz"));
    roz2 = toolButton(ToolBar1, "roz2", QStringLiteral("Rozłącz"));
    stop = toolButton(ToolBar1, "stop", QStringLiteral("STOP"));
    stop->setEnabled(false);
    Ustawienia2 = toolButton(ToolBar1, "Ustawienia2", QStringLiteral("Ustawienia"));
    opcje = toolButton(ToolBar1, "opcje", QStringLiteral("Serwery FTP"));
    SpeedButton4 = toolButton(ToolBar1, "SpeedButton4", QStringLiteral("FTP"));
    pomoc = toolButton(ToolBar1, "pomoc", QStringLiteral("Pomoc"));
    zamknij = toolButton(ToolBar1, "zamknij", QStringLiteral("Zamknij"));
    CButton = toolButton(ToolBar1, "CButton", QStringLiteral("▾"));
    for (QToolButton* b : {pol2, roz2, stop, Ustawienia2, opcje, SpeedButton4, pomoc, zamknij})
        ToolBar1->addWidget(b);
    auto* spacer = new QWidget(ToolBar1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ToolBar1->addWidget(spacer);
    ToolBar1->addWidget(CButton);

    grid->addWidget(Image1, 0, 0, 3, 1);
    grid->addWidget(ToolBar1, 0, 1, 1, 6);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(CurrentDirEdit, 1, 2);
    grid->addWidget(Label2, 1, 3);
    grid->addWidget(UserID, 1, 4);
    grid->addWidget(statystyka, 1, 5);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(FTpServer, 2, 2);
    grid->addWidget(lbl_haslo, 2, 3);
    grid->addWidget(Password2, 2, 4);
    grid->addWidget(dynamik, 2, 5);
    grid->addWidget(Tray, 2, 6);
    grid->setColumnStretch(2, 3);
    grid->setColumnStretch(4, 2);
}

void TForm1::buildLocalPanel() {
    Panel2 = named(new QWidget(this), "Panel2");
    // The stored width rules, not the contents' natural size.
    Panel2->setMinimumWidth(50);
    auto* row = new QHBoxLayout(Panel2);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Splitter2 = named(new QSplitter(Qt::Horizontal, Panel2), "Splitter2");
    row->addWidget(Splitter2);

    Panel6 = named(new QWidget(Splitter2), "Panel6");
    auto* left = new QVBoxLayout(Panel6);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(1);
    auto* header = new QHBoxLayout;
    Panel8 = named(new QLabel(QStringLiteral(" Lokalny komputer"), Panel6), "Panel8");
    Panel8->setStyleSheet(QStringLiteral("background: navy; color: white; font-weight: bold;"));
    siec = toolButton(Panel6, "siec", QStringLiteral("Sieć"),
                      QStringLiteral("Pokaż katalogi sieciowe"));
    header->addWidget(Panel8, 1);
    header->addWidget(siec);
    left->addLayout(header);
    dysk = named(new QComboBox(Panel6), "dysk");
    dysk->addItems(local::mountedDriveRoots());
    left->addWidget(dysk);
    katalog = named(new TLocalFolderList(Panel6), "katalog");
    katalog->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(katalog, 1);
    Status_kat = named(new TPanelStatusBar(Panel6), "Status_kat");
    Status_kat->addPanel(QString(), 60);
    left->addWidget(Status_kat);

    Panel4 = named(new QWidget(Splitter2), "Panel4");
    auto* right = new QVBoxLayout(Panel4);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(1);
    Panel7 = named(new QWidget(Panel4), "Panel7");
    auto* strip = new QHBoxLayout(Panel7);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    wyslij_pliki = toolButton(Panel7, "wyslij_pliki", QStringLiteral("⇧"),
                              QStringLiteral("Wyślij pliki na serwer FTP [F6]"));
    SpeedButton2 = toolButton(Panel7, "SpeedButton2", QStringLiteral("✕"),
                              QStringLiteral("Usuń pliki lokanle [Del]"));
    filtr = toolButton(Panel7, "filtr", QStringLiteral("*.*"),
                       QStringLiteral("Filtruj pliki wg maski"));
    SpeedButton3 = toolButton(Panel7, "SpeedButton3", QStringLiteral("+"),
                              QStringLiteral("Nowy lokalny katalog [F8]"));
    ran2 =
        toolButton(Panel7, "ran2", QStringLiteral("▶"), QStringLiteral("Otwórz/Uruchom plik [F4]"));
    litery_lokal = toolButton(Panel7, "litery_lokal", QStringLiteral("Aa"),
                              QStringLiteral("Zmień wielkość liter w plikach"));
    for (QToolButton* b : {wyslij_pliki, SpeedButton2, filtr, SpeedButton3, ran2, litery_lokal})
        strip->addWidget(b);
    strip->addStretch(1);
    right->addWidget(Panel7);

    auto* filesAndCategories = new QHBoxLayout;
    pliki = named(new TLocalFileList(Panel4), "pliki");
    pliki->setContextMenuPolicy(Qt::CustomContextMenu);
    // The half-panel beside the folder tree is narrow: the category column
    // keeps just what its captions need and the file names get the rest,
    // instead of both shrinking alike towards their minimum.
    pliki->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    filesAndCategories->addWidget(pliki, 1);
    ToolBar2 = named(new QToolBar(Panel4), "ToolBar2");
    ToolBar2->setOrientation(Qt::Vertical);
    ToolBar2->setMovable(false);
    ToolBar2->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    ToolBar2->setToolButtonStyle(Qt::ToolButtonTextOnly);
    struct CategoryButton {
        QToolButton** member;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const CategoryButton buttons[] = {
        {&f2, "f2", "F", "Kategoria: FIRMY"},
        {&M2, "M2", "Mi", "Kategoria: MIASTA "},
        {&s2, "s2", "S", "Kategoria: SZKOŁY - UCZELNIE"},
        {&p2, "p2", "P", "Kategoria: PROGRAMY"},
        {&mu2, "mu2", "M", "Kategoria: MUZYKA"},
        {&U2, "U2", "U", "Kategoria: ULUBIONE"},
        {&Pr2, "Pr2", "Pr", "Kategoria: PRYWATNE"},
        {&In2, "In2", "In", "Kategoria: INNE"},
        {&W2, "W2", "W", "Kategoria: WSZYSTKIE SERWERY"},
    };
    for (const CategoryButton& b : buttons) {
        *b.member =
            toolButton(ToolBar2, b.name, QString::fromUtf8(b.caption), QString::fromUtf8(b.hint));
        (*b.member)->setCheckable(true);
        ToolBar2->addWidget(*b.member);
    }
    kont = toolButton(ToolBar2, "kont", QStringLiteral("<<<"));
    ToolBar2->addWidget(kont);
    filesAndCategories->addWidget(ToolBar2);
    right->addLayout(filesAndCategories, 1);
    status_lokal = named(new TPanelStatusBar(Panel4), "status_lokal");
    status_lokal->addPanel(QString(), 100);
    status_lokal->addPanel(QString(), 100);
    right->addWidget(status_lokal);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 1);
}

void TForm1::buildServerPanel() {
    panel_ftp = named(new QWidget(this), "panel_ftp");
    panel_ftp->setMinimumWidth(100);
    auto* column = new QVBoxLayout(panel_ftp);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);

    Panel5 = named(new QWidget(panel_ftp), "Panel5Bar");
    auto* header = new QHBoxLayout(Panel5);
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(1);
    // The caption label carries the header text that the captions switch.
    Panel5Caption = named(new QLabel(QStringLiteral(" Lista serwerów FTP"), Panel5), "Panel5");
    Panel5Caption->setStyleSheet(
        QStringLiteral("background: navy; color: white; font-weight: bold;"));
    header->addWidget(Panel5Caption, 1);
    Cofnij = toolButton(Panel5, "Cofnij", QStringLiteral("↑"), QStringLiteral("Poziom w górę"));
    n_serwer = toolButton(Panel5, "n_serwer", QStringLiteral("Ab"),
                          QStringLiteral("Zmień nazwę pliku/katalogu"));
    sciagnij_ftp = toolButton(Panel5, "sciagnij_ftp", QStringLiteral("⇩"),
                              QStringLiteral("Ściągnij plik(i) z FTP [F7]"));
    usun_ftp = toolButton(Panel5, "usun_ftp", QStringLiteral("✕"),
                          QStringLiteral("Usuń plik(i) na FTP [Del]"));
    n_dir = toolButton(Panel5, "n_dir", QStringLiteral("+"),
                       QStringLiteral("Nowy katalog na FTP [F9]"));
    filtr2 = toolButton(Panel5, "filtr2", QStringLiteral("*.*"),
                        QStringLiteral("Filtruj pliki na FTP wg maski"));
    komenda = toolButton(Panel5, "komenda", QStringLiteral("SITE"),
                         QStringLiteral("Wywołaj niestandardową komendę"));
    zamien = toolButton(Panel5, "zamien", QStringLiteral("Aa"),
                        QStringLiteral("Zmień wielkość liter w plikach"));
    run_ftp = toolButton(Panel5, "run_ftp", QStringLiteral("▶"),
                         QStringLiteral("Otwórz plik/Uruchom program na FTP"));
    szukaj = named(new QLineEdit(Panel5), "szukaj");
    szukaj->setMaximumWidth(140);
    SpeedButton1 = toolButton(Panel5, "SpeedButton1", QStringLiteral("Szukaj"));
    szukaj_cale =
        named(new QCheckBox(QStringLiteral("Szukaj wg całych nazw"), Panel5), "szukaj_cale");
    for (QWidget* w : std::initializer_list<QWidget*>{Cofnij, n_serwer, sciagnij_ftp, usun_ftp,
                                                      n_dir, filtr2, komenda, zamien, run_ftp,
                                                      szukaj, SpeedButton1, szukaj_cale})
        header->addWidget(w);
    column->addWidget(Panel5);

    Splitter3 = named(new QSplitter(Qt::Vertical, panel_ftp), "Splitter3");
    ftp_lista = reportList(Splitter3, "ftp_lista",
                           {QStringLiteral("Nazwa serwera"), QStringLiteral("Typ logowania"),
                            QStringLiteral("Hasło zapisane")},
                           {265, 95, 90});
    l3 = reportList(Splitter3, "l3",
                    {QStringLiteral("Zasoby serwera FTP"), QStringLiteral("Atrybuty")}, {350, 90});
    l3->setSelectionMode(QAbstractItemView::ExtendedSelection);
    column->addWidget(Splitter3, 1);
    status_ftp = named(new TPanelStatusBar(panel_ftp), "status_ftp");
    status_ftp->addPanel(QStringLiteral("Zapisanych serwerów:"), 200);
    status_ftp->addPanel(QStringLiteral("Plików/katalogów na FTP:"), 200);
    column->addWidget(status_ftp);
}

void TForm1::buildBottomPanel() {
    Panel3 = named(new QWidget(this), "Panel3");
    auto* column = new QVBoxLayout(Panel3);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    memo1 = named(new TLogPane(Panel3), "memo1");
    memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    memo1->setMinimumHeight(60);
    memo1Dock = dockLogPane(Panel3, column, memo1);
    connect(memo1Dock, &QDockWidget::topLevelChanged, this, [this] { fitBottomPanel(); });
    connect(memo1Dock, &QDockWidget::visibilityChanged, this, [this] { fitBottomPanel(); });
    StatusBar1 = named(new TPanelStatusBar(Panel3), "StatusBar1");
    StatusBar1->addPanel(QStringLiteral("Status..."), 150);
    StatusBar1->addPanel(QStringLiteral("Data:"), 110);
    StatusBar1->addPanel(QStringLiteral("Kategoria:"), 230);
    StatusBar1->addPanel(QStringLiteral("Wybrany serwer z Kategorii: BRAK"), 250);
    StatusBar1->addPanel(QStringLiteral("N-BUF"), 50);
    column->addWidget(StatusBar1);
}
