#pragma once
// TForm16, "Info...": the raw lines of the current remote folder under a short
// legend, in an editor the user may save, print, re-font and copy from.

#include <QDialog>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QTextEdit;
class QToolButton;

class TForm16 : public QDialog {
    Q_OBJECT
public:
    // `serverName` gives the text of the main window's server field when asked.
    TForm16(QWidget* parent, std::function<QString()> serverName, std::function<int()> language);

    QTextEdit* memo1;
    QToolButton* zapisz;
    QToolButton* drukuj;
    QToolButton* czcionka;
    QToolButton* czysc;
    QToolButton* zamknij;
    QMenu* menu;
    QAction* Kopiuj1;
    QAction* Wklej1;
    QAction* Wytnij1;
    QAction* Zaznaczwszystko1;

    // Empties the editor, writes the header block and then `lines`.
    void fill(const QStringList& lines);
    void FormActivate();
    void zapiszClick();
    void drukujClick();
    void czcionkaClick();
    void czyscClick();
    void zamknijClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void writeHeader();

    std::function<QString()> serverName_;
    std::function<int()> language_;
};
