#pragma once
// The bottom panel Panel3: the session log pane memo1 in its dock, with the
// window's status bar at its foot. It keeps its own height to where the pane
// is, and reports clicks on its bare strip for the window's handlers.

#include <QWidget>

class QDockWidget;
class QVBoxLayout;
class TLogPane;

class TLogPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLogPanel(QWidget* parent);
    ~TLogPanel() override;

    TLogPane* memo1 = nullptr;
    QDockWidget* memo1Dock = nullptr;

    // The window's status bar goes below the pane.
    void setStatusBar(QWidget* bar);
    // The panel's height for where the pane is: docked, floating or hidden.
    void fitBottomPanel();
    void setDockTitle(bool polish);

signals:
    void clicked();       // Panel3Click
    void doubleClicked(); // Panel3DblClick

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVBoxLayout* column_ = nullptr;
    QWidget* statusBar_ = nullptr;
};
