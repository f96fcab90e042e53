#pragma once

#include <string>

#include "core/OrderLine.h"

// The one-line order summary label written after every item label.
namespace rotulano::labels {

// The fixed words of the summary line, which differ by language and layout.
struct SummaryWords {
    const char* order;
    const char* reference;
    const char* quantity;
};

// "Pedido: ... S/Ref: ... Qtd.: " of the ZPL layouts other than ZPL-A.
inline constexpr SummaryWords kZplSummaryWords{"Pedido: ", " S/Ref: ", " Qtd.: "};

// The reference printed after the reference word: the supplier reference (positions
// 78-93, or 73-88 for a pack, code "9"), or for code "A" the internal description
// (positions 21-35, 15 characters). Control bytes such as NUL print as blanks.
std::string summaryReference(const core::OrderLine& line);

// The summary line: words.order + order number (6) + words.reference + summaryReference +
// words.quantity
// + the quantity in 4 digits (every digit from 10,000 labels up).
std::string summaryText(const core::OrderLine& line, const SummaryWords& words);

}  // namespace rotulano::labels
