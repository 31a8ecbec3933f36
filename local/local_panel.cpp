#include "local/local_panel.h"

#include "app/panel_status_bar.h"
#include "app/region_controls.h"
#include "local/drive_folders.h"
#include "local/local_lists.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using region::named;
using region::toolButton;

TLocalPanel::TLocalPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    // The stored width rules, not the contents' natural size.
    setMinimumWidth(50);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Splitter2 = named(new QSplitter(Qt::Horizontal, this), "Splitter2");
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
    kont->installEventFilter(this);
    filesAndCategories->addWidget(ToolBar2);
    right->addLayout(filesAndCategories, 1);
    status_lokal = named(new TPanelStatusBar(Panel4), "status_lokal");
    status_lokal->addPanel(QString(), 100);
    status_lokal->addPanel(QString(), 100);
    right->addWidget(status_lokal);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 1);
}

bool TLocalPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == kont && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
        emit kontHovered();
    return QWidget::eventFilter(watched, event);
}
