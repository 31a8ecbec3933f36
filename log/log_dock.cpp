#include "log/log_dock.h"

#include "app/main_window.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "log/log_texts.h"

#include <QBoxLayout>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>

namespace {

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

void TForm1::Panel3Click() {
    // Docks the pane back, aligned to the bottom.
    if (logPanel->memo1Dock->isFloating())
        logPanel->memo1Dock->setFloating(false);
    logPanel->fitBottomPanel();
}

void TForm1::Panel3DblClick() {
    logPanel->memo1Dock->show();
    logPanel->memo1->show();
    logPanel->fitBottomPanel();
}
