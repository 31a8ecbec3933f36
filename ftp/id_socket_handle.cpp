#include "ftp/id_socket_handle.h"

#include "ftp/id_exception.h"
#include "ftp/id_socket_error.h"

#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

[[noreturn]] void raiseErrno(int err) {
    throw EIdSocketError(idsock::fromErrno(err));
}

sockaddr_in makeAddr(const std::string& ip, int32_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    if (ip.empty())
        a.sin_addr.s_addr = htonl(INADDR_ANY);
    else if (inet_pton(AF_INET, ip.c_str(), &a.sin_addr) != 1)
        throw EIdSocketError(10049);
    return a;
}

void splitAddr(const sockaddr_in& a, std::string& ip, int32_t& port) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    ip = text;
    port = ntohs(a.sin_port);
}

} // namespace

TIdSocketHandle::~TIdSocketHandle() {
    if (Handle >= 0)
        ::close(Handle);
}

void TIdSocketHandle::AllocateSocket() {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        raiseErrno(errno);
    Handle = fd;
    HandleAllocated = true;
}

void TIdSocketHandle::Bind(const std::string& ip, int32_t port) {
    sockaddr_in a = makeAddr(ip, port);
    if (::bind(Handle, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        int err = idsock::fromErrno(errno);
        if (err == idsock::WSAEADDRINUSE)
            throw EIdCouldNotBindSocket();
        throw EIdSocketError(err);
    }
    UpdateBindingLocal();
}

void TIdSocketHandle::SetPeer(const std::string& ip, int32_t port) {
    PeerIP = ip;
    PeerPort = port;
}

void TIdSocketHandle::SetNoDelay() {
    int on = 1;
    if (::setsockopt(Handle, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) != 0)
        raiseErrno(errno);
}

void TIdSocketHandle::Connect() {
    if (!StartConnect()) {
        idPollSocket(Handle, true, -1);
        FinishConnect();
    }
}

bool TIdSocketHandle::StartConnect() {
    // Waits are done with poll(); sends must never block the interface thread.
    ::fcntl(Handle, F_SETFL, ::fcntl(Handle, F_GETFL) | O_NONBLOCK);
    sockaddr_in a = makeAddr(PeerIP, PeerPort);
    if (::connect(Handle, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
        UpdateBindingLocal();
        return true;
    }
    if (errno != EINPROGRESS && errno != EINTR)
        raiseErrno(errno);
    return false;
}

void TIdSocketHandle::FinishConnect() {
    int err = 0;
    socklen_t len = sizeof err;
    ::getsockopt(Handle, SOL_SOCKET, SO_ERROR, &err, &len);
    if (err != 0)
        raiseErrno(err);
    UpdateBindingLocal();
}

void TIdSocketHandle::Listen(int backlog) {
    if (::listen(Handle, backlog) != 0)
        raiseErrno(errno);
    UpdateBindingLocal();
}

void TIdSocketHandle::Adopt(int fd) {
    Handle = fd;
    HandleAllocated = true;
    ::fcntl(Handle, F_SETFL, ::fcntl(Handle, F_GETFL) | O_NONBLOCK);
    UpdateBindingLocal();
    UpdateBindingPeer();
}

void TIdSocketHandle::UpdateBindingLocal() {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    if (::getsockname(Handle, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        splitAddr(a, IP, Port);
}

void TIdSocketHandle::UpdateBindingPeer() {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    if (::getpeername(Handle, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        splitAddr(a, PeerIP, PeerPort);
}

void TIdSocketHandle::CloseSocket() {
    if (Handle < 0)
        return;
    ::shutdown(Handle, SHUT_WR);
    ::close(Handle);
    Handle = -1;
}

void TIdSocketHandle::Reset(bool resetLocal) {
    if (Handle >= 0) {
        ::close(Handle);
        Handle = -1;
    }
    HandleAllocated = false;
    PeerIP.clear();
    PeerPort = 0;
    if (resetLocal) {
        IP.clear();
        Port = 0;
    }
}

long TIdSocketHandle::Recv(char* buffer, long length) {
    for (;;) {
        long n = ::recv(Handle, buffer, static_cast<size_t>(length), 0);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

long TIdSocketHandle::Send(const char* buffer, long length) {
    for (;;) {
        long n = ::send(Handle, buffer, static_cast<size_t>(length), MSG_NOSIGNAL);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

bool idIsDottedIP(const std::string& host) {
    int parts = 0;
    size_t i = 0;
    while (true) {
        size_t start = i;
        int value = 0;
        while (i < host.size() && std::isdigit(static_cast<unsigned char>(host[i]))) {
            value = value * 10 + (host[i] - '0');
            if (value > 255)
                return false;
            ++i;
        }
        if (i == start)
            return false;
        ++parts;
        if (i == host.size())
            return parts == 4;
        if (host[i] != '.' || parts == 4)
            return false;
        ++i;
    }
}

std::string idResolveHost(const std::string& host) {
    if (strcasecmp(host.c_str(), "LOCALHOST") == 0)
        return "127.0.0.1";
    if (idIsDottedIP(host)) {
        // Drop leading zeros so the address reads as the system writes it.
        in_addr a{};
        std::string clean;
        size_t i = 0;
        while (i <= host.size()) {
            size_t dot = host.find('.', i);
            if (dot == std::string::npos)
                dot = host.size();
            if (!clean.empty())
                clean += '.';
            clean += std::to_string(std::stoi(host.substr(i, dot - i)));
            i = dot + 1;
        }
        if (inet_pton(AF_INET, clean.c_str(), &a) == 1)
            return clean;
        return host;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    int rc = ::getaddrinfo(host.c_str(), nullptr, &hints, &res);
    if (rc != 0 || !res) {
        int saved = errno;
        if (res)
            ::freeaddrinfo(res);
        throw EIdSocketError(idsock::fromResolverError(rc, saved));
    }
    std::string ip;
    int32_t port = 0;
    splitAddr(*reinterpret_cast<sockaddr_in*>(res->ai_addr), ip, port);
    ::freeaddrinfo(res);
    return ip;
}

bool idPollSocket(int fd, bool forWrite, int timeoutMs) {
    pollfd p{};
    p.fd = fd;
    p.events = forWrite ? POLLOUT : POLLIN;
    for (;;) {
        int rc = ::poll(&p, 1, timeoutMs);
        if (rc > 0)
            return true;
        if (rc == 0)
            return false;
        if (errno != EINTR)
            throw EIdSocketError(idsock::fromErrno(errno));
    }
}
