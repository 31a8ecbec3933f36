#pragma once
// The checks the new-server and edit-server dialogs run before they write a
// server record, in the order the user meets them.

#include "platform/msg.h"
#include "servers/server_record.h"

#include <optional>

namespace server_dialogs {

enum class DialogKind { NewServer, EditServer };

// The dialog field a failed check puts the focus in.
enum class Field { Name, Host, User, Password, Port };

struct ValidationFailure {
    Msg message;
    Field field;
};

// The first failing check, or nothing when the record may be written.
std::optional<ValidationFailure> validateServerInput(const servers::ServerRecord& input,
                                                     DialogKind kind);

} // namespace server_dialogs
