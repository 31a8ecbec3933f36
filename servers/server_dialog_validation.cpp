#include "servers/server_dialog_validation.h"

#include "servers/dialogs_texts.h"

namespace server_dialogs {

namespace {

const QChar kSeparator = QLatin1Char('*');

} // namespace

std::optional<ValidationFailure> validateServerInput(const servers::ServerRecord& input,
                                                     DialogKind kind) {
    using namespace dialogs_texts;
    if (input.name.isEmpty())
        return ValidationFailure{kind == DialogKind::NewServer ? kNameEmptyNew : kNameEmptyEdit,
                                 Field::Name};
    if (input.host.isEmpty())
        return ValidationFailure{kHostEmpty, Field::Host};
    if (input.user.isEmpty())
        return ValidationFailure{kUserEmpty, Field::User};
    if (input.password.isEmpty() && input.savePassword)
        return ValidationFailure{input.anonymous ? kPasswordEmptyAnonymous : kPasswordEmptyUser,
                                 Field::Password};

    // A record has no escape for its separator, so such a value would shift
    // every later field of the line.
    if (input.name.contains(kSeparator))
        return ValidationFailure{kNameHasStar, Field::Name};
    if (input.host.contains(kSeparator))
        return ValidationFailure{kHostHasStar, Field::Host};
    if (input.user.contains(kSeparator))
        return ValidationFailure{kUserHasStar, Field::User};
    // An unsaved password is not written, so only a saved one matters here.
    if (input.savePassword && input.password.contains(kSeparator))
        return ValidationFailure{kPasswordHasStar, Field::Password};
    if (input.savePassword && input.password == QLatin1String(servers::kNotSavedMarker))
        return ValidationFailure{kPasswordIsCaret, Field::Password};

    if (input.port < 1 || input.port > 65535)
        return ValidationFailure{kPortRange, Field::Port};
    return std::nullopt;
}

} // namespace server_dialogs
