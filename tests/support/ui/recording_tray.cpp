#include "tests/support/ui/recording_tray.h"

namespace {

class RecordingPeer : public platform::TrayIconPeer {
public:
    explicit RecordingPeer(std::shared_ptr<RecordingTray::Icon> record)
        : record_(std::move(record)) {
        record_->peer = this;
    }
    ~RecordingPeer() override {
        if (record_->visible)
            ++record_->removals;
        record_->visible = false;
        record_->peer = nullptr;
    }
    void setIcon(const QIcon&) override { ++record_->iconChanges; }
    void setToolTip(const QString& text) override {
        record_->toolTip = text;
        record_->toolTips.append(text);
    }
    void setVisible(bool visible) override {
        if (visible == record_->visible)
            return;
        record_->visible = visible;
        ++(visible ? record_->additions : record_->removals);
    }

private:
    std::shared_ptr<RecordingTray::Icon> record_;
};

} // namespace

RecordingTray::RecordingTray() {
    platform::setTrayArea(this);
}

RecordingTray::~RecordingTray() {
    platform::setTrayArea(nullptr);
}

std::unique_ptr<platform::TrayIconPeer> RecordingTray::createIcon() {
    auto record = std::make_shared<Icon>();
    icons.append(record);
    return std::make_unique<RecordingPeer>(record);
}

void RecordingTray::click(int index, platform::TrayButton button) {
    platform::TrayIconPeer* peer = icons.value(index) ? icons.value(index)->peer : nullptr;
    if (peer && peer->clicked)
        peer->clicked(button);
}

void RecordingTray::doubleClick(int index, platform::TrayButton button) {
    platform::TrayIconPeer* peer = icons.value(index) ? icons.value(index)->peer : nullptr;
    if (peer && peer->doubleClicked)
        peer->doubleClicked(button);
}
