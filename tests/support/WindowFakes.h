#pragma once

#include <QString>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Platform.h"
#include "support/TestSupport.h"
#include "window/FileDialogService.h"
#include "window/MainWindow.h"
#include "window/MessageBoxService.h"

// Stand-ins for the main window's services, so that window tests answer the message boxes
// and the file dialog themselves and never touch the real system.
namespace rotulano::test {

struct ShownMessage {
    QString text;
    QString title;
    int style;
};

// Records every box shown and answers OK (or `answer`).
class FakeMessageBox : public window::MessageBoxService {
  public:
    int show(const QString& text, const QString& title, int style) override;
    // Answers with the next queued choice, else the last button.
    int choose(const QString& text, const QString& title, int style,
               const QStringList& buttons) override;

    std::vector<ShownMessage> shown;
    int answer = 1;
    std::deque<int> choices;
    std::vector<QStringList> choiceButtons;  // each box with a choice: its buttons
    // Runs while the box is "open", e.g. to look at the window at that moment.
    std::function<void(const ShownMessage&)> onShow;

    // The program closes the open box: it then answers No (or its last button).
    void closeOpenBox() override;
    bool isOpen() const { return open_; }
    int closedByProgram = 0;  // boxes the program closed while they were open

  private:
    // Runs onShow with the box open; true when the program closed it meanwhile.
    bool showOpen();
    bool open_ = false;
    bool closedNow_ = false;
};

// Answers each opening with the next queued path; an empty path, or an empty queue,
// cancels. Records the title and filter of every opening.
class FakeFileDialog : public window::FileDialogService {
  public:
    struct Opening {
        QString title;
        QString filter;
    };

    bool chooseFile(QString& path, const QString& title, const QString& filter) override;

    std::deque<QString> answers;
    std::vector<Opening> openings;
    std::function<void()> onOpen;  // runs when the dialog opens, before it answers
};

// The operating system as tests want it: a fixed temporary directory and clock, deletions
// and device writes recorded (deletions also happen on disk), serial ports that answer
// with `serialStatus`, and no waiting.
class FakePlatform : public core::Platform {
  public:
    std::string tempDir() override { return tempDirValue; }
    std::string clockText() override { return clock; }
    bool deleteFile(const std::string& path) override;
    std::string portDevice(const std::string& portName) override;
    core::FileStatus sendToDevice(const std::string& device, const std::string& bytes) override;
    core::FileStatus openSerialPort(const std::string& device, const std::string& bytes) override;
    void sleepFor(std::chrono::milliseconds duration) override { sleeps.push_back(duration); }
    std::string printerLockSpace() override { return lockSpace; }

    std::string tempDirValue = "/tmp/";  // test windows point it at a directory of their own
    std::string clock = "2024010209050703-0300";
    std::string portDirectory;  // when set, port "COM1" is the file portDirectory/COM1
    core::FileStatus sendStatus = core::kStatusOk;
    core::FileStatus serialStatus = core::kStatusOk;
    std::string lockSpace = ownPrinterLockSpace();

    std::vector<std::string> deleted;
    std::map<std::string, std::string> sent;  // device -> every byte written to it
    std::vector<std::string> serialOpened;
    std::vector<std::chrono::milliseconds> sleeps;
};

// Points the platform's temporary directory at "tmp" inside `dir`, made here. Print files
// are named from the clock, which stands still in tests: every test window needs a
// temporary directory of its own so that tests run side by side never share a print file.
void useOwnTempDir(FakePlatform& platform, const ScopedWorkingDir& dir);

// A main window in a fresh working directory of its own, with the fakes above. The window
// is built but not opened: a test can prepare the directory (CD21PRM.DAT, an order file)
// and then call open().
class TestWindow {
  public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // Shows the window offscreen, which runs the start-up, then lets the event loop carry
    // out a close that the start-up asked for.
    void open();

    // Runs the events waiting in the queue (a close requested by a handler, for example).
    static void processEvents();

    window::Controls& controls() { return window->controls(); }
    window::Session& session() { return window->session(); }
    window::WindowContext& context() { return window->context(); }

    ScopedWorkingDir dir;
    FakeMessageBox messageBox;
    FakeFileDialog fileDialog;
    FakePlatform platform;
    std::unique_ptr<window::MainWindow> window;
};

}  // namespace rotulano::test
