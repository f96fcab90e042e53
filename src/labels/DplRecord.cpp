#include "labels/DplRecord.h"

#include <utility>

#include "core/FixedRecord.h"

namespace rotulano::labels {

namespace {
// 1-based positions of the 4-digit row and column fields inside the prefix.
constexpr std::size_t kRowAt = 8;
constexpr std::size_t kColumnAt = 12;
constexpr std::size_t kPositionDigits = 4;

std::string movedField(const std::string& prefix, std::size_t position, int tenths) {
    const long long value =
        core::digitsValue(core::fieldAt(prefix, position, kPositionDigits)) + tenths;
    return core::zeroPadded(value, kPositionDigits);
}
}  // namespace

DplRecord::DplRecord(std::string prefix, std::string data)
    : prefix_(core::padRight(prefix, kPrefixLength, '0')), data_(std::move(data)) {}

DplRecord DplRecord::withRowIncreasedBy(int tenths) const {
    std::string prefix = prefix_;
    core::putField(prefix, kRowAt, kPositionDigits, movedField(prefix_, kRowAt, tenths));
    return DplRecord(prefix, data_);
}

std::string DplRecord::line(int offset) const {
    std::string out;
    out.reserve(kPrefixLength + data_.size());
    out.append(prefix_, 0, kColumnAt - 1);
    out += offset == 0 ? prefix_.substr(kColumnAt - 1) : movedField(prefix_, kColumnAt, offset);
    out += data_;
    return out;
}

}  // namespace rotulano::labels
