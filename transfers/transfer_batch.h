#pragma once
// What the download and upload batches share: the controls they lock, the
// progress window's options, local paths and the work-event wiring.

#include "platform/msg.h"

#include <QString>

class TForm1;

namespace transfers {

// The commands that would start a second conversation on the connection.
// The download batch also locks the tray menu's "show window".
void setBatchControlsEnabled(TForm1& form, bool enabled, bool includeShowWindow);

// Captions of the options group and its boxes; the three after-transfer boxes enabled.
void prepareOptions(TForm1& form, const Msg& signalCaption);

// Downloads into `localPath` through a sibling part file that replaces the
// target only when everything arrived (the size SIZE gave, when it gave one):
// a broken transfer leaves the earlier local file as it was and no partial file.
bool downloadFile(TForm1& form, const std::string& remoteName, const QString& localPath,
                  int64_t announcedSize);

void logFailure(TForm1& form, const Msg& text, const QString& name);

} // namespace transfers
