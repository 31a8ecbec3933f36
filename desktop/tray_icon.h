#pragma once
// TTrayIcon: the program's icon in the notification area, with its hint, its
// pop-up menu and its mouse events. The icon is added when it becomes visible
// and removed when it is hidden or destroyed.

#include "platform/tray_area.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QMenu;

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    // The notification area keeps at most this many characters of a hint.
    static constexpr int kHintLength = 63;

    explicit TTrayIcon(QObject* owner);
    ~TTrayIcon() override;

    const QIcon& Icon() const { return icon_; }
    void setIcon(const QIcon& icon);
    const QString& Hint() const { return hint_; }
    void setHint(const QString& hint);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    int TrayID() const { return trayId_; }
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    // Sends icon and hint to the notification area again.
    void Refresh();

    bool LDown = false;
    bool RDown = false;
    bool MDown = false;

    std::function<void(TTrayIcon*, Qt::MouseButton)> OnClick;
    std::function<void(TTrayIcon*, Qt::MouseButton)> OnMouseDown;
    std::function<void(TTrayIcon*, Qt::MouseButton)> OnMouseUp;
    std::function<void(TTrayIcon*, Qt::MouseButton)> OnDblClick;

private:
    void pressAndRelease(platform::TrayButton button);
    void doubleClicked(platform::TrayButton button);

    QIcon icon_;
    QString hint_;
    bool visible_ = false;
    int trayId_ = 1;
    QPointer<QMenu> popupMenu_;
    std::unique_ptr<platform::TrayIconPeer> peer_;
};
