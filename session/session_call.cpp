#include "session/session_call.h"

#include "app/main_window.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"

namespace session {

SessionCall::SessionCall(TForm1& form) : form_(form) {
    if (form_.sessionCallDepth++ == 0)
        form_.userClosedSession = false;
}

SessionCall::~SessionCall() {
    --form_.sessionCallDepth;
}

int replyCodeOf(const std::exception& failure, const TIdFTP& ftp) {
    if (const auto* refused = dynamic_cast<const EIdProtocolReplyError*>(&failure))
        return refused->ReplyErrorCode;
    return ftp.ReplyCode;
}

} // namespace session
