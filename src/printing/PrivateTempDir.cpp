#include "printing/PrivateTempDir.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>

namespace rotulano::printing {

namespace {

constexpr std::size_t kRandomPart = 6;  // the XXXXXX of the folder's name

// The folders this process made and has not removed yet.
std::mutex liveMutex;
std::vector<PrivateTempDir*>& liveFolders() {
    static std::vector<PrivateTempDir*> folders;
    return folders;
}

void removeLiveAtExit() {
    PrivateTempDir::removeLive();
}

// "rotulano-AbC123" for the prefix "rotulano": the prefix, a hyphen and six letters or digits.
bool namedBy(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + 1 + kRandomPart || name.compare(0, prefix.size(), prefix) ||
        name[prefix.size()] != '-') {
        return false;
    }
    return std::all_of(name.end() - kRandomPart, name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

PrivateTempDir::~PrivateTempDir() {
    remove();
}

const char* PrivateTempDir::markerName() {
    return "em-uso.trava";
}

std::string PrivateTempDir::path(const std::string& sharedDir) {
    if (!tried_) {
        tried_ = true;
        make(sharedDir);
    }
    return path_;
}

void PrivateTempDir::removeLive() {
    std::vector<PrivateTempDir*> live;
    {
        const std::lock_guard<std::mutex> lock(liveMutex);
        live = liveFolders();
    }
    for (PrivateTempDir* folder : live) {
        folder->remove();
    }
}

void PrivateTempDir::enlist(PrivateTempDir* folder) {
    static std::once_flag atExit;
    std::call_once(atExit, [] { std::atexit(removeLiveAtExit); });
    const std::lock_guard<std::mutex> lock(liveMutex);
    liveFolders().push_back(folder);
}

void PrivateTempDir::delist(PrivateTempDir* folder) {
    const std::lock_guard<std::mutex> lock(liveMutex);
    auto& live = liveFolders();
    live.erase(std::remove(live.begin(), live.end(), folder), live.end());
}

bool PrivateTempDir::namedByOne(const std::string& name, const std::vector<std::string>& prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&name](const std::string& prefix) { return namedBy(name, prefix); });
}

}  // namespace rotulano::printing
