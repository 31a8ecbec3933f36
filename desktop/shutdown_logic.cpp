#include "desktop/shutdown_logic.h"

namespace shutdownlogic {

int exitFlags(unsigned options) {
    int flags = 0;
    if (options & shoShutdown)
        flags += 1;
    if (options & shoReboot)
        flags += 2;
    if (options & shoForce)
        flags += 4;
    if (options & shoPoweroff)
        flags += 8;
    return flags;
}

platform::ShutdownRequest requestForExitFlags(int flags) {
    platform::ShutdownRequest request;
    if (flags & 2)
        request.kind = platform::ShutdownKind::Reboot;
    else if (flags & (1 | 8))
        // Halting without switching the power off leaves nothing a user can
        // do but press the switch; powering off is what they meant.
        request.kind = platform::ShutdownKind::PowerOff;
    else
        request.kind = platform::ShutdownKind::LogOff;
    request.force = (flags & 4) != 0;
    return request;
}

platform::ShutdownRequest requestForNT(unsigned options, const QString& message, int timeOut) {
    platform::ShutdownRequest request;
    request.kind =
        (options & shoReboot) ? platform::ShutdownKind::Reboot : platform::ShutdownKind::PowerOff;
    request.force = (options & shoForce) != 0;
    request.delaySeconds = qMax(0, timeOut);
    request.message = message;
    return request;
}

} // namespace shutdownlogic
