#include "printing/NameLookup.h"

#include <algorithm>
#include <condition_variable>
#include <system_error>
#include <thread>

namespace rotulano::printing {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How often a wait for the name server looks at the job's cancel.
constexpr milliseconds kCancelLook{50};

// The answer of one look-up, shared by the thread that asks and the job that waits: the
// job may stop waiting and go, the thread still writes here.
struct PendingLookup {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    LookupResult result;
};

}  // namespace

LookupResult LookupResult::found(std::vector<std::string> addresses) {
    if (addresses.empty()) {
        return failed(Kind::NotFound);
    }
    return {Kind::Found, std::move(addresses)};
}

core::Delivery lookupFailure(const LookupResult& result) {
    if (result.kind == LookupResult::Kind::NoAnswer) {
        return core::Delivery::failed(core::kStatusIoError, "o servidor de nomes não respondeu");
    }
    return core::Delivery::failed(core::kStatusNotFound, "host não encontrado");
}

JobNameLookup::JobNameLookup(std::shared_ptr<const NameLookup> lookup,
                             std::chrono::milliseconds limit, const std::atomic<bool>& stop)
    : lookup_(std::move(lookup)), limit_(limit), stop_(stop) {}

LookupResult JobNameLookup::lookUp(const std::string& host) const {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto known = found_.find(host);
        if (known != found_.end()) {
            return known->second;
        }
    }
    const LookupResult result = waitForAnswer(host);
    if (result.ok()) {
        const std::lock_guard<std::mutex> lock(mutex_);
        found_[host] = result;
    }
    return result;
}

void JobNameLookup::forget() {
    const std::lock_guard<std::mutex> lock(mutex_);
    found_.clear();
}

LookupResult JobNameLookup::waitForAnswer(const std::string& host) const {
    if (stop_) {
        return LookupResult::failed(LookupResult::Kind::NoAnswer);
    }
    const auto pending = std::make_shared<PendingLookup>();
    try {
        std::thread([lookup = lookup_, host, pending] {
            LookupResult result = lookup->lookUp(host);
            const std::lock_guard<std::mutex> lock(pending->mutex);
            pending->result = std::move(result);
            pending->done = true;
            pending->answered.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        // No thread to ask in: the name server is not reached at all.
        return LookupResult::failed(LookupResult::Kind::NoAnswer);
    }
    const Clock::time_point giveUp = Clock::now() + limit_;
    std::unique_lock<std::mutex> lock(pending->mutex);
    while (!pending->done && !stop_) {
        const auto left = std::chrono::duration_cast<milliseconds>(giveUp - Clock::now());
        if (left.count() <= 0) {
            break;
        }
        pending->answered.wait_for(lock, std::min(left, kCancelLook));
    }
    if (!pending->done) {
        return LookupResult::failed(LookupResult::Kind::NoAnswer);
    }
    return pending->result;
}

}  // namespace rotulano::printing
