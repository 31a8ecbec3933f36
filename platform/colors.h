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

// Gives edit fields and lists the two colour settings (background, text).
void applyFieldColors(const QList<QWidget*>& widgets, int32_t background, int32_t text);

} // namespace platform
