#include <winsock2.h>
#include <ws2tcpip.h>

#include "core/WideText.h"
#include "printing/NameLookup.h"
#include "printing/TcpConnection_win.h"

namespace rotulano::printing {

namespace {

// The name as GetAddrInfoW takes it: the ports file holds UTF-8 (an internationalised
// host name), Windows UTF-16.
std::wstring wideHost(const std::string& host) {
    const std::u16string units = core::wideText(host);
    return std::wstring(units.begin(), units.end());
}

std::string numericAddress(const ADDRINFOW& entry) {
    wchar_t numeric[NI_MAXHOST];
    if (::GetNameInfoW(entry.ai_addr, static_cast<socklen_t>(entry.ai_addrlen), numeric, NI_MAXHOST,
                       nullptr, 0, NI_NUMERICHOST) != 0) {
        return {};
    }
    const std::wstring wide(numeric);
    return core::narrowText(std::u16string(wide.begin(), wide.end()));
}

}  // namespace

LookupResult SystemNameLookup::lookUp(const std::string& host) const {
    if (!winsockStarted()) {
        return LookupResult::failed(LookupResult::Kind::NoAnswer);
    }
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    ADDRINFOW* list = nullptr;
    const int error = ::GetAddrInfoW(wideHost(host).c_str(), nullptr, &hints, &list);
    if (error == WSATRY_AGAIN) {
        return LookupResult::failed(LookupResult::Kind::NoAnswer);
    }
    // Any other failure is the name server's (or the hosts file's) answer about the name.
    if (error != 0) {
        return LookupResult::failed(LookupResult::Kind::NotFound);
    }
    std::vector<std::string> found;
    for (const ADDRINFOW* entry = list; entry != nullptr; entry = entry->ai_next) {
        std::string address = numericAddress(*entry);
        if (!address.empty()) {
            found.push_back(std::move(address));
        }
    }
    ::FreeAddrInfoW(list);
    return LookupResult::found(std::move(found));
}

}  // namespace rotulano::printing
