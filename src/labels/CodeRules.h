#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

// The code lines and bar code data of the labels, shared by the ZPL and DPL layouts.
namespace rotulano::labels {

// `digits` split into groups of the given sizes joined by `separator`; digits beyond the
// groups are dropped, missing ones read as blanks.
std::string groupedDigits(const std::string& digits, std::initializer_list<std::size_t> groups,
                          char separator);

// The code line of the common layouts: section code, "-", the item reference up to its first pair
// of blanks, one blank, then the product code grouped 6-3-1 with "-"; 30 characters, before its
// zeros become letters O.
std::string codeLine(const std::string& sectionCode, const std::string& itemReference,
                     const std::string& productCode);

// The article line of the pack layout: "Artigo " + the pack code grouped 6-2-2-2-1 with `separator`
// ("." ZPL,
// "-" DPL), 30 characters.
std::string packArticleLine(const std::string& packCode, char separator);

// The order line of the pack layout: "Pedido " + order number + `separator` + pack suffix, 30
// characters.
std::string packOrderLine(const std::string& orderNumber, char separator,
                          const std::string& packSuffix);

// The code of the internal layout: the product code grouped 6.3.1 with ".", 12 characters,
// before its zeros become letters O.
std::string internalCodeText(const std::string& productCode);

// The EAN-13 bar code data, "00" + the 10 characters of the product code; the printer adds the
// check digit.
std::string ean13Data(const std::string& productCode);

// The Interleaved 2 of 5 bar code data, the 13 characters of the pack code as they stand.
std::string interleavedData(const std::string& packCode);

}  // namespace rotulano::labels
