#pragma once
// TFormy, "Wybierz katalog...": picks a local folder for the settings dialog
// (mode "U") or for the export and import window (modes "E" and "I"), and
// can create, delete and find folders on the way.

#include "local/drive_folders.h"
#include "platform/colors.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QString>

class TLocalFolderList;

class TFormy : public QDialog {
    Q_OBJECT
public:
    explicit TFormy(QWidget* parent = nullptr);

    QComboBox* dysk = nullptr;
    TLocalFolderList* katalog = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Anuluj = nullptr;
    QMenu* menu_formy = nullptr;
    QAction* nowy = nullptr;
    QAction* usun = nullptr;
    QAction* odswiez = nullptr;
    QAction* szukaj = nullptr;

    // Who asked: "U" settings dialog, "E" export, "I" import. The caller sets
    // it, and puts the folder of an accepted choice into its own field.
    QString edit_forma;
    // The folder confirmed by the last OK.
    QString chosenFolder;
    // Colours of the drive box and the folder list; the caller sets them.
    int32_t fieldBackground = platform::kBuiltInFieldBackground;
    int32_t fieldText = platform::kBuiltInFieldText;

    void FormActivate();
    void OKClick();
    void AnulujClick();
    void katalogClick();
    void nowyClick();
    void usunClick();
    void odswiezClick();
    void szukajClick();

    // Shows a folder (and selects its drive); false when it cannot be read.
    bool openFolder(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillDrives();
    void selectDriveOf(const QString& path);
    void dyskChange(int index);

    local::DriveFolders driveFolders_;
};
