#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

namespace rotulano::core {

// The largest settings file handed to Qt (the window's size and place, Qt's own files):
// they hold a few lines.
constexpr std::int64_t kLargestQtSettingsFile = 1024 * 1024;

// Why the file at `path` may not be handed to Qt, which opens its files waiting (a named
// pipe would never answer) and reads them whole (a file of gigabytes would fill the
// memory): empty when it may be, a regular file of at most `limit` bytes or no file at
// all; otherwise the cause in Portuguese (UTF-8). The file is looked at, never read.
std::string unsafeQtFile(const std::string& path, std::int64_t limit = kLargestQtSettingsFile);

// Qt's own files, which Qt reads by itself from the configuration folders: the logging
// rules (QtProject/qtlogging.ini, or the file QT_LOGGING_CONF names) as the application
// starts, and the file dialog's state (QtProject.conf) when a dialog opens. Made before
// the QApplication, this looks at them in the folders the environment names
// (XDG_CONFIG_HOME or ~/.config, then XDG_CONFIG_DIRS or /etc/xdg). When one is not a
// regular file of sane size it is named on `err`, one line each after `tag`, and Qt is
// given an empty configuration folder of its own (XDG_CONFIG_HOME and XDG_CONFIG_DIRS
// point at it, QT_LOGGING_CONF is dropped) for as long as the object lives. On Windows Qt's
// one file is the logging rules (the dialog's state is in the registry), looked at in the
// folders Qt names (%LOCALAPPDATA%, %ProgramData%, the program's folder); the user's
// folder is then replaced by Qt's own test folder for the rest of the run.
class QtOwnFiles {
  public:
    QtOwnFiles(std::ostream& err, const std::string& tag);

    // True when Qt was given the empty folder.
    bool redirected() const { return redirected_; }

  private:
    std::unique_ptr<QTemporaryDir> emptyFolder_;
    bool redirected_ = false;
};

}  // namespace rotulano::core
