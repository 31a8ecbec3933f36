#pragma once
// What the two windows that show a text buffer (the log window and the
// information window) have in common: a toolbar to save, print, re-font,
// clear and close, the editor, and the editor's popup menu to copy, cut,
// paste and select all.

#include <QDialog>
#include <QString>

class QAction;
class QMenu;
class QTextEdit;
class QToolButton;

class TTextBufferWindow : public QDialog {
    Q_OBJECT
public:
    QToolButton* zapisz;
    QToolButton* drukuj;
    QToolButton* czcionka;
    QToolButton* czysc;
    QToolButton* zamknij;
    QMenu* menu;
    QAction* Kopiuj1;
    QAction* Wytnij1;
    QAction* Wklej1;
    QAction* Zaznaczwszystko1;

    // Asks for a file name and writes the buffer there; ".txt" is added
    // whatever the chosen name already ends in, as both windows always did.
    void zapiszClick();
    void drukujClick();
    void czcionkaClick();
    virtual void czyscClick() = 0;
    virtual void zamknijClick() = 0;

protected:
    // `saveName` and `saveFilter` are what the save dialog offers.
    TTextBufferWindow(QWidget* parent, const char* editorName, QString saveName,
                      QString saveFilter);
    QTextEdit* editor() const { return editor_; }
    // The popup items in the language of `flag`.
    void setMenuTexts(int flag);

private:
    QTextEdit* editor_;
    QString saveName_;
    QString saveFilter_;
};
