#pragma once
// TForm4, "Edycja danych serwera FTP": changes the selected server's record
// in its category file, or moves it to another category.

#include "servers/server_dialog_base.h"

#include <QStringList>

class TForm4 : public ServerDialogBase {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QStringList ListBox2; // lines of the source category file
    QStringList lista2;   // lines to write back
    QString wybrany;      // position of the selected entry in the main list
    int sourceCategory = 7;
    int targetCategory = 7; // once accepted: the category whose file now holds the server
    // The selected server's own line: the one this dialog replaces.
    QString selectedLine;

    void FormActivate();
    void ZapiszClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Row of the selected server's own line in ListBox2; -1 when the file
    // no longer holds it.
    int ownLineIndex() const;
    // False when the source file is there but could not be read: rewriting
    // it from what was read would lose its servers.
    bool sourceReadable_ = true;
    session::ServerKey editedKey_; // the server as it was before the edit
    bool writeEdited(const QString& record);
};
