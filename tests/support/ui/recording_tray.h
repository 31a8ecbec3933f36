#pragma once
// A notification area for the window tests: the offscreen platform has none.
// Every icon made through it records what the program did to it, and the
// test clicks it as a user would.

#include "platform/tray_area.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class RecordingTray : public platform::TrayArea {
public:
    struct Icon {
        bool visible = false;
        int additions = 0; // times it was added to the area
        int removals = 0;
        int iconChanges = 0;
        QString toolTip;
        QStringList toolTips;                   // every tool tip set, in order
        platform::TrayIconPeer* peer = nullptr; // null once the program dropped it
    };

    RecordingTray();           // installs itself
    ~RecordingTray() override; // restores the desktop's area

    bool availableAnswer = true;
    // The icons made so far, in order.
    QList<std::shared_ptr<Icon>> icons;

    bool available() override { return availableAnswer; }
    std::unique_ptr<platform::TrayIconPeer> createIcon() override;

    // The user clicks (or double clicks) the icon made `index`-th.
    void click(int index, platform::TrayButton button);
    void doubleClick(int index, platform::TrayButton button);
};
