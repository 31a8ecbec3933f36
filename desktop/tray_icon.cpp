#include "desktop/tray_icon.h"

#include <QCursor>
#include <QMenu>

namespace {

Qt::MouseButton qtButton(platform::TrayButton button) {
    switch (button) {
    case platform::TrayButton::Left:
        return Qt::LeftButton;
    case platform::TrayButton::Right:
        return Qt::RightButton;
    case platform::TrayButton::Middle:
        return Qt::MiddleButton;
    }
    return Qt::NoButton;
}

} // namespace

TTrayIcon::TTrayIcon(QObject* owner) : QObject(owner) {
    // One more than the highest identifier among the owner's other icons.
    if (owner) {
        int highest = 0;
        for (const TTrayIcon* other : owner->findChildren<TTrayIcon*>(Qt::FindDirectChildrenOnly))
            if (other != this)
                highest = qMax(highest, other->trayId_);
        trayId_ = highest + 1;
    }
}

TTrayIcon::~TTrayIcon() {
    if (peer_)
        peer_->setVisible(false);
}

void TTrayIcon::setIcon(const QIcon& icon) {
    icon_ = icon;
    if (visible_)
        Refresh();
}

void TTrayIcon::setHint(const QString& hint) {
    const QString cut = hint.left(kHintLength);
    if (cut == hint_)
        return;
    hint_ = cut;
    Refresh();
}

void TTrayIcon::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    LDown = RDown = MDown = false;
    if (visible) {
        if (!peer_) {
            peer_ = platform::trayArea().createIcon();
            peer_->clicked = [this](platform::TrayButton b) { pressAndRelease(b); };
            peer_->doubleClicked = [this](platform::TrayButton b) { doubleClicked(b); };
        }
        peer_->setIcon(icon_);
        peer_->setToolTip(hint_);
        peer_->setVisible(true);
    } else if (peer_) {
        peer_->setVisible(false);
    }
}

void TTrayIcon::Refresh() {
    if (!peer_ || !visible_)
        return;
    peer_->setIcon(icon_);
    peer_->setToolTip(hint_);
}

void TTrayIcon::pressAndRelease(platform::TrayButton button) {
    // The notification area reports whole clicks; they run as a press and
    // a release on the icon.
    const Qt::MouseButton qt = qtButton(button);
    bool* down = button == platform::TrayButton::Left    ? &LDown
                 : button == platform::TrayButton::Right ? &RDown
                                                         : &MDown;
    *down = true;
    if (OnMouseDown)
        OnMouseDown(this, qt);
    if (*down && OnClick)
        OnClick(this, qt);
    if (button == platform::TrayButton::Right && *down && popupMenu_)
        popupMenu_->popup(QCursor::pos());
    *down = false;
    if (OnMouseUp)
        OnMouseUp(this, qt);
}

void TTrayIcon::doubleClicked(platform::TrayButton button) {
    if (OnDblClick)
        OnDblClick(this, qtButton(button));
}
