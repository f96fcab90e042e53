#include "core/OutputTarget.h"

#include "core/FileSaver.h"

namespace rotulano::core {

bool OutputTarget::namesStandardOutput(const std::string& path) {
    return path == "-" || path == "/dev/stdout" || path == "/dev/fd/1";
}

bool OutputTarget::sameFile(const std::string& first, const std::string& second) {
    const std::string key = identity(first);
    return !key.empty() && key == identity(second);
}

bool OutputTarget::writeProtected() const {
    return kind_ == Kind::File && exists_ && FileSaver::isWriteProtected(path_);
}

FileStatus OutputTarget::write(const std::string& bytes, const LineSetup& lineSetup) const {
    switch (kind_) {
        case Kind::Stream:
            return writeStream(path_, bytes, lineSetup);
        case Kind::File:
            return FileSaver::save(path_, bytes);
        case Kind::Refused:
            return refusedStatus_;
        case Kind::Standard:
            break;
    }
    return kStatusOk;
}

void OutputTarget::refuse(const char* what, const FileStatus& status) {
    kind_ = Kind::Refused;
    refusal_ = what;
    refusedStatus_ = status;
}

}  // namespace rotulano::core
