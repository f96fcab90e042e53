#include "orders/LineReader.h"

#include <algorithm>

namespace rotulano::orders {

LineReader::LineReader(core::GuardedFile& file, std::string path)
    : file_(&file), path_(std::move(path)) {
    status_ = file.stamp(openedStamp_);
}

LineReader::LineReader(std::string_view bytes) : pending_(bytes) {}

// Reads at most `most` bytes: no more than the current line may still hold.
bool LineReader::refill(std::size_t most) {
    if (file_ == nullptr || status_ != core::kStatusOk) {
        return false;
    }
    chunk_.resize(most);
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

// The end of the file: the file must still be the one opened, as it was when opened.
LineReader::Result LineReader::endOfFile() {
    if (status_ != core::kStatusOk) {
        return Result::Error;
    }
    if (file_ != nullptr) {
        core::FileStamp now;
        if (core::fileStampOf(path_, now) != core::kStatusOk || now != openedStamp_) {
            return Result::Changed;
        }
    }
    return Result::EndOfFile;
}

LineReader::Result LineReader::lineEnded(std::string& line) {
    ++lineNumber_;
    if (lastWasCr_ && lineLength_ <= kMaxKept + 1) {
        line.pop_back();
    }
    if (line.size() > kMaxKept) {
        line.resize(kMaxKept);
    }
    return Result::Line;
}

LineReader::Result LineReader::next(std::string& line) {
    line.clear();
    lineLength_ = 0;
    lastWasCr_ = false;
    bool started = false;
    for (;;) {
        if (lineLength_ >= kLongestLine) {
            lineNumber_ += 1;
            return Result::TooLong;
        }
        const std::size_t room = kLongestLine - lineLength_;
        if (pending_.empty() && !refill(room)) {
            if (status_ != core::kStatusOk) {
                return Result::Error;
            }
            if (!started) {
                return endOfFile();
            }
            break;
        }
        started = true;
        const std::string_view reach = pending_.substr(0, room);
        const std::size_t lf = reach.find('\n');
        keep(line, reach.substr(0, lf));
        if (lf != std::string_view::npos) {
            pending_.remove_prefix(lf + 1);
            break;
        }
        pending_.remove_prefix(reach.size());
    }
    return lineEnded(line);
}

}  // namespace rotulano::orders
