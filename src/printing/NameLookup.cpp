#include "printing/NameLookup.h"

#ifndef _WIN32
#include <netdb.h>
#include <sys/socket.h>
#endif

namespace rotulano::printing {

std::vector<std::string> SystemNameLookup::addresses(const std::string& host) const {
    std::vector<std::string> found;
#ifndef _WIN32
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &list) != 0) {
        return found;
    }
    for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
        char numeric[NI_MAXHOST];
        if (::getnameinfo(entry->ai_addr, entry->ai_addrlen, numeric, sizeof numeric, nullptr, 0,
                          NI_NUMERICHOST) == 0) {
            found.emplace_back(numeric);
        }
    }
    ::freeaddrinfo(list);
#else
    (void)host;
#endif
    return found;
}

}  // namespace rotulano::printing
