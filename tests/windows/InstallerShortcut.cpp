#include "InstallerShortcut.h"

#include <QString>
#include <cstdint>
#include <stdexcept>

// The parts of the Shell Link format that say what a shortcut starts: a 76-byte header
// (its flags at byte 20), the item list of the target when flagged, the link information
// (the target's local path as NUL-ended bytes, and a suffix), then the strings, each a
// count of characters and the characters (UTF-16 when flagged): the description, the
// relative path, the working folder, the arguments, the icon.
namespace rotulano::test {
namespace {

constexpr std::size_t kHeaderSize = 0x4C;
constexpr std::uint32_t kHasItemList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kIsUnicode = 0x80;
constexpr std::uint32_t kLinkInfoHasLocalPath = 0x01;

class Reader {
  public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}

    std::uint32_t number(std::size_t at, int size) const {
        if (at + static_cast<std::size_t>(size) > bytes_.size()) {
            throw std::out_of_range("the shortcut ends inside a field at byte " +
                                    std::to_string(at));
        }
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
        }
        return value;
    }

    std::string endedByNul(std::size_t at) const {
        const std::size_t end = bytes_.find('\0', at);
        if (at >= bytes_.size() || end == std::string::npos) {
            throw std::out_of_range("a path of the shortcut has no end");
        }
        return bytes_.substr(at, end - at);
    }

    // One string of the string part at `at`, moving `at` past it.
    std::string counted(std::size_t& at, bool unicode) const {
        const std::uint32_t count = number(at, 2);
        at += 2;
        QString text;
        for (std::uint32_t i = 0; i < count; ++i) {
            text += unicode ? QChar(static_cast<char16_t>(number(at + 2 * i, 2)))
                            : QChar::fromLatin1(static_cast<char>(number(at + i, 1)));
        }
        at += unicode ? 2 * count : count;
        // Windows counts the characters alone; Wine counts the ending NUL as well.
        if (text.endsWith(QChar(u'\0'))) {
            text.chop(1);
        }
        return text.toStdString();
    }

  private:
    const std::string& bytes_;
};

// The target's path from the link information at `at`: its local base path, then its
// common path suffix.
std::string linkInfoTarget(const Reader& reader, std::size_t at) {
    if ((reader.number(at + 8, 4) & kLinkInfoHasLocalPath) == 0) {
        return {};
    }
    return reader.endedByNul(at + reader.number(at + 16, 4)) +
           reader.endedByNul(at + reader.number(at + 24, 4));
}

}  // namespace

Shortcut readShortcut(const std::string& bytes) {
    Shortcut shortcut;
    const Reader reader(bytes);
    try {
        if (reader.number(0, 4) != kHeaderSize) {
            shortcut.error = "not a shortcut: its header size is not 76";
            return shortcut;
        }
        const std::uint32_t flags = reader.number(20, 4);
        std::size_t at = kHeaderSize;
        if ((flags & kHasItemList) != 0) {
            at += 2 + reader.number(at, 2);
        }
        if ((flags & kHasLinkInfo) != 0) {
            shortcut.target = linkInfoTarget(reader, at);
            at += reader.number(at, 4);
        }
        const bool unicode = (flags & kIsUnicode) != 0;
        for (const std::uint32_t part :
             {kHasName, kHasRelativePath, kHasWorkingDir, kHasArguments}) {
            if ((flags & part) == 0) {
                continue;
            }
            const std::string text = reader.counted(at, unicode);
            if (part == kHasWorkingDir) {
                shortcut.workingDir = text;
            } else if (part == kHasArguments) {
                shortcut.arguments = text;
            }
        }
    } catch (const std::out_of_range& error) {
        shortcut.error = error.what();
    }
    return shortcut;
}

}  // namespace rotulano::test
