#include "printing/PrinterLock.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>
#include <cctype>

namespace rotulano::printing {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

constexpr const char* kNamePrefix = "rotulano-impressora-";

}  // namespace

bool PrinterLock::take(const std::string& space, const std::string& key) {
    const std::string keyInSpace = space + '\n' + key;
    if (handle_ != kNoHandle && heldKey_ == keyInSpace) {
        return true;
    }
    release();
    std::intptr_t handle = kNoHandle;
    const Taken taken = takeName(nameOf(space, key), handle);
    if (taken == Taken::Held) {
        handle_ = handle;
        heldKey_ = keyInSpace;
    }
    return taken != Taken::Busy;
}

void PrinterLock::release() {
    if (handle_ != kNoHandle) {
        releaseName(handle_);
        handle_ = kNoHandle;
        heldKey_.clear();
    }
}

std::string PrinterLock::deviceKey(const std::string& device) {
    return "dispositivo:" + resolvedPath(device);
}

std::string PrinterLock::destinationKey(const core::PortDestination& destination) {
    switch (destination.kind) {
        case core::DestinationKind::Tcp:
            return "tcp:" + lowerCase(destination.target) + ":" +
                   std::to_string(destination.tcpPort);
        case core::DestinationKind::Queue:
            return "fila:" + lowerCase(destination.target);
        case core::DestinationKind::Device:
            break;
    }
    return deviceKey(destination.target);
}

// A key can be longer than a name may be and hold any byte: the name carries a digest of
// the namespace and the key instead.
std::string PrinterLock::nameOf(const std::string& space, const std::string& key) {
    const std::string spaced = space + '\n' + key;
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(spaced), QCryptographicHash::Sha256);
    return kNamePrefix + digest.toHex().toStdString();
}

}  // namespace rotulano::printing
