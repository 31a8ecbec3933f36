#include "ftp/id_component.h"

std::string idStatusText(TIdStatus status, const std::string& argument) {
    switch (status) {
    case stResolving:
        return "Resolving hostname " + argument + ".";
    case stConnecting:
        return "Connecting to " + argument + ".";
    case stConnected:
        return "Connected.";
    case stDisconnecting:
        return "Disconnecting from " + argument + ".";
    case stDisconnected:
        return "Disconnected.";
    case stText:
        return argument;
    }
    return argument;
}

void TIdComponent::DoStatus(TIdStatus status, const std::string& argument) {
    if (OnStatus)
        OnStatus(this, status, idStatusText(status, argument));
}

void TIdComponent::BeginWork(TWorkMode mode, int64_t max) {
    WorkInfo& w = Work[mode];
    ++w.Level;
    if (w.Level == 1) {
        w.Max = max;
        w.Count = 0;
        if (OnWorkBegin)
            OnWorkBegin(this, mode, max);
    }
}

void TIdComponent::DoWork(TWorkMode mode, int64_t count) {
    WorkInfo& w = Work[mode];
    if (w.Level < 1)
        return;
    w.Count += count;
    if (OnWork)
        OnWork(this, mode, w.Count);
}

void TIdComponent::EndWork(TWorkMode mode) {
    WorkInfo& w = Work[mode];
    if (w.Level == 1 && OnWorkEnd)
        OnWorkEnd(this, mode);
    if (w.Level > 0)
        --w.Level;
}
