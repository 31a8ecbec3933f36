#pragma once
// Tfrm_siec, "Wybierz zasób sieciowy...": picks a folder of a mounted network
// file system and opens it, unchanged, in the local panel. Nothing is
// mounted or connected by the program.

#include "local/network_mounts.h"
#include "platform/colors.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

class Tfrm_siec : public QDialog {
    Q_OBJECT
public:
    // Path of a node; the root (the neighbourhood itself) has none.
    static constexpr int kPathRole = Qt::UserRole + 1;

    explicit Tfrm_siec(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // the expected form of a path
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QTreeWidget* cmb_siec = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Anuluj = nullptr;
    // Set by the caller before showing: the user's field colours.
    int32_t fieldBackground = platform::kBuiltInFieldBackground;
    int32_t fieldText = platform::kBuiltInFieldText;

    // The network folder "OK" accepted; the caller opens it in the local panel.
    QString chosenFolder() const { return Edit1->text(); }
    void FormActivate();
    void cmb_siecClick(QTreeWidgetItem* node);
    void OKClick();
    static void showCannotOpen(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillTree();
    void expandNode(QTreeWidgetItem* node);

    QList<netmounts::Mount> table_;
};
