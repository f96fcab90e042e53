#pragma once

#include <string>
#include <vector>

namespace rotulano::printing {

// Turns a printer's host name into numeric addresses ("192.168.0.50", "::1"). The system
// asks its resolver; tests give one of their own so that no look-up leaves the machine.
class NameLookup {
  public:
    virtual ~NameLookup() = default;

    // The numeric addresses of `host` for a TCP connection; empty when the name is not
    // known.
    virtual std::vector<std::string> addresses(const std::string& host) const = 0;
};

// The system's resolver (hosts file, DNS, ...).
class SystemNameLookup : public NameLookup {
  public:
    std::vector<std::string> addresses(const std::string& host) const override;
};

}  // namespace rotulano::printing
