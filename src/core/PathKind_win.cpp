#include "core/PathKind.h"

#include <QFile>
#include <QFileInfo>

namespace rotulano::core {

// Windows names no pipes, devices nor sockets among ordinary file names: a name is a
// file, a folder, a link to nothing or nothing.
PathKind pathKindOf(const std::string& path) {
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(path)));
    if (info.isDir()) {
        return PathKind::Folder;
    }
    if (info.isFile()) {
        return PathKind::RegularFile;
    }
    return info.isSymLink() ? PathKind::BrokenLink : PathKind::Missing;
}

}  // namespace rotulano::core
