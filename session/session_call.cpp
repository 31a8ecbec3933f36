#include "session/session_call.h"

#include "app/main_window.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "session/session_state.h"

namespace session {

SessionCall::SessionCall(TForm1& form) : form_(form) {
    if (form_.session->sessionCallDepth++ == 0)
        form_.session->userClosedSession = false;
}

SessionCall::~SessionCall() {
    --form_.session->sessionCallDepth;
}

int replyCodeOf(const std::exception& failure, const TIdFTP& ftp) {
    if (const auto* refused = dynamic_cast<const EIdProtocolReplyError*>(&failure))
        return refused->ReplyErrorCode;
    return ftp.ReplyCode;
}

} // namespace session

bool TForm1::sessionCallWaiting() const {
    return session->sessionCallDepth > 0;
}
