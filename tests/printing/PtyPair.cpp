#include "PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace rotulano::test {

namespace {
constexpr std::chrono::milliseconds kSettle{200};
}  // namespace

PtyPair::PtyPair() {
    const QString socat = QStandardPaths::findExecutable("socat");
    if (socat.isEmpty() || !dir_.isValid()) {
        return;
    }
    const QString printer = dir_.filePath("printer");
    const QString port = dir_.filePath("port");
    socat_.start(socat, {"pty,raw,echo=0,link=" + printer, "pty,link=" + port});
    if (!socat_.waitForStarted(5000)) {
        return;
    }
    for (int i = 0; i < 100 && !(QFileInfo::exists(printer) && QFileInfo::exists(port)); ++i) {
        QThread::msleep(50);
    }
    if (QFileInfo::exists(port)) {
        reader_ = ::open(printer.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    }
}

PtyPair::~PtyPair() {
    if (reader_ >= 0) {
        ::close(reader_);
    }
    if (socat_.state() != QProcess::NotRunning) {
        socat_.kill();
        socat_.waitForFinished(5000);
    }
}

std::string PtyPair::portSide() const {
    return dir_.filePath("port").toStdString();
}

std::string PtyPair::received(std::size_t expected, std::chrono::milliseconds timeout) {
    std::string bytes;
    auto waitMs = static_cast<int>(timeout.count());
    while (reader_ >= 0) {
        pollfd watch{reader_, POLLIN, 0};
        if (::poll(&watch, 1, waitMs) <= 0) {
            break;
        }
        char chunk[4096];
        const ssize_t count = ::read(reader_, chunk, sizeof chunk);
        if (count <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
        if (bytes.size() >= expected) {
            waitMs = static_cast<int>(kSettle.count());
        }
    }
    return bytes;
}

}  // namespace rotulano::test
