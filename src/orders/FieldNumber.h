#pragma once

#include <string>

namespace rotulano::orders {

// The number written by a numeric field of an order line. Fields that the loader does not
// check (product code, pack code, dates, order number) may hold other characters; these
// count as the digit zero, so every digit keeps its place, as the display pictures show
// them.
long long fieldNumber(const std::string& field);

// The field with every character that is not a digit replaced by "0".
std::string fieldDigits(const std::string& field);

}  // namespace rotulano::orders
