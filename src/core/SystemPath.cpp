#include "core/SystemPath.h"

#include <QFile>

#ifdef _WIN32
#include <windows.h>
#endif

namespace rotulano::core {

#ifdef _WIN32

std::string pathFromQt(const QString& name) {
    return name.toStdString();
}

QString pathToQt(const std::string& path) {
    return QString::fromStdString(path);
}

std::wstring wideSystemPath(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    const int length = static_cast<int>(path.size());
    const int wide =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), length, nullptr, 0);
    if (wide <= 0) {
        return {};
    }
    std::wstring name(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), length, name.data(), wide);
    return name;
}

std::string pathFromWide(const std::wstring& name) {
    if (name.empty()) {
        return {};
    }
    const int length = static_cast<int>(name.size());
    const int narrow =
        ::WideCharToMultiByte(CP_UTF8, 0, name.data(), length, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0) {
        return {};
    }
    std::string path(static_cast<std::size_t>(narrow), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, name.data(), length, path.data(), narrow, nullptr, nullptr);
    return path;
}

#else

std::string pathFromQt(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString pathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

#endif

}  // namespace rotulano::core
