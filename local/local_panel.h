#pragma once
// The local panel Panel2: the drive and folder column on the left, the file
// list with its command strip and the category toolbar on the right. It
// reports the pointer over kont, which has no signal of its own for that.

#include <QWidget>

class QComboBox;
class QLabel;
class QSplitter;
class QToolBar;
class QToolButton;
class TLocalFileList;
class TLocalFolderList;
class TPanelStatusBar;

class TLocalPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLocalPanel(QWidget* parent);

    QSplitter* Splitter2 = nullptr;
    // Folder column.
    QWidget* Panel6 = nullptr;
    QLabel* Panel8 = nullptr;
    QToolButton* siec = nullptr;
    QComboBox* dysk = nullptr;
    TLocalFolderList* katalog = nullptr;
    TPanelStatusBar* Status_kat = nullptr;
    // File column and its command strip Panel7.
    QWidget* Panel4 = nullptr;
    QWidget* Panel7 = nullptr;
    QToolButton* wyslij_pliki = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* filtr = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* ran2 = nullptr;
    QToolButton* litery_lokal = nullptr;
    TLocalFileList* pliki = nullptr;
    // Category toolbar: one button per server category, W2 for all of them.
    QToolBar* ToolBar2 = nullptr;
    QToolButton* f2 = nullptr;
    QToolButton* M2 = nullptr;
    QToolButton* s2 = nullptr;
    QToolButton* p2 = nullptr;
    QToolButton* mu2 = nullptr;
    QToolButton* U2 = nullptr;
    QToolButton* Pr2 = nullptr;
    QToolButton* In2 = nullptr;
    QToolButton* W2 = nullptr;
    QToolButton* kont = nullptr;
    TPanelStatusBar* status_lokal = nullptr;

signals:
    void kontHovered(); // kontMouseMove

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
