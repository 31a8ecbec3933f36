#pragma once
// Stored colour values: 0x00BBGGRR for a plain colour, 0x80000000 + index
// for a system colour (written as a negative decimal number).

#include <QColor>
#include <QList>

class QWidget;
#include <cstdint>

namespace platform {

QColor colorFromValue(int32_t value);
int32_t valueFromColor(const QColor& color);

// The built-in field colours: the pale tooltip background, black text.
inline constexpr int32_t kBuiltInFieldBackground = -2147483624;
inline constexpr int32_t kBuiltInFieldText = 0;

// Gives edit fields and lists the two colour settings (background, text). A
// pair that would paint the text in its own background colour gives way to
// the built-in pair: no setting may make a field unreadable.
void applyFieldColors(const QList<QWidget*>& widgets, int32_t background, int32_t text);

} // namespace platform
