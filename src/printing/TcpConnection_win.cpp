#include <winsock2.h>
// After Winsock's own header, which these build on.
#include <mstcpip.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cerrno>

#include "printing/PortReading.h"
#include "printing/SocketAddress.h"
#include "printing/TcpConnection.h"
#include "printing/TcpConnection_win.h"

namespace rotulano::printing {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kMostReadsAtATime = 16;
// Longest single wait of a connection before the clock and the cancel are looked at again.
constexpr milliseconds kWaitSlice{20};
constexpr int kLargestSend = 64 * 1024;

enum TcpState { kStateClosed = 0, kStateFinWait2 = 6, kStateTimeWait = 10 };

// SIO_TCP_INFO's answer, version 0, as Windows lays it out (mstcpip.h declares it only
// for builds that require Windows 10 1703; this program also runs on older systems).
struct TcpInfoV0 {
    int State;
    ULONG Mss;
    ULONG64 ConnectionTimeMs;
    BOOLEAN TimestampsEnabled;
    ULONG RttUs;
    ULONG MinRttUs;
    ULONG BytesInFlight;
    ULONG Cwnd;
    ULONG SndWnd;
    ULONG RcvWnd;
    ULONG RcvBuf;
    ULONG64 BytesOut;
    ULONG64 BytesIn;
    ULONG BytesReordered;
    ULONG BytesRetrans;
    ULONG FastRetrans;
    ULONG DupAcksIn;
    ULONG TimeoutEpisodes;
    UCHAR SynRetrans;
};

#ifndef SIO_TCP_INFO
#define SIO_TCP_INFO _WSAIORW(IOC_VENDOR, 39)
#endif

// The POSIX errno a Winsock error stands for; one no message names is kept as it is.
int errnoOfWinsock(int error) {
    switch (error) {
        case WSAECONNREFUSED:
            return ECONNREFUSED;
        case WSAECONNRESET:
        case WSAENETRESET:
            return ECONNRESET;
        case WSAECONNABORTED:
            return ECONNABORTED;
        case WSAENOTCONN:
            return ENOTCONN;
        case WSAESHUTDOWN:
            return EPIPE;
        case WSAEACCES:
            return EACCES;
        case WSAENETUNREACH:
        case WSAENETDOWN:
            return ENETUNREACH;
        case WSAEHOSTUNREACH:
        case WSAEHOSTDOWN:
            return EHOSTUNREACH;
        case WSAETIMEDOUT:
            return ETIMEDOUT;
        default:
            return error;
    }
}

int lastError() {
    return errnoOfWinsock(::WSAGetLastError());
}

SOCKET socketOf(std::intptr_t socket) {
    return static_cast<SOCKET>(socket);
}

// Waits up to `slice` for the socket to be readable (`forReading`) or writable; a failed
// connect shows as an exception. 1 ready, 0 not yet, -1 failed.
int waitFor(SOCKET socket, bool forReading, milliseconds slice) {
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    const long micros = static_cast<long>(std::max<long long>(slice.count(), 0) * 1000);
    timeval time{micros / 1000000, micros % 1000000};
    const int got =
        ::select(0, forReading ? &ready : nullptr, forReading ? nullptr : &ready, &failed, &time);
    if (got == SOCKET_ERROR || FD_ISSET(socket, &failed)) {
        return -1;
    }
    return got > 0 ? 1 : 0;
}

int pendingError(SOCKET socket) {
    int error = 0;
    int length = sizeof error;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0) {
        return lastError();
    }
    return errnoOfWinsock(error);
}

bool tcpInfo(SOCKET socket, TcpInfoV0& info) {
    DWORD version = 0;
    DWORD returned = 0;
    return ::WSAIoctl(socket, SIO_TCP_INFO, &version, sizeof version, &info, sizeof info, &returned,
                      nullptr, nullptr) == 0 &&
           returned >= sizeof info;
}

