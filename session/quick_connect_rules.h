#pragma once
// The checks of the quick-connect dialog, in the order the user meets them.

#include "platform/msg.h"

#include <QString>

#include <optional>

namespace quickconnect {

enum class Field { Address, User, Password };

struct Problem {
    const Msg* message;
    Field focus;
};

struct Entry {
    QString address;
    QString user;
    QString password;
    bool anonymous = false;
};

// The first rule the entry breaks, or nothing when it may connect. Only an
// empty field is refused: a password of blanks is a password.
std::optional<Problem> validate(const Entry& entry);

inline constexpr int kMinPort = 1;
inline constexpr int kMaxPort = 65535;
inline constexpr int kDefaultPort = 21;

inline constexpr Msg kAddressEmpty{"Pole: Adres serwera FTP nie może być puste",
                                   "The Control: Host name cannot be empty"};
inline constexpr Msg kUserEmpty{"Pole: Użytkownik nie może być puste",
                                "The Control: User cannot be empty"};
inline constexpr Msg kAnonymousPasswordEmpty{
    "Pole: Hasło nie może być puste. W trybie anonimowym wpisz Swój adres e-amil",
    "The Control: Password cannot be empty. In anonymous mode You must write Your e-mail"};
inline constexpr Msg kPasswordEmpty{"Pole: Hasło nie może być puste. Wpisz Swoje hasło użytkownika",
                                    "The Control: Password cannot be empty. Write Your User "
                                    "password"};

} // namespace quickconnect
