#include "config/ParameterFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>

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

QString nativeName(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

// Why a new file could not be opened for writing at `path`.
core::FileStatus statusOfFailedSave(const std::string& path) {
    const QFileInfo file(nativeName(path));
    if (file.isDir()) {
        return core::kStatusAttributesConflict;
    }
    const QFileInfo dir(file.absolutePath());
    if (!dir.exists()) {
        return core::kStatusNotFound;
    }
    if (!dir.isWritable()) {
        return core::kStatusNotPermitted;
    }
    return core::kStatusIoError;
}

}  // namespace

ParameterFile::ParameterFile(std::string path) : path_(std::move(path)) {}

// Reads at most the record's length: what follows it is of no interest.
core::FileStatus ParameterFile::readBytes(std::string& bytes) const {
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (file == nullptr) {
        return core::fileStatusFromErrno(errno);
    }
    bytes.assign(kRecordLength, '\0');
    const std::size_t count = std::fread(bytes.data(), 1, kRecordLength, file);
    const int readError = std::ferror(file) != 0 ? errno : 0;
    std::fclose(file);
    bytes.resize(count);
    // A directory opens for reading on some systems and fails only at the read.
    return readError != 0 ? core::fileStatusFromErrno(readError) : core::kStatusOk;
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
    if (QFileInfo::exists(nativeName(path_)) && isReadOnly()) {
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
    if (isReadOnly()) {
        return core::kStatusNotPermitted;
    }
    if (!holdsRecord(bytes)) {
        return core::kStatusRecordNotFound;
    }
    return save(settings);
}

// A file nobody may write to counts as read-only even for an administrator, who could
// otherwise replace it: the operator marked it so that the settings stay as they are.
bool ParameterFile::isReadOnly() const {
    const QFileInfo info(nativeName(path_));
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || (info.permissions() & writeBits) == 0;
}

// Writes the whole record to a new file beside the old one and only then puts it in
// the old one's place: a save that fails or is cut short leaves the old file intact.
core::FileStatus ParameterFile::save(const core::PrinterSettings& settings) const {
    QSaveFile file(nativeName(path_));
    if (!file.open(QIODevice::WriteOnly)) {
        return statusOfFailedSave(path_);
    }
    const std::string record = keyedRecord(settings);
    const auto length = static_cast<qint64>(record.size());
    // The size on disk is checked before the commit: a write cut short (disk full, file
    // size limit) is not always reported by the write itself.
    const bool whole = file.write(record.data(), length) == length && file.flush() &&
                       file.error() == QFileDevice::NoError && file.size() == length;
    if (!whole) {
        file.cancelWriting();
        return core::kStatusIoError;
    }
    return file.commit() ? core::kStatusOk : core::kStatusIoError;
}

}  // namespace rotulano::config
