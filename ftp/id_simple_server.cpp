#include "ftp/id_simple_server.h"

#include "ftp/id_anti_freeze.h"
#include "ftp/id_exception.h"
#include "ftp/id_socket_error.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

void TIdSimpleServer::BeginListen(int backlog) {
    ResetConnection();
    AbortRequested = false;
    try {
        Socket.AllocateSocket();
        Socket.Bind(BoundIP, BoundPort);
        Socket.Listen(backlog);
    } catch (...) {
        Socket.Reset(true);
        throw;
    }
    Listening = true;
}

void TIdSimpleServer::Listen() {
    int slice = TIdAntiFreeze::WaitSlice();
    for (;;) {
        if (AbortRequested || !Socket.HandleAllocated)
            throw EIdConnClosedGracefully();
        bool ready = idPollSocket(Socket.Handle, false, slice);
        TIdAntiFreeze::DoProcess(!ready);
        if (AbortRequested || !Socket.HandleAllocated)
            throw EIdConnClosedGracefully();
        if (!ready)
            continue;
        int fd = ::accept4(Socket.Handle, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EAGAIN || errno == EINTR || errno == ECONNABORTED)
                continue;
            throw EIdSocketError(idsock::fromErrno(errno));
        }
        ::close(Socket.Handle);
        Socket.Handle = -1;
        Socket.Adopt(fd);
        Listening = false;
        return;
    }
}

void TIdSimpleServer::Abort() {
    AbortRequested = true;
    Listening = false;
    CloseConnection();
}
