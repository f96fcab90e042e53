#include <netdb.h>
#include <sys/socket.h>

#include "printing/NameLookup.h"

namespace rotulano::printing {

LookupResult SystemNameLookup::lookUp(const std::string& host) const {
    std::vector<std::string> found;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const int error = ::getaddrinfo(host.c_str(), nullptr, &hints, &list);
    if (error == EAI_AGAIN) {
        return LookupResult::failed(LookupResult::Kind::NoAnswer);
    }
    // Any other failure is the name server's (or the hosts file's) answer about the name.
    if (error != 0) {
        return LookupResult::failed(LookupResult::Kind::NotFound);
    }
    for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
        char numeric[NI_MAXHOST];
        if (::getnameinfo(entry->ai_addr, entry->ai_addrlen, numeric, sizeof numeric, nullptr, 0,
                          NI_NUMERICHOST) == 0) {
            found.emplace_back(numeric);
        }
    }
    ::freeaddrinfo(list);
    return LookupResult::found(std::move(found));
}

}  // namespace rotulano::printing
