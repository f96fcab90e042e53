#include "config/PortsFile.h"

#include "config/PortsFileEdit.h"
#include "core/FileSaver.h"
#include "core/FileStatus.h"
#include "core/GuardedFile.h"
#include "core/PathKind.h"
#include "core/ShownBytes.h"

namespace rotulano::config {

namespace {

// The one place the ports file is read: through the guarded reader, so that only a
// regular file is read, never a device or a pipe that could hang the program, and never
// more than a ports file can hold.
core::FileStatus readPortsText(const std::string& path, std::string& bytes) {
    return core::GuardedFile::readWhole(path, PortsFile::kLargestFile, bytes);
}

// The one place the ports file is written: through the save routine, which never leaves
// it half-written and keeps its owner, group and mode.
core::FileStatus savePortsText(const std::string& path, const std::string& bytes) {
    return core::FileSaver::save(path, bytes);
}

std::string readFailure(const std::string& path, const core::FileStatus& status) {
    const std::string file = "Arquivo de portas " + core::shownBytes(path);
    if (status == core::kStatusNotFound) {
        return file + " não encontrado.";
    }
    if (status == core::kStatusAttributesConflict || status == core::kStatusNotRegularFile) {
        return file + " não é um arquivo comum.";
    }
    if (status == core::kStatusBoundary) {
        return file + " é grande demais para um arquivo de portas.";
    }
    return file + " não pode ser lido [" + status + "].";
}

// A name that is there but leads nowhere (a broken link, a loop of links) is the file's
// fault, never an absent file: the operator meant a ports file there.
std::string linkFailure(const std::string& path, core::PathKind kind) {
    return "Arquivo de portas " + core::shownBytes(path) + " é " + core::pathKindText(kind) +
           ": corrija o link ou apague-o.";
}

}  // namespace

PortsFile::PortsFile(std::string path) : path_(std::move(path)) {}

std::string PortsFile::besideSettings(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of('/');
    return slash == std::string::npos ? std::string(kFileName)
                                      : settingsPath.substr(0, slash + 1) + kFileName;
}

core::FileStatus PortsFile::readText(std::string& bytes, std::string& message,
                                     bool mustExist) const {
    bytes.clear();
    const core::FileStatus status = readPortsText(path_, bytes);
    if (status == core::kStatusOk) {
        message.clear();
        return status;
    }
    const core::PathKind kind = core::pathKindOf(path_);
    if (kind == core::PathKind::BrokenLink || kind == core::PathKind::LinkLoop) {
        message = linkFailure(path_, kind);
    } else if (status == core::kStatusNotFound && !mustExist) {
        message.clear();
    } else {
        message = readFailure(path_, status);
    }
    return status;
}

bool PortsFile::load(PortsTable& table, std::string& message, bool mustExist) const {
    std::string bytes;
    const core::FileStatus status = readText(bytes, message, mustExist);
    if (status != core::kStatusOk) {
        if (message.empty()) {
            table = PortsTable();
        }
        return message.empty();
    }
    return PortsTable::parse(bytes, path_, table, message);
}

bool PortsFile::save(const PortsTable& table, std::string& message) const {
    std::string original;
    if (readText(original, message, false) != core::kStatusOk && !message.empty()) {
        return false;
    }
    const std::string edited = editPortsText(original, table);
    PortsTable check;
    if (!PortsTable::parse(edited, path_, check, message)) {
        return false;
    }
    const core::FileStatus status = savePortsText(path_, edited);
    if (status != core::kStatusOk) {
        message = "Não foi possível gravar o arquivo de portas " + core::shownBytes(path_) + " [" +
                  status + "].";
        return false;
    }
    message.clear();
    return true;
}

}  // namespace rotulano::config
