#pragma once
// TSkroty, the list of keyboard shortcuts.

#include <QDialog>

class QListWidget;
class QPushButton;

class TSkroty : public QDialog {
    Q_OBJECT
public:
    explicit TSkroty(QWidget* parent = nullptr);

    QListWidget* lista = nullptr;
    QPushButton* pomoc = nullptr;
    QPushButton* OK = nullptr;

signals:
    // "Pomoc": the owner opens the help (the list closes).
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;
};
