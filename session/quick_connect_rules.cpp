#include "session/quick_connect_rules.h"

namespace quickconnect {

std::optional<Problem> validate(const Entry& entry) {
    if (entry.address.isEmpty())
        return Problem{&kAddressEmpty, Field::Address};
    if (entry.user.isEmpty())
        return Problem{&kUserEmpty, Field::User};
    if (entry.password.isEmpty())
        return Problem{entry.anonymous ? &kAnonymousPasswordEmpty : &kPasswordEmpty,
                       Field::Password};
    return std::nullopt;
}

} // namespace quickconnect
