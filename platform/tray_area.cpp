#include "platform/tray_area.h"

#include <QSystemTrayIcon>

namespace platform {
namespace {

class SystemTrayPeer : public TrayIconPeer {
public:
    SystemTrayPeer() {
        QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_,
                         [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
    }
    void setIcon(const QIcon& icon) override { icon_.setIcon(icon); }
    void setToolTip(const QString& text) override { icon_.setToolTip(text); }
    void setVisible(bool visible) override { icon_.setVisible(visible); }

private:
    void activated(QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            if (clicked)
                clicked(TrayButton::Left);
            break;
        case QSystemTrayIcon::Context:
            if (clicked)
                clicked(TrayButton::Right);
            break;
        case QSystemTrayIcon::MiddleClick:
            if (clicked)
                clicked(TrayButton::Middle);
            break;
        case QSystemTrayIcon::DoubleClick:
            if (doubleClicked)
                doubleClicked(TrayButton::Left);
            break;
        default:
            break;
        }
    }

    QSystemTrayIcon icon_;
};

class SystemTrayArea : public TrayArea {
public:
    bool available() override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    std::unique_ptr<TrayIconPeer> createIcon() override {
        return std::make_unique<SystemTrayPeer>();
    }
};

TrayArea* g_replacement = nullptr;

} // namespace

TrayArea& trayArea() {
    static SystemTrayArea desktop;
    return g_replacement ? *g_replacement : desktop;
}

void setTrayArea(TrayArea* replacement) {
    g_replacement = replacement;
}

} // namespace platform
