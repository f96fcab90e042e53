#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/Delivery.h"

namespace rotulano::printing {

// What a look-up of a printer's host name found: its numeric addresses ("192.168.0.50",
// "::1"), or why there are none. A name the name server does not know and a name server
// that does not answer call for different fixes, so they are told apart.
struct LookupResult {
    enum class Kind {
        Found,
        NotFound,  // the name server answered: no such name (or no address for it)
        NoAnswer,  // the name server did not answer, or not within the job's limit
    };
    Kind kind = Kind::NotFound;
    std::vector<std::string> addresses;

    bool ok() const { return kind == Kind::Found; }

    static LookupResult found(std::vector<std::string> addresses);
    static LookupResult failed(Kind kind) { return {kind, {}}; }
};

// The failure of a row or a status question whose printer's name was not found:
// "host não encontrado" or "o servidor de nomes não respondeu".
core::Delivery lookupFailure(const LookupResult& result);

// Turns a printer's host name into numeric addresses. The system asks its resolver; tests
// give one of their own so that no look-up leaves the machine. A look-up may block for
// as long as the name server takes: the print job never calls it on its own thread but
// through a JobNameLookup, which it can stop waiting for.
class NameLookup {
  public:
    virtual ~NameLookup() = default;
    virtual LookupResult lookUp(const std::string& host) const = 0;
};

// The system's resolver (hosts file, DNS, ...).
class SystemNameLookup : public NameLookup {
  public:
    LookupResult lookUp(const std::string& host) const override;
};

// A print job's look-ups: each host name is looked up once per job, in a thread of its
// own, and waited for no longer than `limit` or until `stop` (the job's cancel) is set.
// A result that comes later is dropped; the thread holds the look-up and its own share
// of the answer, so it may outlive the job and this object without touching either.
// Only a name that was found is kept: a job asked again (the operator's "tentar de
// novo") looks a failed name up again.
class JobNameLookup : public NameLookup {
  public:
    JobNameLookup(std::shared_ptr<const NameLookup> lookup, std::chrono::milliseconds limit,
                  const std::atomic<bool>& stop);

    LookupResult lookUp(const std::string& host) const override;

    // A new job: every name is looked up again.
    void forget();

  private:
    LookupResult waitForAnswer(const std::string& host) const;

    std::shared_ptr<const NameLookup> lookup_;
    std::chrono::milliseconds limit_;
    const std::atomic<bool>& stop_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, LookupResult> found_;
};

}  // namespace rotulano::printing
