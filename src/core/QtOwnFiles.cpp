#include "core/QtOwnFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

#include "core/GuardedFile.h"
#include "core/ShownBytes.h"
#include "core/SystemPath.h"

namespace rotulano::core {

namespace {

std::string environment(const char* name) {
    return qgetenv(name).toStdString();
}

#ifdef _WIN32

// Qt on Windows keeps the file dialog's state in the registry: its one file is the logging
// rules, looked for in every folder Qt names for generic configuration (the user's
// %LOCALAPPDATA%, %ProgramData%, the program's folder and its "data" folder).
const char* const kOwnFiles[] = {"QtProject/qtlogging.ini"};

std::vector<std::string> configFolders() {
    std::vector<std::string> folders;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        folders.push_back(pathFromQt(folder));
    }
    return folders;
}

#else

const char* const kOwnFiles[] = {"QtProject.conf", "QtProject/qtlogging.ini"};

// The configuration folders Qt looks in, the user's first, as the XDG rules give them.
std::vector<std::string> configFolders() {
    std::string home = environment("XDG_CONFIG_HOME");
    if (home.empty()) {
        home = QFile::encodeName(QDir::homePath()).toStdString() + "/.config";
    }
    std::vector<std::string> folders = {home};
    std::string system = environment("XDG_CONFIG_DIRS");
    if (system.empty()) {
        system = "/etc/xdg";
    }
    std::size_t start = 0;
    while (start <= system.size()) {
        const std::size_t colon = std::min(system.find(':', start), system.size());
        const std::string folder = system.substr(start, colon - start);
        // A folder named twice is looked at once.
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
        start = colon + 1;
    }
    return folders;
}

#endif

// The files to look at, named by the environment.
std::vector<std::string> ownFiles() {
    std::vector<std::string> files;
    for (const std::string& folder : configFolders()) {
        for (const char* name : kOwnFiles) {
            files.push_back(folder + "/" + name);
        }
    }
    return files;
}

bool warnIfUnsafe(const std::string& path, std::ostream& err, const std::string& tag) {
    const std::string cause = unsafeQtFile(path);
    if (cause.empty()) {
        return false;
    }
    err << tag << "arquivo do Qt " << shownBytes(path) << ' ' << cause
        << ": ignorado, o Qt usa uma pasta de configuração vazia\n";
    return true;
}

}  // namespace

std::string unsafeQtFile(const std::string& path, std::int64_t limit) {
    GuardedFile file;
    const FileStatus status = file.open(path);
    if (status == kStatusNotRegularFile) {
        return "não é um arquivo comum (dispositivo, pipe ou socket)";
    }
    if (status == kStatusAttributesConflict) {
        return "é uma pasta";
    }
    FileStamp stamp;
    if (status == kStatusOk && file.stamp(stamp) == kStatusOk && stamp.size > limit) {
        return "tem " + std::to_string(stamp.size) + " bytes, mais que os " +
               std::to_string(limit) + " de um arquivo de configuração";
    }
    // Missing or unreadable: Qt does without it, as it would itself.
    return std::string();
}

QtOwnFiles::QtOwnFiles(std::ostream& err, const std::string& tag) {
    bool unsafe = false;
    for (const std::string& path : ownFiles()) {
        unsafe = warnIfUnsafe(path, err, tag) || unsafe;
    }
    const std::string named = environment("QT_LOGGING_CONF");
    if (!named.empty() && warnIfUnsafe(named, err, tag)) {
        qunsetenv("QT_LOGGING_CONF");
    }
    if (!unsafe) {
        return;
    }
#ifdef _WIN32
    // Windows gives Qt the user's folder itself, not through the environment: Qt's test
    // mode sends it to a folder of Qt's own ("qttest" inside it), empty unless a test
    // wrote there. The other folders are the administrator's and the program's.
    QStandardPaths::setTestModeEnabled(true);
    redirected_ = true;
#else
    emptyFolder_ = std::make_unique<QTemporaryDir>();
    if (!emptyFolder_->isValid()) {
        emptyFolder_.reset();
        return;
    }
    const QByteArray folder = QFile::encodeName(emptyFolder_->path());
    qputenv("XDG_CONFIG_HOME", folder);
    qputenv("XDG_CONFIG_DIRS", folder);
    redirected_ = true;
#endif
}

}  // namespace rotulano::core
