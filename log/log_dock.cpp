#include "log/log_dock.h"

#include "app/main_window.h"
#include "log/log_pane.h"
#include "log/log_texts.h"

#include <QBoxLayout>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>

namespace {

// Less than this and the dock area is too small to take the pane back.
constexpr int kDropStripHeight = 40;

// The pane's own show and hide (the log switched off, the queue editor
// covering it) apply to the dock that carries it.
class PaneVisibility : public QObject {
public:
    PaneVisibility(TLogPane* pane, QDockWidget* dock) : QObject(dock), dock_(dock) {
        pane->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::HideToParent && !dock_->isHidden())
            dock_->hide();
        else if (event->type() == QEvent::ShowToParent && dock_->isHidden())
            dock_->show();
        return false;
    }

private:
    QDockWidget* dock_;
};

} // namespace

QDockWidget* dockLogPane(QWidget* panel, QBoxLayout* column, TLogPane* pane) {
    // A dock needs a main window to dock in; a plain one inside the panel
    // does, without touching the main window's own layout.
    auto* host = new QMainWindow(panel);
    // A main window is made as a window of its own; this one is a plain part
    // of the panel.
    host->setWindowFlags(Qt::Widget);
    host->setVisible(true);
    host->setObjectName(QStringLiteral("Panel3Host"));
    auto* nothing = new QWidget(host);
    nothing->setFixedHeight(0);
    host->setCentralWidget(nothing);
    auto* dock = new QDockWidget(host);
    dock->setObjectName(QStringLiteral("memo1Dock"));
    dock->setAllowedAreas(Qt::BottomDockWidgetArea);
    // The title bar runs down the pane's left edge, so the docked pane keeps
    // its lines; a floating one gets an ordinary tool-window title.
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                      QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetVerticalTitleBar);
    dock->setWindowTitle(lang::pick(logtext::kPaneTitle, 1));
    dock->setWidget(pane);
    host->addDockWidget(Qt::BottomDockWidgetArea, dock);
    column->insertWidget(0, host, 1);
    new PaneVisibility(pane, dock);
    return dock;
}

void TForm1::fitBottomPanel() {
    // Docked and shown, the pane takes its design height. Floating, a strip
    // stays where it was, to drop it back on (or click, to dock it); hidden,
    // only the status bar remains.
    const int statusHeight = StatusBar1->sizeHint().height();
    if (!memo1Dock || memo1Dock->isHidden() || memo1->isHidden())
        Panel3->setFixedHeight(statusHeight);
    else if (memo1Dock->isFloating())
        Panel3->setFixedHeight(statusHeight + kDropStripHeight);
    else
        Panel3->setFixedHeight(110);
}

void TForm1::Panel3Click() {
    // Docks the pane back, aligned to the bottom.
    if (memo1Dock->isFloating())
        memo1Dock->setFloating(false);
    fitBottomPanel();
}

void TForm1::Panel3DblClick() {
    memo1Dock->show();
    memo1->show();
    fitBottomPanel();
}

void TForm1::setLogDockTitle(bool polish) {
    memo1Dock->setWindowTitle(lang::pick(logtext::kPaneTitle, polish ? 1 : 0));
}
