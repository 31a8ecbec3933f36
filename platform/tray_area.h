#pragma once
// The desktop's notification area. The program's icon there is made through
// this layer, so tests can watch it on the offscreen platform, which has no
// notification area of its own.

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

enum class TrayButton { Left, Right, Middle };

// One icon in the notification area.
class TrayIconPeer {
public:
    virtual ~TrayIconPeer() = default;
    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setToolTip(const QString& text) = 0;
    // Adds the icon to the area (true) or removes it (false).
    virtual void setVisible(bool visible) = 0;

    // What the user did to the icon: a click, or a double click.
    std::function<void(TrayButton)> clicked;
    std::function<void(TrayButton)> doubleClicked;
};

class TrayArea {
public:
    virtual ~TrayArea() = default;
    // False when the desktop has no notification area.
    virtual bool available() = 0;
    virtual std::unique_ptr<TrayIconPeer> createIcon() = 0;
};

// The area in force; the desktop's own unless a test installed another.
TrayArea& trayArea();
void setTrayArea(TrayArea* replacement);

} // namespace platform
