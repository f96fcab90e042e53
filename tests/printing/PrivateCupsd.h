#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <string>

namespace rotulano::test {

// A print service of the test's own: cupsd with its own configuration, spool, state and
// a local socket in a temporary folder, no browsing, every operation allowed. Run as
// root, it works as user lp (it refuses to work as root), which owns its spool and
// temporary folders; otherwise as the current user. ready() is false, with why(), when
// it could not be started.
class PrivateCupsd {
  public:
    PrivateCupsd();
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    bool ready() const { return ready_; }
    const std::string& why() const { return why_; }
    // The local socket clients talk to.
    std::string socket() const;

    // Adds a raw queue `queue` that sends its jobs to 127.0.0.1:`port`, enabled and
    // accepting jobs. False, with why(), on failure.
    bool addQueue(const std::string& queue, int port);
    // Runs an administration command (cupsdisable, cupsreject, ...) on `queue`.
    bool run(const std::string& program, const std::string& queue);
    // The jobs the service still holds, as lpstat lists them.
    std::string pendingJobs();

  private:
    bool prepareFolders();
    bool writeConfiguration();
    bool start();
    bool schedulerRunning();
    bool runTool(const QString& program, const QStringList& arguments);

    QTemporaryDir dir_;
    QProcess cupsd_;
    bool ready_ = false;
    std::string why_;
};

}  // namespace rotulano::test
