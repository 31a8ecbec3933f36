#include "ftp/id_simple_server.h"

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
        Socket.AllocateSocket(idIsIPv6Address(BoundIP));
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
    sockaddr_storage a{};
    socklen_t len = sizeof a;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        return {};
    std::string ip;
    int32_t port = 0;
    idSplitAddress(reinterpret_cast<const sockaddr*>(&a), ip, port);
    return ip;
}

} // namespace

void TIdSimpleServer::Listen() {
    using Clock = std::chrono::steady_clock;
    const int limit = ReadTimeOut > 0 ? ReadTimeOut : -1;
    const Clock::time_point start = Clock::now();
    for (;;) {
        if (AbortRequested)
            throw EIdConnClosedGracefully();
        // Hanging up on a stranger does not restart the clock.
        int left = -1;
        if (limit >= 0) {
            const auto waited =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
            left = std::max(limit - static_cast<int>(waited.count()), 0);
        }
        // Abort closes the listening socket under the wait, which ends it.
        if (!WaitReady(false, left))
            RaiseTimeOut("the server did not open the data connection");
        if (AbortRequested)
            throw EIdConnClosedGracefully();
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
