#include "config/PortsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/FileStatus.h"

namespace rotulano::config {

namespace {

QString nativeName(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

// The one place the ports file is read: only a regular file, never a device or a pipe
// that could hang the program, and never more than a ports file can hold.
core::FileStatus readPortsText(const std::string& path, std::string& bytes) {
    const QFileInfo info(nativeName(path));
    if (!info.exists()) {
        return core::kStatusNotFound;
    }
    if (!info.isFile()) {
        return core::kStatusAttributesConflict;
    }
    if (info.size() > PortsFile::kLargestFile) {
        return core::kStatusBoundary;
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return core::kStatusNotPermitted;
    }
    const QByteArray read = file.read(PortsFile::kLargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return core::kStatusIoError;
    }
    if (read.size() > PortsFile::kLargestFile) {
        return core::kStatusBoundary;
    }
    bytes.assign(read.constData(), static_cast<std::size_t>(read.size()));
    return core::kStatusOk;
}

// The one place the ports file is written: the whole text goes to a new file beside the
// old one, which takes the old one's place only once every byte is on disk.
core::FileStatus savePortsText(const std::string& path, const std::string& bytes) {
    QSaveFile file(nativeName(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return QFileInfo(nativeName(path)).isDir() ? core::kStatusAttributesConflict
                                                   : core::kStatusNotPermitted;
    }
    const auto length = static_cast<qint64>(bytes.size());
    const bool whole = file.write(bytes.data(), length) == length && file.flush() &&
                       file.error() == QFileDevice::NoError && file.size() == length;
    if (!whole) {
        file.cancelWriting();
        return core::kStatusIoError;
    }
    return file.commit() ? core::kStatusOk : core::kStatusIoError;
}

std::string readFailure(const std::string& path, const core::FileStatus& status) {
    const std::string file = "Arquivo de portas " + path;
    if (status == core::kStatusNotFound) {
        return file + " não encontrado.";
    }
    if (status == core::kStatusAttributesConflict) {
        return file + " não é um arquivo comum.";
    }
    if (status == core::kStatusBoundary) {
        return file + " é grande demais para um arquivo de portas.";
    }
    return file + " não pode ser lido [" + status + "].";
}

}  // namespace

PortsFile::PortsFile(std::string path) : path_(std::move(path)) {}

std::string PortsFile::besideSettings(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of('/');
    return slash == std::string::npos ? std::string(kFileName)
                                      : settingsPath.substr(0, slash + 1) + kFileName;
}

bool PortsFile::load(PortsTable& table, std::string& message, bool mustExist) const {
    std::string bytes;
    const core::FileStatus status = readPortsText(path_, bytes);
    if (status == core::kStatusNotFound && !mustExist) {
        table = PortsTable();
        message.clear();
        return true;
    }
    if (status != core::kStatusOk) {
        message = readFailure(path_, status);
        return false;
    }
    return PortsTable::parse(bytes, path_, table, message);
}

bool PortsFile::save(const PortsTable& table, std::string& message) const {
    const core::FileStatus status = savePortsText(path_, table.text());
    if (status != core::kStatusOk) {
        message = "Não foi possível gravar o arquivo de portas " + path_ + " [" + status + "].";
        return false;
    }
    message.clear();
    return true;
}

}  // namespace rotulano::config
