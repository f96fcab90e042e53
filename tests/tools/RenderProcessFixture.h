#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "RenderTestSupport.h"
#include "support/TestSupport.h"

namespace rotulano::test {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// What every message of the tool starts with.
inline const std::string kTag = "rotulano-render: ";

inline QString sampleOrder() {
    return qs(samplePath("PEDIDO.txt"));
}

// The whole sample order as the port gets it with the settings `record`.
inline std::string expectedSampleJob(const std::string& record,
                                     const std::string& logoDir = samplePath("")) {
    return expectedJob(sampleItems(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, record,
                       logoDir);
}

// Waits until `done` holds, looking every 10 ms, at most `limit`: false if it never did.
template <typename Condition>
bool waitUntil(Condition done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Each test runs the tool in a working directory of its own, with a temporary directory
// of its own so that any print file left behind shows.
class RenderProcessTest : public ::testing::Test {
  protected:
    std::string work(const std::string& name) const {
        return workDir_.filePath(qs(name)).toStdString();
    }

    std::string writeSettings(int model, const std::string& port = "01") const {
        const std::string path = work("PARAM" + std::to_string(model) + ".DAT");
        writeBytes(path, settingsRecord(model, port));
        return path;
    }

    RenderRun run(const QStringList& arguments) const {
        return rotulano::test::runRender(arguments, workDir_.path(), tempDir_.path());
    }

    void start(QProcess& process, const QStringList& arguments) const {
        rotulano::test::startRender(process, arguments, workDir_.path(), tempDir_.path());
    }

    // What the tool's temporary directory holds, hidden entries included.
    QStringList tempDirEntries() const {
        return QDir(tempDir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    RenderRun runSample(const std::string& settingsPath, const QStringList& more = {}) const {
        QStringList arguments = {sampleOrder(), QStringLiteral("--settings"), qs(settingsPath),
                                 QStringLiteral("--logo-dir"), qs(samplePath(""))};
        return run(arguments + more);
    }

    bool tempDirEmpty() const {
        return QDir(tempDir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
            .isEmpty();
    }

    QTemporaryDir workDir_;
    QTemporaryDir tempDir_;
};

}  // namespace rotulano::test
