// A connection that waits for one incoming connection: the data connection of an
// active-mode transfer.
#pragma once

#include "ftp/id_tcp_connection.h"

class TIdSimpleServer : public TIdTCPConnection {
public:
    std::string BoundIP;
    int32_t BoundPort = 0; // 0: any free port
    bool Listening = false;
    bool AbortRequested = false;
    // When set, only a connection from this address is taken: anyone else who reaches
    // the announced port is hung up on and the wait goes on.
    std::string AllowedPeerIP;

    // Binds and listens; Socket.IP and Socket.Port then hold the address to announce.
    void BeginListen(int backlog = 1);
    // Waits, pumping between waits, until the peer connects; then accepts and closes the
    // listening socket. An abort (Abort or a close of the socket) raises
    // EIdConnClosedGracefully; ReadTimeOut without a connection raises EIdReadTimeout.
    void Listen();
    // Ends a wait in Listen, or closes the accepted connection.
    void Abort();
};
