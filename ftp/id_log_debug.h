// The protocol-log hook: every chunk sent or received on a connection, and its opening
// and closing, become one log item.
#pragma once

#include <functional>
#include <string>

// What a connection tells its hook.
class TIdConnectionIntercept {
public:
    virtual ~TIdConnectionIntercept() = default;
    virtual void Connect() = 0;
    virtual void Disconnect() = 0;
    virtual void Receive(const char* data, long length) = 0;
    virtual void Send(const char* data, long length) = 0;
};

// Turns the connection's events into log items while Active.
class TIdLogBase : public TIdConnectionIntercept {
public:
    bool Active = true;
    bool LogTime = false;

    void Connect() override;
    void Disconnect() override;
    void Receive(const char* data, long length) override;
    void Send(const char* data, long length) override;

protected:
    virtual void LogItem(const std::string& item) = 0;

private:
    void Emit(std::string item);
};

enum TIdLogDebugTarget { ltEvent, ltDebugOutput };

class TIdLogDebug : public TIdLogBase {
public:
    using TLogItemEvent = std::function<void(const std::string& AText)>;
    using TDebugOutput = std::function<void(const std::string& line)>;

    TIdLogDebugTarget Target = ltDebugOutput;
    // The session log's handler.
    TLogItemEvent OnLogItem;
    // The system's debug output channel; receives each item followed by CR LF when the
    // target is ltDebugOutput. Unset, the channel is silent.
    TDebugOutput DebugOutput;

protected:
    void LogItem(const std::string& item) override;
};
