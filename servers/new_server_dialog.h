#pragma once
// TForm6, "Nowy serwer FTP": adds one server to a category file.

#include "servers/server_dialog_base.h"

class TForm6 : public ServerDialogBase {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    QCheckBox* check_ftp = nullptr;
    // Category chosen in cmb_kat; INNE each time the dialog is shown.
    int selectedCategory = 7;
    // Once accepted: the category whose file the new server was added to.
    int savedCategory = -1;

    void FormActivate();
    void ZapiszClick();
    void check_ftpClick(bool ticked);

    // Closing by any means clears the server's fields for the next use.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
};
