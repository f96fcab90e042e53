#include "PrinterSimulator.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace rotulano::test {

namespace {

constexpr int kSliceMs = 10;
constexpr std::chrono::milliseconds kSettle{150};

int listenOnLoopback(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            return;
        }
        done += static_cast<std::size_t>(written);
    }
}

}  // namespace

PrinterSimulator::PrinterSimulator(Line line, bool zpl) : line_(line), query_(queryOf(zpl)) {
    standing_ = zpl ? zplAnswer() : dplAnswer();
    if (line == Line::Tcp) {
        int port = 0;
        listener_ = listenOnLoopback(port);
        destination_ = "tcp://127.0.0.1:" + std::to_string(port);
        ready_ = listener_ >= 0;
    } else {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            destination_ = ::ptsname(master_);
            // Held open so that the line stays up between the program's opens; raw, so
            // that nothing is echoed or translated.
            slave_ = ::open(destination_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            termios raw{};
            ready_ = slave_ >= 0 && ::tcgetattr(slave_, &raw) == 0;
            ::cfmakeraw(&raw);
            ready_ = ready_ && ::tcsetattr(slave_, TCSANOW, &raw) == 0;
        }
    }
    if (ready_) {
        thread_ = std::thread([this] { run(); });
    }
}

PrinterSimulator::~PrinterSimulator() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    for (int fd : {listener_, slave_, master_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void PrinterSimulator::answerAlways(const std::string& answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    standing_ = answer;
}

void PrinterSimulator::answerNext(const std::string& answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    next_.push_back(answer);
}

void PrinterSimulator::sendNow(const std::string& bytes) {
    writeAll(master_, bytes);
}

std::string PrinterSimulator::received(std::size_t expected, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (received_.size() >= expected) {
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    }
    std::this_thread::sleep_for(kSettle);
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

// Keeps the bytes and answers each query that `seen` (the connection's bytes so far) now
// holds in full.
void PrinterSimulator::take(int fd, const char* bytes, std::size_t size, std::string& seen) {
    const std::size_t before = seen.size();
    seen.append(bytes, size);
    std::string answer;
    std::size_t at = before >= query_.size() ? before - query_.size() + 1 : 0;
    while ((at = seen.find(query_, at)) != std::string::npos) {
        at += query_.size();
        ++queries_;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!next_.empty()) {
                answer += next_.front();
                next_.pop_front();
            } else {
                answer += standing_;
            }
        }
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.append(bytes, size);
    }
    writeAll(fd, answer);
}

std::size_t PrinterSimulator::allowance(std::size_t chunk) {
    const std::size_t rate = bytesPerSecond_;
    if (rate == 0) {
        return chunk;
    }
    const auto now = std::chrono::steady_clock::now();
    if (slowlyRead_ == 0) {
        slowSince_ = now;
    }
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - slowSince_).count();
    // At least one byte, so that the first read and an end of stream are seen.
    const std::size_t due = static_cast<std::size_t>(elapsed) * rate / 1000 + 1;
    return std::min(chunk, due > slowlyRead_ ? due - slowlyRead_ : 0);
}

void PrinterSimulator::run() {
    std::vector<int> connections;
    serve(connections);
    for (int fd : connections) {
        ::close(fd);
    }
}

void PrinterSimulator::serve(std::vector<int>& connections) {
    std::vector<std::string> seen;
    std::string lineSeen;
    char chunk[4096];
    while (!stop_) {
        std::vector<pollfd> watch;
        watch.push_back({line_ == Line::Tcp ? listener_ : master_, POLLIN, 0});
        bool oneWatched = false;
        for (int fd : connections) {
            // A slow printer reads its oldest open connection only.
            const bool watched = fd >= 0 && !(bytesPerSecond_ > 0 && oneWatched);
            oneWatched = oneWatched || watched;
            watch.push_back({watched ? fd : -1, POLLIN, 0});
        }
        if (::poll(watch.data(), watch.size(), kSliceMs) <= 0) {
            continue;
        }
        if (line_ == Line::Pty) {
            const ssize_t got = ::read(master_, chunk, sizeof chunk);
            if (got > 0) {
                take(master_, chunk, static_cast<std::size_t>(got), lineSeen);
            }
            continue;
        }
        if ((watch[0].revents & POLLIN) != 0) {
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                connections.push_back(fd);
                seen.emplace_back();
            }
        }
        for (std::size_t i = 1; i < watch.size(); ++i) {
            if (watch[i].revents == 0 || connections[i - 1] < 0) {
                continue;
            }
            const std::size_t most = allowance(sizeof chunk);
            if (most == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
                continue;
            }
            const ssize_t got = ::read(connections[i - 1], chunk, most);
            if (got > 0) {
                slowlyRead_ += static_cast<std::size_t>(got);
                take(connections[i - 1], chunk, static_cast<std::size_t>(got), seen[i - 1]);
            } else {
                ::close(connections[i - 1]);
                connections[i - 1] = -1;
            }
        }
    }
}

std::string PrinterSimulator::queryOf(bool zpl) {
    return zpl ? "~HS"
               : "\x01"
                 "A";
}

std::string PrinterSimulator::zplAnswer(const std::string& flag) {
    std::string first = "030,0,0,0245,000,0,0,0,000,0,0,0";
    std::string second = "001,0,0,0,1,2,6,0,00000000,1,000";
    if (flag == "papel")
        first[4] = '1';
    if (flag == "pausa")
        first[6] = '1';
    if (flag == "memoria")
        first[17] = '1';
    if (flag == "cabeca")
        second[6] = '1';
    if (flag == "fita")
        second[8] = '1';
    return "\x02" + first + "\x03\r\n\x02" + second +
           "\x03\r\n\x02"
           "1234,0,1,0\x03\r\n";
}

std::string PrinterSimulator::dplAnswer(const std::string& flags) {
    return flags + "\r";
}

}  // namespace rotulano::test
