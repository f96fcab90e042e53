#include "labels/CodeRules.h"

#include "core/FixedRecord.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

namespace {
constexpr std::size_t kCodeLineWidth = 30;
}  // namespace

std::string groupedDigits(const std::string& digits, std::initializer_list<std::size_t> groups,
                          char separator) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t size : groups) {
        if (!out.empty()) {
            out += separator;
        }
        out += core::fieldAt(digits, from + 1, size);
        from += size;
    }
    return out;
}

std::string codeLine(const std::string& sectionCode, const std::string& itemReference,
                     const std::string& productCode) {
    const std::string reference = core::padRight(itemReference, 12);
    const std::string shownReference = reference.substr(0, reference.find("  "));
    const std::string line = core::padRight(sectionCode, 2) + "-" + shownReference + " " +
                             groupedDigits(productCode, {6, 3, 1}, '-');
    return textSlot(line, kCodeLineWidth);
}

std::string packArticleLine(const std::string& packCode, char separator) {
    return textSlot("Artigo " + groupedDigits(packCode, {6, 2, 2, 2, 1}, separator),
                    kCodeLineWidth);
}

std::string packOrderLine(const std::string& orderNumber, char separator,
                          const std::string& packSuffix) {
    return textSlot(
        "Pedido " + core::padRight(orderNumber, 6) + separator + core::padRight(packSuffix, 2),
        kCodeLineWidth);
}

std::string internalCodeText(const std::string& productCode) {
    return textSlot(groupedDigits(productCode, {6, 3, 1}, '.'), 12);
}

std::string ean13Data(const std::string& productCode) {
    return byteSlot("00" + core::padRight(productCode, 10), 12);
}

std::string interleavedData(const std::string& packCode) {
    return byteSlot(packCode, 13);
}

}  // namespace rotulano::labels
