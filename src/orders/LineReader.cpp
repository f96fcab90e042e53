#include "orders/LineReader.h"

#include <algorithm>

namespace rotulano::orders {

namespace {
constexpr std::size_t kChunkSize = 64 * 1024;
}

LineReader::LineReader(core::GuardedFile& file) : file_(&file) {}

LineReader::LineReader(std::string_view bytes) : pending_(bytes) {}

bool LineReader::refill() {
    if (file_ == nullptr) {
        return false;
    }
    chunk_.resize(kChunkSize);
    std::size_t got = 0;
    status_ = file_->read(chunk_.data(), chunk_.size(), got);
    chunk_.resize(got);
    pending_ = chunk_;
    return got > 0;
}

void LineReader::keep(std::string& line, std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    if (line.size() < kMaxKept + 1) {
        // One byte beyond the 300 is kept for a moment: it may be the CR of the line end.
        const std::size_t room = kMaxKept + 1 - line.size();
        line.append(bytes.substr(0, std::min(room, bytes.size())));
    }
    lineLength_ += bytes.size();
    lastWasCr_ = bytes.back() == '\r';
}

LineReader::Result LineReader::next(std::string& line) {
    line.clear();
    lineLength_ = 0;
    lastWasCr_ = false;
    bool started = false;
    for (;;) {
        if (pending_.empty() && !refill()) {
            if (status_ != core::kStatusOk) {
                return Result::Error;
            }
            if (!started) {
                return Result::EndOfFile;
            }
            break;
        }
        started = true;
        const std::size_t lf = pending_.find('\n');
        keep(line, pending_.substr(0, lf));
        if (lf != std::string_view::npos) {
            pending_.remove_prefix(lf + 1);
            break;
        }
        pending_ = std::string_view();
    }
    if (lastWasCr_ && lineLength_ <= kMaxKept + 1) {
        line.pop_back();
    }
    if (line.size() > kMaxKept) {
        line.resize(kMaxKept);
    }
    return Result::Line;
}

}  // namespace rotulano::orders
