// The shell's own commands: captions, colours, help, licence, about,
// shortcuts, the web page, the log pane's docking, and their wiring.

#include "app/main_window.h"

#include "app/about_box.h"
#include "app/accessible_names.h"
#include "app/captions.h"
#include "app/server_panel.h"
#include "app/shell_texts.h"
#include "app/shortcuts_window.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "platform/colors.h"
#include "platform/paths.h"
#include "platform/services.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLocale>

using platform::services;

void TForm1::jezyk_pol() {
    for (const CaptionRow& row : mainWindowCaptions())
        row.apply(*this, QString::fromUtf8(row.pl));
    nameControls(*this, true);
    logPanel->setDockTitle(true);
    StatusBar1->setPanelText(1, QStringLiteral("Data: [") +
                                    QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) +
                                    QStringLiteral("]"));
    StatusBar1->setPanelText(2, QStringLiteral("Kategoria:"));
}

void TForm1::jezyk_ang() {
    for (const CaptionRow& row : mainWindowCaptions())
        row.apply(*this, QString::fromUtf8(row.en));
    nameControls(*this, false);
    logPanel->setDockTitle(false);
    StatusBar1->setPanelText(1, QStringLiteral("Date: [") +
                                    QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) +
                                    QStringLiteral("]"));
}

void TForm1::Colory() {
    platform::applyFieldColors({topPanel->CurrentDirEdit, topPanel->UserID, topPanel->FTpServer,
                                topPanel->Password2, localPanel->pliki, localPanel->katalog,
                                localPanel->dysk, serverPanel->ftp_lista, serverPanel->l3,
                                serverPanel->szukaj},
                               settings.fieldBackground, settings.fieldText);
}

void TForm1::pomoc1Click() {
    QCoreApplication::processEvents();
    const QString help = platform::programFile(QStringLiteral("Pocz.chm"));
    if (QFile::exists(help))
        services().shellOpen(help);
    else
        services().messageDlg(lang::pick(shell_texts::kHelpMissing, languageFlag()),
                              platform::DlgType::Error, platform::DlgButtons::Ok);
}

void TForm1::LicencjaClick() {
    services().shellOpen(platform::programFile(QStringLiteral("licencja.txt")),
                         platform::fallbackFolder());
}

void TForm1::klawiszeClick() {
    TSkroty window(this);
    connect(&window, &TSkroty::helpRequested, this, &TForm1::pomoc1Click);
    services().showModal(window);
}

void TForm1::Oprogramie1Click() {
    TForm2 about(this);
    services().showModal(about);
}

void TForm1::OdwiedstronWWW1Click() {
    services().shellOpen(QString::fromLatin1(shell_texts::kMakerSite) +
                         QStringLiteral("about.php"));
}

void TForm1::Password2Change() {
    if (!topPanel->Password2->text().isEmpty())
        topPanel->lbl_haslo->setStyleSheet(QStringLiteral("color: #0000FF;"));
}

void TForm1::wireShell() {
    connect(topPanel->zamknij, &QToolButton::clicked, this, &TForm1::zamknijClick);
    connect(topPanel->pomoc, &QToolButton::clicked, this,
            [this] { popupAtToolbar(menu_help, topPanel->pomoc); });
    connect(topPanel->opcje, &QToolButton::clicked, this,
            [this] { popupAtToolbar(menu_servery, topPanel->opcje); });
    connect(pomoc1, &QAction::triggered, this, &TForm1::pomoc1Click);
    connect(Pomoc2, &QAction::triggered, this, &TForm1::pomoc1Click);
    connect(Licencja, &QAction::triggered, this, &TForm1::LicencjaClick);
    connect(klawisze, &QAction::triggered, this, &TForm1::klawiszeClick);
    connect(Oprogramie1, &QAction::triggered, this, &TForm1::Oprogramie1Click);
    connect(Oprogramie2, &QAction::triggered, this, &TForm1::Oprogramie1Click);
    connect(OdwiedstronWWW1, &QAction::triggered, this, &TForm1::OdwiedstronWWW1Click);
    connect(topPanel->Password2, &QLineEdit::textChanged, this, &TForm1::Password2Change);
    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this](int pos, int) { Splitter1Moved(pos); });
    connect(localPanel->katalog, &TLocalFolderList::directoryChanged, localPanel->pliki,
            &TLocalFileList::setDirectory);
    // Which list was clicked last.
    connect(serverPanel->l3, &QAbstractItemView::pressed, this, [this] {
        l3Tag = 100;
        szukajTag = 200;
    });
    connect(localPanel->pliki, &QListWidget::itemPressed, this, [this] {
        plikiTag = 101;
        szukajTag = 200;
        l3Tag = 500;
    });
}
