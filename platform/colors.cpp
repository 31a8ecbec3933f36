#include "platform/colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace platform {
namespace {

// The system colours that settings files hold, by their index.
QColor systemColor(int index) {
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 5: // window background
        return pal.color(QPalette::Base);
    case 8: // window text
        return pal.color(QPalette::Text);
    case 13: // highlight
        return pal.color(QPalette::Highlight);
    case 14: // highlighted text
        return pal.color(QPalette::HighlightedText);
    case 15: // button face
        return pal.color(QPalette::Button);
    case 18: // button text
        return pal.color(QPalette::ButtonText);
    case 23: // tooltip text
        return pal.color(QPalette::ToolTipText);
    case 24: // tooltip background: the pale yellow of an info tip
        return QColor(0xFF, 0xFF, 0xE1);
    default:
        return pal.color(QPalette::Window);
    }
}

} // namespace

QColor colorFromValue(int32_t value) {
    const auto raw = static_cast<uint32_t>(value);
    if (raw & 0x80000000u)
        return systemColor(int(raw & 0xFF));
    return QColor(int(raw & 0xFF), int((raw >> 8) & 0xFF), int((raw >> 16) & 0xFF));
}

int32_t valueFromColor(const QColor& color) {
    return int32_t(uint32_t(color.red()) | (uint32_t(color.green()) << 8) |
                   (uint32_t(color.blue()) << 16));
}

void applyFieldColors(const QList<QWidget*>& widgets, int32_t background, int32_t text) {
    QColor base = colorFromValue(background);
    QColor ink = colorFromValue(text);
    if (base.rgb() == ink.rgb()) {
        base = colorFromValue(kBuiltInFieldBackground);
        ink = colorFromValue(kBuiltInFieldText);
    }
    for (QWidget* widget : widgets) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, ink);
        widget->setPalette(palette);
    }
}

} // namespace platform
