#include "log/log_panel.h"

#include "log/log_dock.h"
#include "log/log_pane.h"
#include "log/log_texts.h"

#include <QDockWidget>
#include <QEvent>
#include <QVBoxLayout>

namespace {

// Less than this and the dock area is too small to take the pane back.
constexpr int kDropStripHeight = 40;

} // namespace

TLogPanel::TLogPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel3"));
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    memo1 = new TLogPane(this);
    memo1->setObjectName(QStringLiteral("memo1"));
    memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    memo1->setMinimumHeight(60);
    memo1Dock = dockLogPane(this, column_, memo1);
    connect(memo1Dock, &QDockWidget::topLevelChanged, this, &TLogPanel::fitBottomPanel);
    connect(memo1Dock, &QDockWidget::visibilityChanged, this, &TLogPanel::fitBottomPanel);
    installEventFilter(this);
}

TLogPanel::~TLogPanel() {
    // Hiding the dock while its host goes would call back into a half-gone panel.
    memo1Dock->disconnect(this);
}

void TLogPanel::setStatusBar(QWidget* bar) {
    statusBar_ = bar;
    column_->addWidget(bar);
}

void TLogPanel::fitBottomPanel() {
    // Docked and shown, the pane takes its design height. Floating, a strip
    // stays where it was, to drop it back on (or click, to dock it); hidden,
    // only the status bar remains.
    const int statusHeight = statusBar_ ? statusBar_->sizeHint().height() : 0;
    if (memo1Dock->isHidden() || memo1->isHidden())
        setFixedHeight(statusHeight);
    else if (memo1Dock->isFloating())
        setFixedHeight(statusHeight + kDropStripHeight);
    else
        setFixedHeight(110);
}

void TLogPanel::setDockTitle(bool polish) {
    memo1Dock->setWindowTitle(lang::pick(logtext::kPaneTitle, polish ? 1 : 0));
}

bool TLogPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            emit doubleClicked();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease)
            emit clicked();
    }
    return QWidget::eventFilter(watched, event);
}
