#pragma once
// TForm21: the editor of the transfer queue, docked in the main window's
// bottom panel in the place of the log while it is open. Left, one line per
// queued file (folder and name); right, its size; the status bars count the
// files and their total, and the buttons remove one entry or all of them.

#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QWidget>

#include <cstdint>

class TForm1;
class TPanelStatusBar;

class TForm21 : public QWidget {
    Q_OBJECT
public:
    explicit TForm21(TForm1* form);

    QToolButton* usun_jeden = nullptr;
    QToolButton* usun_wszystkie = nullptr;
    QToolButton* zamknij = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    TPanelStatusBar* StatusBar1 = nullptr;
    TPanelStatusBar* StatusBar2 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QMenu* menu_bufor = nullptr;
    QAction* menu_usun_jeden = nullptr;
    QAction* menu_usun_wszystkie = nullptr;
    QAction* Zamknij1 = nullptr;

    // Sum of the kilobytes of the queued files.
    int64_t queueTotal = 0;

    void FormActivate();
    void FormShow();
    void ListBox1Click();
    void ListBox2Click();
    void usun_jedenClick();
    void usun_wszystkieClick();
    void Oblicz_rozmiar(const QString& sizeText);
    void zamknijClick();

    // Docks the editor in place of the log and shows it; closing shows the log again.
    void openEditor();
    void closeEditor();
    bool isOpen() const { return isVisible(); }
    // One queued file added: its line, its size text, its kilobytes. The
    // status texts of an addition are Polish in both languages.
    void appendEntry(const QString& line, const QString& sizeText, int64_t kilobytes);
    // The queue was emptied elsewhere (progress window, disconnect, menu).
    void clearEntries();
    // The remove commands, locked while the queue is downloaded.
    void setRemoveCommandsEnabled(bool enabled);
    // Status bars in the language given (1 Polish, anything else English).
    void showCounts(int language);

private:
    void selectRow(int row);
    void updateRemoveOne();
    TForm1* form_;
    bool locked_ = false;
    bool logWasVisible_ = true;
    int panelHeight_ = 0;
};
