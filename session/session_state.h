#pragma once
// What the remote session remembers between one handler and the next: the
// listing as received, the folder as the server named it, the calls waiting
// on the engine and the security choices of this run. The main window owns
// it as a child, so Qt deletes it with the window.

#include "session/raw_listing.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace session {
class TrustedThisRun;
}

class SessionState : public QObject {
public:
    explicit SessionState(QObject* parent) : QObject(parent) {}

    // The raw remote listing; each row of l3 also carries its own line, so
    // sorting never separates them.
    remotelist::RawListing ListBox1;
    std::string currentDirRaw;      // CurrentDirEdit as the server sent it
    bool listingUtf8 = true;        // the current folder's listing was valid UTF-8
    bool l3Sorted = false;          // sorting by caption, on for the rest of the run
    QString clickedRemoteName;      // caption of the row last clicked in l3
    int sessionCallDepth = 0;       // session calls of the engine on the stack
    bool userClosedSession = false; // roz2 pressed while a call was waiting

    // Secure connections: the mode quick connect chose for the connection it
    // opens (a TIdSecurityMode; unset, the saved server's mode applies), and
    // the certificates the user trusted once in this run.
    std::optional<int> quickConnectSecurity;
    std::shared_ptr<session::TrustedThisRun> trustedOnce;
};
