#include "core/OrderLine.h"

#include "core/FixedRecord.h"

namespace rotulano::core {

OrderLine::OrderLine(const std::string& line) : bytes_(padRight(line, kLength)) {}

std::string OrderLine::get(FieldSpan span) const {
    return fieldAt(bytes_, span.position, span.length);
}

void OrderLine::set(FieldSpan span, const std::string& value) {
    putField(bytes_, span.position, span.length, value);
    bytes_.resize(kLength, ' ');
}

}  // namespace rotulano::core
