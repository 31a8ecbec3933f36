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

// An address of either family; sockaddr_storage keeps the system calls family-blind.
struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;
    sockaddr* raw() { return reinterpret_cast<sockaddr*>(&storage); }
};

SocketAddress makeAddr(const std::string& ip, int32_t port, int family) {
    SocketAddress a;
    if (family == AF_INET6) {
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&a.storage);
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(static_cast<uint16_t>(port));
        if (ip.empty())
            v6->sin6_addr = in6addr_any;
        else if (inet_pton(AF_INET6, ip.c_str(), &v6->sin6_addr) != 1)
            throw EIdSocketError(10049);
        a.length = sizeof(sockaddr_in6);
        return a;
    }
    auto* v4 = reinterpret_cast<sockaddr_in*>(&a.storage);
    v4->sin_family = AF_INET;
    v4->sin_port = htons(static_cast<uint16_t>(port));
    if (ip.empty())
        v4->sin_addr.s_addr = htonl(INADDR_ANY);
    else if (inet_pton(AF_INET, ip.c_str(), &v4->sin_addr) != 1)
        throw EIdSocketError(10049);
    a.length = sizeof(sockaddr_in);
    return a;
}

} // namespace

void idSplitAddress(const sockaddr* a, std::string& ip, int32_t& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (a->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(a);
        inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
        port = ntohs(v6->sin6_port);
    } else {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(a);
        inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
        port = ntohs(v4->sin_port);
    }
    ip = text;
}

namespace {

void splitAddr(const SocketAddress& a, std::string& ip, int32_t& port) {
    idSplitAddress(reinterpret_cast<const sockaddr*>(&a.storage), ip, port);
}

} // namespace

TIdSocketHandle::~TIdSocketHandle() {
    if (Handle >= 0)
        ::close(Handle);
}

void TIdSocketHandle::AllocateSocket(bool ipv6) {
    int fd = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        raiseErrno(errno);
    Handle = fd;
    HandleAllocated = true;
    Family = ipv6 ? AF_INET6 : AF_INET;
}

void TIdSocketHandle::Bind(const std::string& ip, int32_t port) {
    SocketAddress a = makeAddr(ip, port, Family);
    if (::bind(Handle, a.raw(), a.length) != 0) {
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
    SocketAddress a = makeAddr(PeerIP, PeerPort, Family);
    if (::connect(Handle, a.raw(), a.length) == 0) {
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
    SocketAddress a;
    a.length = sizeof a.storage;
    if (::getsockname(Handle, a.raw(), &a.length) == 0)
        Family = a.storage.ss_family;
    HandleAllocated = true;
    ::fcntl(Handle, F_SETFL, ::fcntl(Handle, F_GETFL) | O_NONBLOCK);
    UpdateBindingLocal();
    UpdateBindingPeer();
}

void TIdSocketHandle::UpdateBindingLocal() {
    SocketAddress a;
    a.length = sizeof a.storage;
    if (::getsockname(Handle, a.raw(), &a.length) == 0)
        splitAddr(a, IP, Port);
}

void TIdSocketHandle::UpdateBindingPeer() {
    SocketAddress a;
    a.length = sizeof a.storage;
    if (::getpeername(Handle, a.raw(), &a.length) == 0)
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
    // "[::1]", as addresses with a port are written, names the address inside.
    std::string name = host;
    if (name.size() > 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    int rc = ::getaddrinfo(name.c_str(), nullptr, &hints, &res);
    if (rc != 0 || !res) {
        int saved = errno;
        if (res)
            ::freeaddrinfo(res);
        throw EIdSocketError(idsock::fromResolverError(rc, saved));
    }
    // IPv4 first, as before: a host with both keeps the address it always had, and one
    // with IPv6 alone is reached over IPv6.
    const addrinfo* chosen = nullptr;
    for (const addrinfo* r = res; r; r = r->ai_next)
        if (r->ai_family == AF_INET) {
            chosen = r;
            break;
        }
    if (!chosen)
        for (const addrinfo* r = res; r; r = r->ai_next)
            if (r->ai_family == AF_INET6) {
                chosen = r;
                break;
            }
    std::string ip;
    int32_t port = 0;
    if (chosen)
        idSplitAddress(chosen->ai_addr, ip, port);
    ::freeaddrinfo(res);
    if (ip.empty())
        throw EIdSocketError(idsock::fromResolverError(EAI_NONAME, 0));
    return ip;
}

bool idIsIPv6Address(const std::string& ip) {
    return ip.find(':') != std::string::npos;
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
