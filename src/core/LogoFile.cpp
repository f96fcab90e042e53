#include "core/LogoFile.h"

#include "core/GuardedFile.h"

namespace rotulano::core {

std::string logoFilePath(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    const char last = directory.back();
    return last == '/' || last == '\\' ? directory + name : directory + "/" + name;
}

FileStatus readLogoFile(const std::string& path, std::string& bytes) {
    return GuardedFile::readWhole(path, kLargestLogoFile, bytes);
}

std::string logoFileProblem(const FileStatus& status) {
    if (status == kStatusNotFound) {
        return " não encontrado";
    }
    if (status == kStatusNotRegularFile) {
        return " não é um arquivo comum";
    }
    if (status == kStatusBoundary) {
        return " tem mais de 16 MB e não é um logotipo";
    }
    return " não pôde ser lido (status " + status + ")";
}

}  // namespace rotulano::core
