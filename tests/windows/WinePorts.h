#pragma once

#include <termios.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <string>

// The Windows programs' ports seen from Linux: a pseudo-terminal or a FIFO of the test
// stands for COM1 or LPT1 in a Wine prefix of the test's own, so that two tests never
// share a mapped port and nothing reaches a real device.
namespace rotulano::test::winePorts {

// A pseudo-terminal pair (openpty): the program writes to path(), which a Wine prefix
// maps as a COM port; the test reads what came on the other side. The line starts as
// the system makes a new terminal (CR/LF translation on), so only a program that puts it
// in raw mode delivers bytes unchanged.
class PortLine {
  public:
    PortLine();
    ~PortLine();
    PortLine(const PortLine&) = delete;
    PortLine& operator=(const PortLine&) = delete;

    bool ready() const { return printer_ >= 0; }
    std::string path() const { return path_; }

    // What the printer's side has now, without waiting.
    std::string take();
    // Bytes from the printer's side to the port (XOFF, XON).
    bool answer(const std::string& bytes);
    // The line's settings as the system holds them now.
    termios settings() const;

  private:
    int printer_ = -1;
    int port_ = -1;  // held open, so that the line outlives the program's close
    std::string path_;
};

// A FIFO of the test's own, its reading end open (so that a program may open it for
// writing), read without waiting.
class PortFifo {
  public:
    PortFifo();
    ~PortFifo();
    PortFifo(const PortFifo&) = delete;
    PortFifo& operator=(const PortFifo&) = delete;

    bool ready() const { return reader_ >= 0; }
    std::string path() const { return path_; }
    std::string take();

  private:
    QTemporaryDir dir_;
    std::string path_;
    int reader_ = -1;
};

// A Wine prefix of one test, in a temporary folder of its own, with its COM1 and LPT1
// (when given) mapped to the test's own line and FIFO; its wineserver is ended with it.
class PrivatePrefix {
  public:
    PrivatePrefix(const std::string& com1, const std::string& lpt1);
    ~PrivatePrefix();
    PrivatePrefix(const PrivatePrefix&) = delete;
    PrivatePrefix& operator=(const PrivatePrefix&) = delete;

    // Starts rotulano-render.exe of the Windows build with `arguments` under wine-run (its
    // state is Running once this returns, unless it could not start).
    void startRender(QProcess& process, const QStringList& arguments) const;

  private:
    QProcessEnvironment environment() const;

    QTemporaryDir folder_;
    std::string com1_;
    std::string lpt1_;
};

// rotulano-render.exe of the Windows build; empty when the build has none.
QString windowsRender();

// A Unix path as a Windows program names it, through Wine's drive Z:.
QString driveZ(const std::string& unixPath);

// How a program run while its port was read ended, and what the port got meanwhile.
struct PortRun {
    int exitCode = -1;  // -1: did not end within the wait
    std::string err;
    std::string received;
};

// Waits for `process` to end within `wait`, taking what `take` gives meanwhile, so that
// a port whose buffer fills never holds the program up; then what is left.
PortRun finishReading(QProcess& process, const std::function<std::string()>& take,
                      std::chrono::milliseconds wait);

}  // namespace rotulano::test::winePorts