// Sends within the clock: the bytes the connection took, or why it stopped.
portStream::Result sendAll(SOCKET socket, const std::string& bytes, portStream::StallClock& clock) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const int size = static_cast<int>(std::min<std::size_t>(kLargestSend, bytes.size() - done));
        const int sent = ::send(socket, bytes.data() + done, size, 0);
        if (sent > 0) {
            done += static_cast<std::size_t>(sent);
            clock.progressed();
            continue;
        }
        const int error = ::WSAGetLastError();
        if (error != WSAEWOULDBLOCK) {
            return {portStream::Outcome::Failed, errnoOfWinsock(error), done};
        }
        const milliseconds left = clock.left();
        if (left.count() <= 0) {
            return {portStream::Outcome::Stalled, 0, done};
        }
        if (waitFor(socket, false, std::min(left, kWaitSlice)) < 0) {
            return {portStream::Outcome::Failed, pendingError(socket), done};
        }
    }
    return {portStream::Outcome::Done, 0, done};
}

void discardInput(SOCKET socket) {
    char chunk[256];
    std::size_t discarded = 0;
    int got = 0;
    while (discarded < portStream::kMostDiscarded &&
           (got = ::recv(socket, chunk, sizeof chunk, 0)) > 0) {
        discarded += static_cast<std::size_t>(got);
    }
}

// As portStream::readAnswer on Linux.
portStream::Result readAnswer(SOCKET socket, std::string& answer,
                              const std::function<bool(const std::string&)>& complete,
                              milliseconds wait, const std::atomic<bool>& stop) {
    const Clock::time_point deadline = Clock::now() + wait;
    char chunk[256];
    while (!complete(answer) && answer.size() < portStream::kLongestAnswer) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || stop) {
            return {portStream::Outcome::Stalled, 0};
        }
        waitFor(socket, true, std::min(left, milliseconds(50)));
        const int wanted =
            static_cast<int>(std::min(sizeof chunk, portStream::kLongestAnswer - answer.size()));
        const int got = ::recv(socket, chunk, wanted, 0);
        if (got > 0) {
            answer.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0) {
            // A printer that closes the connection before it answers is closing, not silent.
            return answer.empty() ? portStream::Result{portStream::Outcome::Failed, ECONNRESET}
                                  : portStream::Result{};
        } else if (::WSAGetLastError() != WSAEWOULDBLOCK) {
            return {portStream::Outcome::Failed, lastError()};
        }
    }
    return {};
}

}  // namespace

