#include "NetworkPrinter.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace rotulano::test {

namespace {

constexpr auto kSlice = std::chrono::milliseconds(5);
// A port given up a moment ago may still be held by the system; so long it is tried again.
constexpr auto kRelistenLimit = std::chrono::seconds(2);
constexpr auto kSlowReadEvery = std::chrono::milliseconds(5);

bool readable(int fd) {
    pollfd watch{fd, POLLIN, 0};
    return ::poll(&watch, 1, static_cast<int>(kSlice.count())) > 0;
}

void sendAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        done += static_cast<std::size_t>(sent);
    }
}

}  // namespace

const char* conductName(Conduct::Kind kind) {
    switch (kind) {
        case Conduct::Kind::Healthy:
            return "healthy";
        case Conduct::Kind::Stall:
            return "stall";
        case Conduct::Kind::SlowRead:
            return "slow read";
        case Conduct::Kind::CloseMidRow:
            return "close mid-row";
        case Conduct::Kind::CloseBetweenRows:
            return "close between rows";
        case Conduct::Kind::ResetMidRow:
            return "reset mid-row";
        case Conduct::Kind::StopAccepting:
            return "stop accepting";
    }
    return "?";
}

SeededConducts::SeededConducts(unsigned seed, ConductMix mix) : random_(seed), mix_(mix) {}

std::size_t SeededConducts::upTo(std::size_t most) {
    return std::uniform_int_distribution<std::size_t>(0, most)(random_);
}

std::chrono::milliseconds SeededConducts::pauseUpTo(std::chrono::milliseconds most) {
    return std::chrono::milliseconds(
        std::uniform_int_distribution<long>(0, static_cast<long>(most.count()))(random_));
}

Conduct SeededConducts::next() {
    using Kind = Conduct::Kind;
    int draw = std::uniform_int_distribution<int>(0, 999)(random_);
    const auto drawn = [&draw](int share) {
        draw -= share;
        return draw < 0;
    };
    Conduct conduct;
    if (drawn(mix_.stall)) {
        conduct = Conduct::cut(Kind::Stall, upTo(mix_.longestCut));
        conduct.pause = pauseUpTo(mix_.longestPause);
    } else if (drawn(mix_.slowRead)) {
        const std::size_t least = std::max<std::size_t>(1, mix_.largestSlowChunk / 8);
        conduct = Conduct::slowRead(least + upTo(mix_.largestSlowChunk - least), kSlowReadEvery);
    } else if (drawn(mix_.closeMidRow)) {
        conduct = Conduct::cut(Kind::CloseMidRow, 1 + upTo(mix_.longestCut));
    } else if (drawn(mix_.closeBetweenRows)) {
        conduct.kind = Kind::CloseBetweenRows;
    } else if (drawn(mix_.resetMidRow)) {
        conduct = Conduct::cut(Kind::ResetMidRow, 1 + upTo(mix_.longestCut));
    } else if (drawn(mix_.stopAccepting)) {
        conduct.kind = Kind::StopAccepting;
        conduct.pause = pauseUpTo(mix_.longestPause);
        conduct.away = pauseUpTo(mix_.longestAway);
    }
    return conduct;
}

NetworkPrinter::NetworkPrinter(Chooser choose) : choose_(std::move(choose)) {
    if (listen()) {
        thread_ = std::thread([this] { run(); });
    }
}

NetworkPrinter::~NetworkPrinter() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

void NetworkPrinter::answerStatus(std::string query, std::string answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    query_ = std::move(query);
    answer_ = std::move(answer);
}

// The first time on a port of the system's choosing, later on the same one.
bool NetworkPrinter::listen() {
    const auto giveUp = Clock::now() + kRelistenLimit;
    do {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        const int buffer = kReceiveBuffer;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        // Set before listening, so that every connection accepted inherits it.
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port_));
        socklen_t length = sizeof address;
        if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(fd, 8) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            listener_ = fd;
            port_ = ntohs(address.sin_port);
            listening_ = Clock::now();
            return true;
        }
        if (fd >= 0) {
            ::close(fd);
        }
        pauseFor(kSlice);
    } while (port_ > 0 && !stop_ && Clock::now() < giveUp);
    return false;
}

