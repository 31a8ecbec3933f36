// The operating-system socket of one connection: IPv4 or IPv6 stream sockets over POSIX.
#pragma once

#include <cstdint>
#include <string>

class TIdSocketHandle {
public:
    TIdSocketHandle() = default;
    ~TIdSocketHandle();
    TIdSocketHandle(const TIdSocketHandle&) = delete;
    TIdSocketHandle& operator=(const TIdSocketHandle&) = delete;

    int Handle = -1;
    bool HandleAllocated = false;
    int Family = 0; // AF_INET or AF_INET6 once allocated
    std::string IP; // local address and port
    int32_t Port = 0;
    std::string PeerIP;
    int32_t PeerPort = 0;

    // Every failure raises EIdSocketError (bind: EIdCouldNotBindSocket for 10048).
    void AllocateSocket(bool ipv6 = false);
    void Bind(const std::string& ip, int32_t port);
    void SetPeer(const std::string& ip, int32_t port);
    void SetNoDelay();
    // Blocks until connected or refused; the system's own time-out applies.
    void Connect();
    // Starts a connect without blocking: true when it is done at once, false while it
    // is under way (the socket turns writable when it ends; FinishConnect tells how).
    bool StartConnect();
    // Raises when the connect that was under way failed.
    void FinishConnect();
    void Listen(int backlog);
    // Takes over a socket accepted from a listening handle.
    void Adopt(int fd);
    void UpdateBindingLocal();
    void UpdateBindingPeer();

    // Closes the socket (sending direction shut down first).
    void CloseSocket();
    // Forgets the socket: the flag and the peer, and the local side when asked.
    void Reset(bool resetLocal = true);

    // Raw calls: the count, or -1 with errno set.
    long Recv(char* buffer, long length);
    long Send(const char* buffer, long length);
};

// Resolves a host name to an address: "localhost" in any case is 127.0.0.1 without a
// resolver call; dotted addresses pass through; a name with an IPv4 address gets that,
// one with IPv6 addresses only gets the first of them. Raises EIdSocketError.
std::string idResolveHost(const std::string& host);

// An address as the resolver writes it is IPv6 when it holds a colon.
bool idIsIPv6Address(const std::string& ip);

struct sockaddr;
// The text address and the port of a socket address of either family.
void idSplitAddress(const sockaddr* address, std::string& ip, int32_t& port);

// Four dot-separated integers from 0 to 255.
bool idIsDottedIP(const std::string& host);

// Waits for the socket to become readable (or writable) for at most timeoutMs (-1: no
// limit); true when ready. Hang-up and error conditions count as ready.
bool idPollSocket(int fd, bool forWrite, int timeoutMs);