// Started once, for the program's life; never cleaned up, as the program's end does that.
bool winsockStarted() {
    static const bool started = [] {
        WSADATA data{};
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

namespace tcpCounts {

long unacknowledged(std::size_t written, const Counts& counts) {
    if (counts.state == kStateFinWait2 || counts.state == kStateTimeWait ||
        counts.state == kStateClosed) {
        return 0;
    }
    const std::uint64_t sentOnce =
        counts.bytesOut - std::min<std::uint64_t>(counts.bytesOut, counts.bytesRetransmitted);
    const std::uint64_t acknowledged =
        sentOnce - std::min<std::uint64_t>(sentOnce, counts.bytesInFlight);
    const std::uint64_t left = written - std::min<std::uint64_t>(written, acknowledged);
    return static_cast<long>(std::max<std::uint64_t>(left, 1));
}

}  // namespace tcpCounts

TcpConnection::~TcpConnection() {
    close();
}

portStream::Result TcpConnection::open(const std::string& address, int port,
                                       const portStream::StallClock& clock) {
    if (!winsockStarted()) {
        return {portStream::Outcome::Failed, ENETUNREACH};
    }
    const AddressList found = numericAddress(address, port);
    if (!found) {
        return {portStream::Outcome::Failed, 0};
    }
    const SOCKET socket = ::socket(found->ai_family, SOCK_STREAM, IPPROTO_TCP);
    int error = socket == INVALID_SOCKET ? lastError() : 0;
    if (socket != INVALID_SOCKET) {
        socket_ = static_cast<std::intptr_t>(socket);
        // The printer's connection is this program's alone: no program it starts gets it.
        ::SetHandleInformation(reinterpret_cast<HANDLE>(socket), HANDLE_FLAG_INHERIT, 0);
        u_long nonBlocking = 1;
        ::ioctlsocket(socket, FIONBIO, &nonBlocking);
        if (::connect(socket, found->ai_addr, static_cast<int>(found->ai_addrlen)) != 0) {
            const int failed = ::WSAGetLastError();
            error = failed == WSAEWOULDBLOCK ? EINPROGRESS : errnoOfWinsock(failed);
        }
    }
    while (error == EINPROGRESS) {
        const milliseconds left = clock.left();
        if (left.count() <= 0) {
            close();
            return {portStream::Outcome::Stalled, 0};
        }
        const int ready = waitFor(socket, false, std::min(left, kWaitSlice));
        error = ready < 0 ? pendingError(socket) : ready > 0 ? 0 : EINPROGRESS;
        error = ready < 0 && error == 0 ? ECONNREFUSED : error;
    }
    if (error == 0 && connectedToItself(socket)) {
        error = ECONNREFUSED;
    }
    if (error != 0) {
        close();
        return {portStream::Outcome::Failed, error};
    }
    TcpInfoV0 info{};
    counts_ = tcpInfo(socket, info);
    return {};
}

portStream::Result TcpConnection::write(const std::string& bytes, portStream::StallClock& clock) {
    const portStream::Result result = sendAll(socketOf(socket_), bytes, clock);
    written_ += result.written;
    return result;
}

portStream::Result TcpConnection::ask(const std::string& query, std::string& answer,
                                      const std::function<bool(const std::string&)>& complete,
                                      milliseconds wait, milliseconds stall,
                                      const std::atomic<bool>& stop) {
    discardInput(socketOf(socket_));
    portStream::StallClock clock(stall, stop);
    const portStream::Result written = write(query, clock);
    if (!written.done()) {
        return written;
    }
    return readAnswer(socketOf(socket_), answer, complete, wait, stop);
}

int TcpConnection::shutdownSending() {
    return ::shutdown(socketOf(socket_), SD_SEND) == 0 ? 0 : lastError();
}

int TcpConnection::readPrinterSide(int& error) {
    char chunk[4096];
    for (int reads = 0; reads < kMostReadsAtATime; ++reads) {
        const int got = ::recv(socketOf(socket_), chunk, sizeof chunk, 0);
        if (got == 0) {
            return 1;
        }
        if (got < 0) {
            const int failed = ::WSAGetLastError();
            if (failed == WSAEWOULDBLOCK) {
                return 0;
            }
            error = errnoOfWinsock(failed);
            return -1;
        }
    }
    return 0;
}

long TcpConnection::unacknowledged(int& error) {
    error = pendingError(socketOf(socket_));
    if (error != 0) {
        return -1;
    }
    TcpInfoV0 info{};
    if (!counts_ || !tcpInfo(socketOf(socket_), info)) {
        return kNotCounted;
    }
    return tcpCounts::unacknowledged(
        written_, {info.State, info.BytesOut, info.BytesRetrans, info.BytesInFlight});
}

void TcpConnection::waitForPrinter(milliseconds slice) {
    waitFor(socketOf(socket_), true, slice);
}

void TcpConnection::reset() {
    if (socket_ != kClosed) {
        const linger abortive{1, 0};
        ::setsockopt(socketOf(socket_), SOL_SOCKET, SO_LINGER,
                     reinterpret_cast<const char*>(&abortive), sizeof abortive);
    }
    close();
}

void TcpConnection::close() {
    if (socket_ != kClosed) {
        ::closesocket(socketOf(socket_));
        socket_ = kClosed;
    }
}

std::string TcpConnection::errorText(int error) {
    if (error == ETIMEDOUT) {
        return "tempo esgotado";
    }
    return "erro " + std::to_string(error) + " do Winsock";
}

}  // namespace rotulano::printing
