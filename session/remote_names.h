#pragma once
// Names on their way to the server. Names from the listing travel as the
// server wrote them; a name the user typed is checked before it is sent.

#include <string>

namespace remotenames {

// False for a name that would end the command line early: a CR or LF would
// let the rest of the name reach the server as a command of its own.
bool sendable(const std::string& name);

// The name with the ASCII letters A to Z (or a to z) changed; every other
// byte, UTF-8 sequences included, stays as it is.
std::string withLetterCase(const std::string& name, bool upper);

} // namespace remotenames
