#include "app/unbuilt_commands.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace {

using Command = TForm1::Command;

// Batches and connection changes enable their controls wholesale; a control
// on this list switches itself straight back off.
class KeepDisabled : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isEnabled())
                widget->setEnabled(false);
        }
        return false;
    }
};

} // namespace

const std::vector<UnbuiltCommand>& unbuiltCommands() {
    static const std::vector<UnbuiltCommand> list = {
    };
    return list;
}

bool isUnbuilt(const char* controlName) {
    for (const UnbuiltCommand& entry : unbuiltCommands())
        for (const char* name : entry.controls)
            if (qstrcmp(name, controlName) == 0)
                return true;
    return false;
}

void disableUnbuiltCommands(TForm1& form) {
    auto* guard = new KeepDisabled(&form);
    guard->setObjectName(QStringLiteral("unbuiltCommandsGuard"));
    for (const UnbuiltCommand& entry : unbuiltCommands())
        for (const char* name : entry.controls) {
            QObject* control = form.findChild<QObject*>(QString::fromLatin1(name));
            if (auto* action = qobject_cast<QAction*>(control)) {
                action->setEnabled(false);
                QObject::connect(action, &QAction::enabledChanged, guard, [action](bool on) {
                    if (on)
                        action->setEnabled(false);
                });
            } else if (auto* widget = qobject_cast<QWidget*>(control)) {
                widget->setEnabled(false);
                widget->installEventFilter(guard);
            }
        }
}
