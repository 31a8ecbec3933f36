#pragma once
// What TShutdown asks of the system for its options, on each of its two
// paths. The program once chose between the Windows 9x call (exit flags) and
// the NT call (shutdown with a notice and a delay); here both end in a
// request to the login manager.

#include "platform/services.h"

enum class TShOs { shWin95, shWinNT };

enum TShutdownOption : unsigned {
    shoForce = 1u << 0,
    shoLogoff = 1u << 1,
    shoPoweroff = 1u << 2,
    shoReboot = 1u << 3,
    shoShutdown = 1u << 4,
};

namespace shutdownlogic {

// The 9x exit flags: 1 shut down, 2 restart, 4 force, 8 power off; log off
// adds nothing, so no flags at all means logging off.
int exitFlags(unsigned options);

// The request the 9x path makes for its exit flags.
platform::ShutdownRequest requestForExitFlags(int flags);

// The request the NT path makes: power off, or restart with shoReboot; the
// message is the system's notice and the time-out its delay.
platform::ShutdownRequest requestForNT(unsigned options, const QString& message, int timeOut);

} // namespace shutdownlogic
