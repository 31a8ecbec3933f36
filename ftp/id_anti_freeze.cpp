#include "ftp/id_anti_freeze.h"

#include "ftp/id_exception.h"

namespace {
TIdAntiFreeze* gAntiFreeze = nullptr;
}

TIdAntiFreeze::TIdAntiFreeze() : MainThread(std::this_thread::get_id()) {
    if (gAntiFreeze)
        throw EIdMoreThanOneTIdAntiFreeze();
    gAntiFreeze = this;
}

TIdAntiFreeze::~TIdAntiFreeze() {
    if (gAntiFreeze == this)
        gAntiFreeze = nullptr;
}

TIdAntiFreeze* TIdAntiFreeze::Instance() {
    return gAntiFreeze;
}

void TIdAntiFreeze::DoProcess(bool idle) {
    TIdAntiFreeze* af = gAntiFreeze;
    if (!af || !af->Active || !af->Pump)
        return;
    if (std::this_thread::get_id() != af->MainThread)
        return;
    if (!idle && af->OnlyWhenIdle)
        return;
    if (!idle && af->BusyPumpInterval > 0) {
        auto now = std::chrono::steady_clock::now();
        if (now - af->LastPump < std::chrono::milliseconds(af->BusyPumpInterval))
            return;
        af->LastPump = now;
    } else if (af->BusyPumpInterval > 0) {
        af->LastPump = std::chrono::steady_clock::now();
    }
    af->Pump(af->ApplicationHasPriority);
}

int TIdAntiFreeze::WaitSlice() {
    TIdAntiFreeze* af = gAntiFreeze;
    if (!af || !af->Active || !af->Pump || std::this_thread::get_id() != af->MainThread)
        return -1;
    return af->IdleTimeOut > 0 ? af->IdleTimeOut : 1;
}
