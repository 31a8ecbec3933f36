#pragma once
// What an anonymous login sends as its password when the user typed none:
// quick connect and the server dialogs fill it in alike.

namespace session {

inline constexpr char kPlaceholderEmail[] = "guest@example.com";

} // namespace session
