#pragma once
// What the session log shows of a protocol line and in which colour.

#include <QString>

#include <cstdint>

namespace sessionlog {

// The pane is emptied before a line is added once it holds this many lines.
constexpr int kCapacity = 32200;

// Colours in the stored 0x00BBGGRR form.
constexpr int32_t kGreen = 0x008000;
constexpr int32_t kFuchsia = 0xFF00FF;
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kOlive = 0x008080;
constexpr int32_t kMaroon = 0x000080;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kTeal = 0x808000;
constexpr int32_t kNavy = 0x800000;
constexpr int32_t kBlack = 0x000000;

// Colour of a line by its first nine characters; `otherwise` for lines the
// table does not name (navy in the pane, black in the log window).
int32_t lineColor(const QString& line, int32_t otherwise = kNavy);

// The password line stands in the pane as this text when hiding is on.
inline constexpr const char* kHiddenPasswordLine = "Sent pass HIDDEN<EOF>";

// The text the pane shows for a protocol line: with the hide-password setting at 1 a sent
// password is replaced; otherwise the line is shown as it came.
QString paneText(const QString& line, int hidePasswordSlot);

} // namespace sessionlog
