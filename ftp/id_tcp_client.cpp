#include "ftp/id_tcp_client.h"

#include "ftp/id_exception.h"

void TIdTCPClient::OpenConnection() {
    if (Socket.HandleAllocated)
        throw EIdAlreadyConnected();
    ResetConnection();
    try {
        if (!idIsDottedIP(Host))
            DoStatus(stResolving, Host);
        // The address decides the socket's family, so the name is resolved first.
        std::string ip = idResolveHost(Host);
        Socket.AllocateSocket(idIsIPv6Address(ip));
        Socket.Bind(BoundIP, 0);
        // A port outside 16 bits would be cut silently by the socket call.
        if (Port <= 0 || Port > 65535)
            throw EIdSocketError(10049);
        Socket.SetPeer(ip, Port);
        if (!UseNagle)
            Socket.SetNoDelay();
        DoStatus(stConnecting, ip);
        if (ConnectTimeOut <= 0) {
            Socket.Connect();
        } else if (!Socket.StartConnect()) {
            // A near peer has answered already: no wait, so no pump, is needed then.
            if (!idPollSocket(Socket.Handle, true, 0) && !WaitReady(true, ConnectTimeOut))
                RaiseTimeOut("the connection was not answered", ConnectTimeOut);
            Socket.FinishConnect();
        }
    } catch (...) {
        try {
            CloseConnection();
        } catch (...) {
        }
        throw;
    }
    if (HookOn())
        Intercept->Connect();
    DoStatus(stConnected, Socket.PeerIP);
    if (OnConnected)
        OnConnected(this);
}
