#include "WinePorts.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThread>

namespace rotulano::test::winePorts {

namespace {

using Clock = std::chrono::steady_clock;

std::string readAvailable(int fd) {
    std::string bytes;
    char chunk[4096];
    ssize_t got = 0;
    while (fd >= 0 && (got = ::read(fd, chunk, sizeof chunk)) > 0) {
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

constexpr int kStopWaitMs = 60000;
constexpr int kStartWaitMs = 30000;

}  // namespace

PortLine::PortLine() {
    char name[256] = {};
    if (::openpty(&printer_, &port_, name, nullptr, nullptr) != 0) {
        printer_ = port_ = -1;
        return;
    }
    path_ = name;
    ::fcntl(printer_, F_SETFL, ::fcntl(printer_, F_GETFL) | O_NONBLOCK);
    ::fcntl(printer_, F_SETFD, FD_CLOEXEC);
    ::fcntl(port_, F_SETFD, FD_CLOEXEC);
}

PortLine::~PortLine() {
    if (port_ >= 0) {
        ::close(port_);
    }
    if (printer_ >= 0) {
        ::close(printer_);
    }
}

std::string PortLine::take() {
    return readAvailable(printer_);
}

bool PortLine::answer(const std::string& bytes) {
    return ::write(printer_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

termios PortLine::settings() const {
    termios now{};
    ::tcgetattr(port_, &now);
    return now;
}

PortFifo::PortFifo() : path_(dir_.filePath(QStringLiteral("lpt1")).toStdString()) {
    if (!dir_.isValid() || ::mkfifo(path_.c_str(), 0600) != 0) {
        return;
    }
    reader_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

PortFifo::~PortFifo() {
    if (reader_ >= 0) {
        ::close(reader_);
    }
}

std::string PortFifo::take() {
    return readAvailable(reader_);
}

PrivatePrefix::PrivatePrefix(const std::string& com1, const std::string& lpt1)
    : com1_(com1), lpt1_(lpt1) {}

// Only this prefix's wineserver, through wine-run, never any other.
PrivatePrefix::~PrivatePrefix() {
    if (!QFileInfo::exists(folder_.filePath(QStringLiteral("prefix")))) {
        return;
    }
    QProcess stop;
    stop.setProcessEnvironment(environment());
    stop.start(QStringLiteral(ROTULANO_WINE_RUN), {QStringLiteral("--stop")});
    if (!stop.waitForFinished(kStopWaitMs)) {
        stop.kill();
        stop.waitForFinished(5000);
    }
}

QProcessEnvironment PrivatePrefix::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ROTULANO_WINDOWS_BUILD_DIR"),
                       QStringLiteral(ROTULANO_WINDOWS_BUILD_DIR));
    environment.insert(QStringLiteral("ROTULANO_WINE_PREFIX"),
                       folder_.filePath(QStringLiteral("prefix")));
    for (const char* port : {"COM1", "COM2", "COM3", "COM4", "LPT1", "LPT2"}) {
        environment.remove(QStringLiteral("ROTULANO_WINE_") + QLatin1String(port));
    }
    if (!com1_.empty()) {
        environment.insert(QStringLiteral("ROTULANO_WINE_COM1"), QString::fromStdString(com1_));
    }
    if (!lpt1_.empty()) {
        environment.insert(QStringLiteral("ROTULANO_WINE_LPT1"), QString::fromStdString(lpt1_));
    }
    return environment;
}

void PrivatePrefix::startRender(QProcess& process, const QStringList& arguments) const {
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(folder_.path());
    process.start(QStringLiteral(ROTULANO_WINE_RUN), QStringList{windowsRender()} + arguments);
    process.waitForStarted(kStartWaitMs);
    process.closeWriteChannel();
}

QString windowsRender() {
    const QDir build(QStringLiteral(ROTULANO_WINDOWS_BUILD_DIR));
    const QString usual =
        build.filePath(QStringLiteral("tools/rotulano-render/rotulano-render.exe"));
    if (QFileInfo::exists(usual)) {
        return usual;
    }
    QDirIterator found(build.path(), {QStringLiteral("rotulano-render.exe")}, QDir::Files,
                       QDirIterator::Subdirectories);
    return found.hasNext() ? found.next() : QString();
}

QString driveZ(const std::string& unixPath) {
    QString path = QStringLiteral("Z:") + QString::fromStdString(unixPath);
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

PortRun finishReading(QProcess& process, const std::function<std::string()>& take,
                      std::chrono::milliseconds wait) {
    PortRun run;
    const Clock::time_point giveUp = Clock::now() + wait;
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(50) &&
           Clock::now() < giveUp) {
        run.received += take();
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(10000);
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    // What the port holds still: the last bytes may come just after the end.
    QThread::msleep(200);
    run.received += take();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace rotulano::test::winePorts
