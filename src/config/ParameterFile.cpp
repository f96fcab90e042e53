#include "config/ParameterFile.h"

#include "core/FileSaver.h"
#include "core/FileStatusTitles.h"
#include "core/GuardedFile.h"
#include "core/PathKind.h"

namespace rotulano::config {

namespace {

constexpr char kRecordKey = '1';
constexpr std::size_t kRecordLength = core::PrinterSettings::kLength;

bool holdsRecord(const std::string& bytes) {
    return bytes.size() >= kRecordLength && bytes[0] == kRecordKey;
}

// The record as it goes to disk: always under key "1", whatever the caller left there,
// so that a save can never make the file unreadable.
std::string keyedRecord(const core::PrinterSettings& settings) {
    std::string record = settings.record();
    record[0] = kRecordKey;
    return record;
}

}  // namespace

ParameterFile::ParameterFile(std::string path) : path_(std::move(path)) {}

// Reads at most the record's length: what follows it is of no interest.
core::FileStatus ParameterFile::readBytes(std::string& bytes) const {
    return core::GuardedFile::readStart(path_, kRecordLength, bytes);
}

core::FileStatus ParameterFile::openCheck() const {
    std::string bytes;
    return readBytes(bytes);
}

core::FileStatus ParameterFile::read(core::PrinterSettings& settings) const {
    std::string bytes;
    const core::FileStatus status = readBytes(bytes);
    if (status != core::kStatusOk) {
        return status;
    }
    if (!holdsRecord(bytes)) {
        return core::kStatusRecordNotFound;
    }
    settings = core::PrinterSettings(bytes);
    return core::kStatusOk;
}

core::FileStatus ParameterFile::create(const core::PrinterSettings& settings) const {
    if (core::FileSaver::isWriteProtected(path_)) {
        return core::kStatusNotPermitted;
    }
    return save(settings);
}

core::FileStatus ParameterFile::rewrite(const core::PrinterSettings& settings) const {
    std::string bytes;
    const core::FileStatus status = readBytes(bytes);
    if (status != core::kStatusOk) {
        return status;
    }
    if (core::FileSaver::isWriteProtected(path_)) {
        return core::kStatusNotPermitted;
    }
    if (!holdsRecord(bytes)) {
        return core::kStatusRecordNotFound;
    }
    return save(settings);
}

std::string ParameterFile::statusCause(const core::FileStatus& status, const std::string& path) {
    if (status == core::kStatusRecordNotFound) {
        return "o arquivo não contém o registro de parâmetros (146 bytes, chave \"1\")";
    }
    if (status != core::kStatusOk && core::pathKindOf(path) == core::PathKind::LinkLoop) {
        return "o nome é um laço de links, que não leva a nenhum arquivo";
    }
    return core::fileStatusCause(status);
}

core::FileStatus ParameterFile::save(const core::PrinterSettings& settings) const {
    return core::FileSaver::save(path_, keyedRecord(settings));
}

}  // namespace rotulano::config
