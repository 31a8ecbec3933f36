#pragma once
// Bookkeeping around the session's engine calls: how many are on the stack
// (so a command clicked while one waits does not start a second conversation),
// and which reply code a failure is judged by.

#include <exception>

class TForm1;
class TIdFTP;

namespace session {

class SessionCall {
public:
    explicit SessionCall(TForm1& form);
    ~SessionCall();
    SessionCall(const SessionCall&) = delete;
    SessionCall& operator=(const SessionCall&) = delete;

private:
    TForm1& form_;
};

// The code carried by a refused reply, otherwise the last code read on the
// current connection.
int replyCodeOf(const std::exception& failure, const TIdFTP& ftp);

// Logs in again with the server, user, password and port the session was opened with,
// for a batch whose failed file cost the connection, and shows the window connected;
// raises what went wrong. The folder is the caller's to return to.
void reopenSession(TForm1& form);

} // namespace session
