#include "core/SystemPath.h"

#include <QFile>

#include "core/WideText.h"

namespace rotulano::core {

#ifdef _WIN32

// Through the same conversion as the system's names, so that a name Qt gives reaches its
// file whatever it holds.
std::string pathFromQt(const QString& name) {
    return narrowText(name.toStdU16String());
}

QString pathToQt(const std::string& path) {
    return QString::fromStdU16String(wideText(path));
}

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring wideSystemPath(const std::string& path) {
    const std::u16string units = wideText(path);
    return std::wstring(units.begin(), units.end());
}

std::string pathFromWide(const std::wstring& name) {
    return narrowText(std::u16string(name.begin(), name.end()));
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
