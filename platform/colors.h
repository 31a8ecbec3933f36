#pragma once
// Stored colour values: 0x00BBGGRR for a plain colour, 0x80000000 + index
// for a system colour (written as a negative decimal number).

#include <QColor>
#include <cstdint>

namespace platform {

QColor colorFromValue(int32_t value);
int32_t valueFromColor(const QColor& color);

} // namespace platform
