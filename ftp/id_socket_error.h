// Socket error numbers. The messages the program shows are keyed by the Windows
// Sockets numbers, so native errors are mapped onto them.
#pragma once

#include <string>

namespace idsock {

constexpr int WSAEINTR = 10004;
constexpr int WSAEWOULDBLOCK = 10035;
constexpr int WSAENOTSOCK = 10038;
constexpr int WSAEADDRINUSE = 10048;
constexpr int WSAECONNRESET = 10054;
constexpr int WSAESHUTDOWN = 10058;
constexpr int WSAETIMEDOUT = 10060;
constexpr int WSAECONNREFUSED = 10061;
constexpr int WSAHOST_NOT_FOUND = 11001;
constexpr int WSATRY_AGAIN = 11002;
constexpr int WSANO_RECOVERY = 11003;

// Windows Sockets number for a POSIX errno value; unknown values pass through unchanged.
int fromErrno(int err);

// Windows Sockets number for a getaddrinfo() failure.
int fromResolverError(int gaiError, int savedErrno);

// The description of a Windows Sockets number; empty for numbers outside the table.
std::string description(int wsaError);

} // namespace idsock
