// Base of every engine component: status and work (progress) events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

enum TIdStatus { stResolving, stConnecting, stConnected, stDisconnecting, stDisconnected, stText };

enum TWorkMode { wkRead, wkWrite };

class TIdComponent;

using TIdStatusEvent = std::function<void(TIdComponent* axSender, TIdStatus axStatus,
                                          const std::string& asStatusText)>;
// Work counts and maxima are 64-bit: files beyond 2 GiB are ordinary.
using TWorkBeginEvent =
    std::function<void(TIdComponent* Sender, TWorkMode AWorkMode, int64_t AWorkCountMax)>;
using TWorkEvent =
    std::function<void(TIdComponent* Sender, TWorkMode AWorkMode, int64_t AWorkCount)>;
using TWorkEndEvent = std::function<void(TIdComponent* Sender, TWorkMode AWorkMode)>;
using TNotifyEvent = std::function<void(TIdComponent* Sender)>;

// The status text for a status kind, filled with its one argument.
std::string idStatusText(TIdStatus status, const std::string& argument);

class TIdComponent {
public:
    TIdComponent() = default;
    virtual ~TIdComponent() = default;
    TIdComponent(const TIdComponent&) = delete;
    TIdComponent& operator=(const TIdComponent&) = delete;

    TIdStatusEvent OnStatus;
    TWorkBeginEvent OnWorkBegin;
    TWorkEvent OnWork;
    TWorkEndEvent OnWorkEnd;

    struct WorkInfo {
        int32_t Level = 0;
        int64_t Max = 0;
        int64_t Count = 0;
    };
    const WorkInfo& WorkInfoOf(TWorkMode mode) const { return Work[mode]; }

    // Nested work: only the outermost BeginWork/EndWork pair raises events, and counts
    // reported outside any started work are ignored.
    void BeginWork(TWorkMode mode, int64_t max = 0);
    void DoWork(TWorkMode mode, int64_t count);
    void EndWork(TWorkMode mode);

protected:
    void DoStatus(TIdStatus status, const std::string& argument);

private:
    WorkInfo Work[2];
};
