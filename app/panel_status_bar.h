#pragma once
// A status bar whose panels are plain labels, addressable by index like the
// panels of the original window.

#include <QLabel>
#include <QList>
#include <QStatusBar>

class TPanelStatusBar : public QStatusBar {
public:
    explicit TPanelStatusBar(QWidget* parent);
    void addPanel(const QString& text, int width);
    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;
    int panelCount() const { return int(panels_.size()); }

private:
    QList<QLabel*> panels_;
};

// The main window's status bar StatusBar1: status, date, open category,
// selected server and the queue mark, in that order.
class TMainStatusBar : public TPanelStatusBar {
public:
    explicit TMainStatusBar(QWidget* parent);
};
