#pragma once
// The top panel Panel1: the banner, the connection fields the session fills
// (folder, user, server, password) and the main toolbar ToolBar1.

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;

class TTopPanel : public QWidget {
public:
    explicit TTopPanel(QWidget* parent);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbl_haslo = nullptr;
    QLineEdit* CurrentDirEdit = nullptr;
    QLineEdit* UserID = nullptr;
    QLineEdit* FTpServer = nullptr;
    QLineEdit* Password2 = nullptr;
    QToolButton* statystyka = nullptr;
    QToolButton* dynamik = nullptr;
    QToolButton* Tray = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* pol2 = nullptr;
    QToolButton* roz2 = nullptr;
    QToolButton* stop = nullptr;
    QToolButton* Ustawienia2 = nullptr;
    QToolButton* opcje = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* pomoc = nullptr;
    QToolButton* zamknij = nullptr;
    QToolButton* CButton = nullptr; // the caption button, at the toolbar's right end
};
