#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "support/TestSupport.h"

namespace rotulano::test {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
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

    RenderRun runSample(const std::string& settingsPath, const QStringList& more = {}) const {
        QStringList arguments = {qs(samplePath("PEDIDO.txt")), QStringLiteral("--settings"),
                                 qs(settingsPath), QStringLiteral("--logo-dir"),
                                 qs(samplePath(""))};
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
