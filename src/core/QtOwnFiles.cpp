#include "core/QtOwnFiles.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <vector>

#include "core/GuardedFile.h"
#include "core/ShownBytes.h"

namespace rotulano::core {

namespace {

const char* const kOwnFiles[] = {"QtProject.conf", "QtProject/qtlogging.ini"};

std::string environment(const char* name) {
    return qgetenv(name).toStdString();
}

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
    emptyFolder_ = std::make_unique<QTemporaryDir>();
    if (!emptyFolder_->isValid()) {
        emptyFolder_.reset();
        return;
    }
    const QByteArray folder = QFile::encodeName(emptyFolder_->path());
    qputenv("XDG_CONFIG_HOME", folder);
    qputenv("XDG_CONFIG_DIRS", folder);
}

}  // namespace rotulano::core
