#pragma once
// systemd-logind, the system service that logs users off and powers the
// machine down, reached over the system D-Bus.

#include "platform/services.h"

namespace logind {

// True when logind answers on the system bus.
bool available();
// Carries a request out: the user's own session is ended for a log-off; a
// power-off or restart is asked for only when logind says this user may,
// and, unless forced, only when no other program blocks it.
bool request(const platform::ShutdownRequest& request);

} // namespace logind
