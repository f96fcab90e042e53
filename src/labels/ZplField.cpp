#include "labels/ZplField.h"

#include "core/FixedRecord.h"

namespace rotulano::labels {

std::string ZplField::command(int xShift) const {
    return "^FO" + core::zeroPadded(x + xShift, digits) + "," + core::zeroPadded(y, digits) + rest;
}

}  // namespace rotulano::labels
