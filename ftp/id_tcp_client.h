// A connection that connects out to Host:Port.
#pragma once

#include "ftp/id_tcp_connection.h"

enum TSocksVersion { svNoSocks };

// Proxy description; the program never sets it, so no proxy negotiation takes place.
struct TIdSocksInfo {
    TSocksVersion Version = svNoSocks;
};

class TIdTCPClient : public TIdTCPConnection {
public:
    std::string Host;
    int32_t Port = 0;
    std::string BoundIP; // local address to bind before connecting; empty = any
    bool UseNagle = true;
    TNotifyEvent OnConnected;
    TIdSocksInfo SocksInfo;
    // Above 0: the connect waits at most this many ms, pumping (so an abort ends it),
    // and then raises EIdReadTimeout. 0 or below: it blocks, and the system's own
    // time-out applies.
    int ConnectTimeOut = 0;

    // Resolves and connects; the resolver blocks without pumping. A failure leaves the
    // connection closed and raises.
    virtual void OpenConnection();
};
