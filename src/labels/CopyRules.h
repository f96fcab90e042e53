#pragma once

#include <cstddef>
#include <string>

// Columns across the stock and copies to print, shared by ZPL and DPL.
namespace rotulano::labels {

// The number of labels wanted, read from the 6-character quantity field. Blanks around
// the digits are ignored; a field holding anything else counts as zero labels.
long long labelQuantity(const std::string& quantityField);

// Copies of a label of `columns` items across: ceil(quantity / columns).
long long copiesFor(long long quantity, int columns);

// A count written for the printer or the summary label: `width` digits with leading zeros,
// or every digit when it does not fit, so that 20,000 labels are never sent as 0000.
std::string countText(long long count, std::size_t width = 4);

}  // namespace rotulano::labels
