#pragma once

#include <cstring>
#include <memory>
#include <string>

#ifdef _WIN32
#include <winsock2.h>
// After Winsock's own header, which it builds on (socklen_t is int there).
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <sys/socket.h>
#endif

// What the system's TCP connections (TcpConnection_posix.cpp, TcpConnection_win.cpp) do
// alike with the BSD socket calls both systems have.
namespace rotulano::printing {

struct AddressListFree {
    void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListFree>;

// The numeric `address` (as a look-up gives it) and `port` as the system's address for a
// TCP connection; empty when the system cannot use it. Nothing is looked up.
inline AddressList numericAddress(const std::string& address, int port) {
    addrinfo hints{};
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (::getaddrinfo(address.c_str(), service.c_str(), &hints, &found) != 0) {
        return nullptr;
    }
    return AddressList(found);
}

// A connection to a port of this machine that nothing listens on can be given that very
// port as its own and connect to itself: it would read back its own row and end of stream
// and take them for the printer's. Nothing listened there: the port refused. `Socket` is
// the system's handle of a connected socket: a file descriptor, or Winsock's SOCKET.
template <typename Socket>
bool connectedToItself(Socket socket) {
    sockaddr_storage local{};
    sockaddr_storage peer{};
    socklen_t localLength = sizeof local;
    socklen_t peerLength = sizeof peer;
    if (::getsockname(socket, reinterpret_cast<sockaddr*>(&local), &localLength) != 0 ||
        ::getpeername(socket, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0) {
        return false;
    }
    return localLength == peerLength &&
           std::memcmp(&local, &peer, static_cast<std::size_t>(localLength)) == 0;
}

}  // namespace rotulano::printing
