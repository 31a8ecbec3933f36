#pragma once
// What the download and upload batches share: the controls they lock, the
// progress window's options, local paths and the work-event wiring.

#include "platform/msg.h"
#include "transfers/session_keeper.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class TForm1;

namespace transfers {

// The commands that would start a second conversation on the connection.
// The download batch also locks the tray menu's "show window".
void setBatchControlsEnabled(TForm1& form, bool enabled, bool includeShowWindow);

// Captions of the options group and its boxes; the three after-transfer boxes enabled.
void prepareOptions(TForm1& form, const Msg& signalCaption);

// SIZE of a remote file in binary mode (many servers refuse it in ASCII);
// -1 when the server gives none.
int64_t remoteFileSize(TForm1& form, const std::string& remoteName);

// One file of a download batch into `localFolder` under `localName`, the
// progress window naming it with its size; false when it did not arrive whole.
// `remoteFolder` names the server folder the file lives in (the listed one when empty).
bool fetchFile(TForm1& form, const std::string& remoteName, const QString& localName,
               const QString& localFolder, bool replay = false, const QString& remoteFolder = {});

// Downloads into `localPath` through a sibling part file that replaces the
// target only when everything arrived (the size SIZE gave, when it gave one):
// a broken transfer leaves the earlier local file as it was, and what arrived waits
// in the part file for the next attempt (transfers/part_file.h).
bool downloadFile(TForm1& form, const std::string& remoteName, const QString& localPath,
                  int64_t announcedSize, const QString& remoteFolder = {});

void logFailure(TForm1& form, const Msg& text, const QString& name);

struct RemoteTree;
// A remote tree about to be downloaded: what was left out of it goes to the log and its
// local folders are made (empty ones too).
void prepareLocalTree(TForm1& form, const RemoteTree& tree);
// Downloads the files of `tree`, changing folder only where the next file lives
// elsewhere; `beforeFile` gets each file's position (from 1). Stops at a user abort and
// leaves the server in `here`. Returns the files that did not arrive (each logged).
int fetchTreeFiles(TForm1& form, const RemoteTree& tree, const std::string& here,
                   SessionKeeper& keeper, const std::function<void(int)>& beforeFile);
// Queue mode: a remote folder row joins the queue as one entry, downloaded with
// everything below it into a local folder of the same name.
void queueFolder(TForm1& form, int row); // a row of l3

// The session of a window batch: a connection that a failed file cost (and the user did
// not close) is opened again before the next file, and `reenter` takes the batch back to
// its folder, false when it cannot.
SessionKeeper keepSession(TForm1& form, std::function<bool()> reenter);
// For keepSession: lists the folder the remote list shows now again, true when the
// server took the batch back there.
std::function<bool()> returnToCurrentFolder(TForm1& form);

} // namespace transfers