void NetworkPrinter::run() {
    std::size_t count = 0;
    while (!stop_) {
        if (listener_ < 0 || !readable(listener_)) {
            if (listener_ < 0) {
                pauseFor(kSlice);
            }
            continue;
        }
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        busy_ = true;
        ReadConnection connection;
        connection.accepted = Clock::now();
        connection.listening = listening_;
        connection.conduct = choose_(count++);
        serve(fd, connection);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_.push_back(connection);
        }
        if (connection.conduct.kind == Conduct::Kind::StopAccepting) {
            stopAccepting(connection.conduct);
        }
        lastActive_ = Clock::now().time_since_epoch().count();
        busy_ = false;
    }
}

void NetworkPrinter::serve(int fd, ReadConnection& connection) {
    using Kind = Conduct::Kind;
    constexpr std::size_t kWhole = std::string::npos;
    const Conduct& conduct = connection.conduct;
    switch (conduct.kind) {
        case Kind::CloseBetweenRows:
            break;
        case Kind::Stall:
            if (readUpTo(fd, conduct.after, connection)) {
                pauseFor(conduct.pause);
                readUpTo(fd, kWhole, connection);
            }
            break;
        case Kind::CloseMidRow:
            readUpTo(fd, conduct.after, connection);
            break;
        case Kind::ResetMidRow:
            if (readUpTo(fd, conduct.after, connection)) {
                const linger reset{1, 0};
                ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            }
            break;
        default:
            readUpTo(fd, kWhole, connection);
            break;
    }
    ::close(fd);
}

// Nothing is accepted for the pause; then the queued connections go with the listening
// socket, and the printer is away.
void NetworkPrinter::stopAccepting(const Conduct& conduct) {
    pauseFor(conduct.pause);
    ::close(listener_);
    listener_ = -1;
    if (conduct.away) {
        pauseFor(*conduct.away);
        listen();
    }
}

// Reads until `limit` bytes came (true: the connection is still open), or the end of
// stream, a reset or the printer's end (false). A slow reader takes its chunk on its
// clock, counted from the connection's start, so that its pace holds on average.
bool NetworkPrinter::readUpTo(int fd, std::size_t limit, ReadConnection& connection) {
    const bool paced = connection.conduct.kind == Conduct::Kind::SlowRead;
    const std::size_t chunk = paced ? connection.conduct.chunk : 65536;
    std::string buffer(chunk, '\0');
    auto tick = connection.accepted;
    while (connection.bytes.size() < limit && !stop_) {
        if (paced) {
            std::this_thread::sleep_until(tick);
            tick += connection.conduct.every;
        }
        while (!stop_ && !readable(fd)) {
        }
        const std::size_t room = std::min(chunk, limit - connection.bytes.size());
        const ssize_t count = ::read(fd, buffer.data(), room);
        if (count > 0) {
            take(fd, buffer.data(), static_cast<std::size_t>(count), connection);
        } else if (count == 0) {
            connection.endOfStream = true;
            return false;
        } else if (errno != EINTR && errno != EAGAIN) {
            connection.reset = errno == ECONNRESET;
            return false;
        }
    }
    return !stop_;
}

// Keeps the bytes and answers each status query that the connection's bytes now hold.
void NetworkPrinter::take(int fd, const char* bytes, std::size_t size, ReadConnection& connection) {
    const std::size_t before = connection.bytes.size();
    connection.bytes.append(bytes, size);
    bytesRead_ += size;
    lastActive_ = Clock::now().time_since_epoch().count();
    std::string query;
    std::string answer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        query = query_;
        answer = answer_;
    }
    if (query.empty()) {
        return;
    }
    std::size_t at = before >= query.size() ? before - query.size() + 1 : 0;
    while ((at = connection.bytes.find(query, at)) != std::string::npos) {
        at += query.size();
        sendAll(fd, answer);
    }
}

void NetworkPrinter::pauseFor(std::chrono::microseconds duration) const {
    const auto end = Clock::now() + duration;
    while (!stop_ && Clock::now() < end) {
        std::this_thread::sleep_for(std::min<Clock::duration>(kSlice, end - Clock::now()));
    }
}

bool NetworkPrinter::settle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
        const Clock::time_point last{Clock::duration(lastActive_.load())};
        if (!busy_ && Clock::now() - last >= quiet) {
            return true;
        }
        std::this_thread::sleep_for(kSlice);
    }
    return false;
}

std::vector<ReadConnection> NetworkPrinter::connections() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return done_;
}

}  // namespace rotulano::test
