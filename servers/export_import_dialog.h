#pragma once
// TForm17, "Eksport - Import": copies category files to a chosen folder or
// brings them in from one.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "servers/server_dialog_support.h"

class TFormy;

class TForm17 : public QDialog {
    Q_OBJECT
public:
    // `chooser` picks the folder; the main window owns both.
    TForm17(TFormy& chooser, QWidget* parent);

    QListWidget* lista = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* exp1 = nullptr;
    QRadioButton* import = nullptr;
    QCheckBox* zaznacz = nullptr;
    QLineEdit* import_edit = nullptr;
    QPushButton* katalogi = nullptr;
    QPushButton* go = nullptr;
    QPushButton* Anuluj = nullptr;

    // What the window is to show of the main window; set before each showing.
    void setMainWindowState(const server_dialogs::MainWindowState& state) { state_ = state; }
    // The categories brought in since the window was last shown.
    QList<int> importedCategories;

    void FormActivate();
    void katalogiClick();
    void exp1Click();
    void importClick();
    void zaznaczClick(bool ticked);
    void goClick();
    void AnulujClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // Esc acts as "Anuluj"

private:
    TFormy& chooser_;
    server_dialogs::MainWindowState state_;
    void fillAllNames();
    void detectFiles();
    void exportFiles();
    void importFiles();
};
