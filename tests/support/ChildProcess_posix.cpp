#include "support/ChildProcess.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace rotulano::test {

namespace {

constexpr int kSetupFailed = 125;
constexpr auto kChildTimeout = std::chrono::minutes(2);

bool dropToNobody() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
           ::setuid(nobody->pw_uid) == 0;
}

// In the child, before its work: false when it cannot be set up as asked.
bool setUp(const ChildSetup& setup) {
    if (setup.fileSizeLimit >= 0) {
        std::signal(SIGXFSZ, setup.sizeSignalKills ? SIG_DFL : SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(setup.fileSizeLimit),
                           static_cast<rlim_t>(setup.fileSizeLimit)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return false;
        }
    }
    if (setup.asNobody && !dropToNobody()) {
        return false;
    }
    return setup.workingDir.empty() || ::chdir(setup.workingDir.c_str()) == 0;
}

int statusOf(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads both pipes (an fd of -1: none) until the child closes them or the time is up.
bool gather(int outFd, int errFd, ChildRun& run) {
    const auto deadline = std::chrono::steady_clock::now() + kChildTimeout;
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&run.out, &run.err};
    int open = (outFd >= 0 ? 1 : 0) + (errFd >= 0 ? 1 : 0);
    while (open > 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        if (::poll(fds, 2, 200) < 0 && errno != EINTR) {
            return false;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                targets[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

// In the parent: gathers what the child writes to its pipes, kills it when the time is up,
// closes the pipes and reaps it.
void finish(pid_t child, int outFd, int errFd, ChildRun& run) {
    const bool ended = gather(outFd, errFd, run);
    if (!ended) {
        ::kill(child, SIGKILL);
    }
    for (const int fd : {outFd, errFd}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    run.exitCode = statusOf(child);
    if (!ended) {
        run.exitCode = -1;
    }
}

// Writes the whole of `text` to `fd`.
bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno != EINTR) {
            return false;
        }
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    return true;
}

}  // namespace

int runInChild(const ChildSetup& setup, const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(setUp(setup) ? body() : kSetupFailed);
    }
    return child < 0 ? -1 : statusOf(child);
}

ChildRun answerFromChild(const ChildSetup& setup, const std::function<std::string()>& body) {
    int answer[2];
    ChildRun run;
    if (::pipe(answer) != 0) {
        return run;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(answer[0]);
        ::_exit(!setUp(setup) ? kSetupFailed : writeAll(answer[1], body()) ? 0 : 1);
    }
    ::close(answer[1]);
    if (child < 0) {
        ::close(answer[0]);
        return run;
    }
    finish(child, answer[0], -1, run);
    return run;
}

ChildRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const ChildSetup& setup) {
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    int out[2];
    int err[2];
    ChildRun run;
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        return run;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(0);
        // As a batch job or a service runs it: no session, so no runtime folder.
        ::unsetenv("XDG_RUNTIME_DIR");
        ::close(out[0]);
        ::close(err[0]);
        if (setUp(setup)) {
            ::execv(argv[0], argv.data());
        }
        ::_exit(kSetupFailed);
    }
    ::close(out[1]);
    ::close(err[1]);
    if (child < 0) {
        ::close(out[0]);
        ::close(err[0]);
        return run;
    }
    finish(child, out[0], err[0], run);
    return run;
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

bool nobodyExists() {
    return ::getpwnam("nobody") != nullptr;
}

bool operatorRunsPossible() {
    return !runningAsRoot() || nobodyExists();
}

ChildRun answerAsOperator(const std::string& folder, const std::function<std::string()>& body) {
    if (runningAsRoot()) {
        return answerFromChild(ChildSetup{-1, true, folder}, body);
    }
    ChildRun run;
    run.out = body();
    run.exitCode = 0;
    return run;
}

bool openToOperator(const std::string& folder) {
    return ::chmod(folder.c_str(), 0755) == 0;
}

bool makeCharDevice(const std::string& path, unsigned major, unsigned minor) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(major, minor)) == 0;
}

bool makeBlockDevice(const std::string& path, unsigned major, unsigned minor) {
    return ::mknod(path.c_str(), S_IFBLK | 0600, makedev(major, minor)) == 0;
}

bool makePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0666) == 0;
}

bool makeSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return bound;
}

std::string fileKind(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return "missing";
    }
    if (S_ISREG(info.st_mode)) {
        return "regular";
    }
    if (S_ISDIR(info.st_mode)) {
        return "directory";
    }
    if (S_ISCHR(info.st_mode)) {
        return "char";
    }
    if (S_ISBLK(info.st_mode)) {
        return "block";
    }
    return S_ISFIFO(info.st_mode) ? "pipe" : "socket";
}

std::string ownership(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return "missing";
    }
    char mode[8];
    std::snprintf(mode, sizeof mode, "%o", static_cast<unsigned>(info.st_mode & 07777));
    return std::to_string(info.st_uid) + ":" + std::to_string(info.st_gid) + ":" + mode;
}

unsigned long long inodeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<unsigned long long>(info.st_ino) : 0;
}

}  // namespace rotulano::test
