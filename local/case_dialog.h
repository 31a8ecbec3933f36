#pragma once
// TForm15: changes the letter case of every file name, in the local file
// list ("1" in Edit1) or in the remote listing ("0").

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

class TForm1;

class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(TForm1* form);

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* r_male = nullptr;
    QRadioButton* r_duze = nullptr;
    QProgressBar* pas = nullptr;
    QLabel* procent = nullptr;
    QPushButton* Zmien = nullptr;
    QPushButton* Anuluj = nullptr;
    QString Edit1 = QStringLiteral("1"); // hidden target: "0" the remote listing
    // Set by the remote session: renames the remote listing's files.
    std::function<void()> remoteRoutine;

    void FormActivate();
    void ZmienClick();
    // Renames every file of the local list; false when a rename was refused.
    bool localRoutine();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    TForm1* form_;
};
