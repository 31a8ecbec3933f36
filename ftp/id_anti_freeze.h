// The message pump. Engine waits run on the interface thread; between short waits and
// after every send they hand control to the application's event loop through the
// hook, so other handlers (STOP, an abort button, timers) run during an engine call.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

class TIdAntiFreeze {
public:
    // The application's dispatcher: all pending events when the argument is true,
    // at most one otherwise. A Qt program sets it to call QCoreApplication::processEvents.
    using TPumpHook = std::function<void(bool allPending)>;

    // Creating a second one while one exists raises EIdMoreThanOneTIdAntiFreeze.
    // The creating thread counts as the main thread: other threads never pump.
    TIdAntiFreeze();
    ~TIdAntiFreeze();
    TIdAntiFreeze(const TIdAntiFreeze&) = delete;
    TIdAntiFreeze& operator=(const TIdAntiFreeze&) = delete;

    bool Active = true;
    int IdleTimeOut = 250; // ms per single wait while an engine call waits without limit
    bool OnlyWhenIdle = true;
    bool ApplicationHasPriority = true;
    // While data are flowing (a wait that found data, or after a send), pump only when
    // this many ms have passed since the last pump; 0 pumps every time. At loopback
    // speeds a dispatch per 32 KiB chunk costs a tenth of the throughput, while a
    // dispatch every few ms is just as responsive. Waits that find nothing always pump.
    int BusyPumpInterval = 0;
    TPumpHook Pump;

    // The one instance, or null.
    static TIdAntiFreeze* Instance();

    // Runs the pump once when it applies: an active instance, its thread, and either a
    // wait that found nothing (idle) or OnlyWhenIdle off.
    static void DoProcess(bool idle);

    // The length of one wait slice for an unlimited wait; -1 (block) without a pump.
    static int WaitSlice();

private:
    std::thread::id MainThread;
    std::chrono::steady_clock::time_point LastPump{};
};
