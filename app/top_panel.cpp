#include "app/top_panel.h"

#include "app/region_controls.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QToolBar>

using region::named;
using region::readOnlyField;
using region::toolButton;

TTopPanel::TTopPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(80);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);

    Image1 = named(new QLabel(QStringLiteral("KORVANTE"), this), "Image1");
    QFont banner = Image1->font();
    banner.setPointSize(16);
    banner.setBold(true);
    Image1->setFont(banner);
    Image1->setStyleSheet(QStringLiteral("color: navy; padding: 0 12px;"));

    Label1 = named(new QLabel(QStringLiteral("Jesteś w katalogu:"), this), "Label1");
    Label2 = named(new QLabel(QStringLiteral("Użytkownik/Konto:"), this), "Label2");
    Label3 = named(new QLabel(QStringLiteral("Nazwa serwera FTP:"), this), "Label3");
    lbl_haslo = named(new QLabel(QStringLiteral("Hasło:"), this), "lbl_haslo");
    CurrentDirEdit = readOnlyField(this, "CurrentDirEdit", QStringLiteral("/"));
    UserID = readOnlyField(this, "UserID");
    FTpServer = readOnlyField(this, "FTpServer");
    Password2 = readOnlyField(this, "Password2");
    Password2->setEchoMode(QLineEdit::Password);

    statystyka = toolButton(this, "statystyka", QStringLiteral("@"),
                            QStringLiteral("Otwórz WWW / Wyślij e-mail"));
    dynamik = toolButton(this, "dynamik", QStringLiteral("⚡"),
                         QStringLiteral("Dynamiczne łączenie z serwerem FTP"));
    Tray = toolButton(this, "Tray", QStringLiteral("Tray"));
    Tray->hide();

    ToolBar1 = named(new QToolBar(this), "ToolBar1");
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
