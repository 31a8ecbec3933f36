#include "ftp/id_simple_server.h"

#include "ftp/id_anti_freeze.h"
#include "ftp/id_exception.h"
#include "ftp/id_socket_error.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
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

namespace {

std::string peerOf(int fd) {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    char text[INET_ADDRSTRLEN] = {};
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        return {};
    inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    return text;
}

} // namespace

void TIdSimpleServer::Listen() {
    using Clock = std::chrono::steady_clock;
    const int slice = TIdAntiFreeze::WaitSlice();
    const int limit = ReadTimeOut > 0 ? ReadTimeOut : -1;
    const Clock::time_point start = Clock::now();
    auto waited = [&start] {
        return static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    };
    for (;;) {
        if (AbortRequested || !Socket.HandleAllocated)
            throw EIdConnClosedGracefully();
        const int left = limit < 0 ? -1 : std::max(limit - waited(), 0);
        const int ms = slice < 0 ? left : (left < 0 ? slice : std::min(slice, left));
        bool ready = idPollSocket(Socket.Handle, false, ms);
        TIdAntiFreeze::DoProcess(!ready);
        if (AbortRequested || !Socket.HandleAllocated)
            throw EIdConnClosedGracefully();
        if (!ready) {
            if (limit >= 0 && waited() >= limit)
                RaiseTimeOut("the server did not open the data connection");
            continue;
        }
        int fd = ::accept4(Socket.Handle, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EAGAIN || errno == EINTR || errno == ECONNABORTED)
                continue;
            throw EIdSocketError(idsock::fromErrno(errno));
        }
        if (!AllowedPeerIP.empty() && peerOf(fd) != AllowedPeerIP) {
            // Someone else found the port before the server did: the data must come from
            // the host we are talking to.
            ::close(fd);
            continue;
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
