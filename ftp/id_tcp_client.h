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

    // Resolves and connects; the resolver and the connect call block without pumping.
    // A failure leaves the connection closed and raises.
    virtual void OpenConnection();
};
