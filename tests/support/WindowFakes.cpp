#include "support/WindowFakes.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "core/MessageRequest.h"

namespace rotulano::test {

bool FakeMessageBox::showOpen() {
    const bool outerOpen = open_;
    const bool outerClosed = closedNow_;
    open_ = true;
    closedNow_ = false;
    if (onShow) {
        onShow(shown.back());
    }
    const bool closed = closedNow_;
    open_ = outerOpen;
    closedNow_ = outerClosed;
    return closed;
}

void FakeMessageBox::closeOpenBox() {
    if (open_ && !closedNow_) {
        closedNow_ = true;
        ++closedByProgram;
    }
}

int FakeMessageBox::show(const QString& text, const QString& title, int style) {
    shown.push_back({text, title, style});
    const bool yesNo = (style & 0x0F) == core::kStyleYesNo;
    if (showOpen()) {
        return yesNo ? core::kAnswerNo : core::kAnswerOk;
    }
    return answer;
}

int FakeMessageBox::choose(const QString& text, const QString& title, int style,
                           const QStringList& buttons) {
    shown.push_back({text, title, style});
    choiceButtons.push_back(buttons);
    if (showOpen() || choices.empty()) {
        return static_cast<int>(buttons.size()) - 1;
    }
    const int choice = choices.front();
    choices.pop_front();
    return choice;
}

bool FakeFileDialog::chooseFile(QString& path, const QString& title, const QString& filter) {
    openings.push_back({title, filter});
    if (onOpen) {
        onOpen();
    }
    path.clear();
    if (!answers.empty()) {
        path = answers.front();
        answers.pop_front();
    }
    return !path.isEmpty();
}

bool FakePlatform::deleteFile(const std::string& path) {
    deleted.push_back(path);
    return std::remove(path.c_str()) == 0;
}

std::string FakePlatform::portDevice(const std::string& portName) {
    return portDirectory.empty() ? portName : portDirectory + "/" + portName;
}

core::FileStatus FakePlatform::sendToDevice(const std::string& device, const std::string& bytes) {
    sent[device] += bytes;
    return sendStatus;
}

core::FileStatus FakePlatform::openSerialPort(const std::string& device, const std::string& bytes) {
    serialOpened.push_back(device);
    sent[device] += bytes;
    return serialStatus;
}

void useOwnTempDir(FakePlatform& platform, const ScopedWorkingDir& dir) {
    platform.tempDirValue = dir.file("tmp") + "/";
    QDir().mkpath(QString::fromStdString(platform.tempDirValue));
}

TestWindow::TestWindow() {
    // Closing the window in a test must not ask the application to quit.
    QApplication::setQuitOnLastWindowClosed(false);
    useOwnTempDir(platform, dir);
    window = std::make_unique<window::MainWindow>(messageBox, fileDialog, platform);
}

TestWindow::~TestWindow() {
    window.reset();
    processEvents();
}

void TestWindow::open() {
    window->show();
    processEvents();
}

void TestWindow::processEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace rotulano::test
