#pragma once

#include <cstddef>
#include <string>

namespace rotulano::core {

// A field of a fixed-width record: 1-based position and length.
struct FieldSpan {
    std::size_t position;
    std::size_t length;
};

// OrderHeader: the first line of an order file (record type "0").
namespace header {
constexpr FieldSpan kRecordType{1, 1};
constexpr FieldSpan kLeadingDigits{1, 16};
constexpr FieldSpan kSupplierCnpj{3, 14};
constexpr FieldSpan kSupplierName{17, 30};
constexpr FieldSpan kOrderNumber{47, 6};
constexpr FieldSpan kOrderDate{55, 8};
constexpr FieldSpan kEmailDate{63, 8};
constexpr FieldSpan kFileVersion{251, 6};
}  // namespace header

// OrderItem: an item line (record type "1"). Standard layout, codes "1" to "8".
namespace item {
constexpr FieldSpan kRecordType{1, 1};
constexpr FieldSpan kLabelTypeCode{2, 1};
constexpr FieldSpan kQuantity{5, 6};
constexpr FieldSpan kProductCode{11, 10};
constexpr FieldSpan kDescription{21, 30};
constexpr FieldSpan kPrice{51, 8};
constexpr FieldSpan kSupplierReference{78, 16};
constexpr FieldSpan kItemReference{94, 12};
constexpr FieldSpan kSizeCaption{136, 3};
constexpr FieldSpan kSize{139, 20};
constexpr FieldSpan kComplementText{159, 35};
constexpr FieldSpan kSectionCode{194, 2};
constexpr FieldSpan kColour{196, 10};
constexpr FieldSpan kOldPrice{206, 8};
constexpr FieldSpan kSideText{214, 17};
constexpr FieldSpan kFooterText{231, 34};
constexpr FieldSpan kOrderNumber{295, 6};
}  // namespace item

// Pack layout, code "9".
namespace pack {
constexpr FieldSpan kPackSuffix{3, 2};
constexpr FieldSpan kPackCode{11, 13};
constexpr FieldSpan kSizeNumber{19, 2};
constexpr FieldSpan kPackDescription{24, 30};
constexpr FieldSpan kSupplierReference{73, 16};
}  // namespace pack

// Internal layout, code "A".
namespace internal {
constexpr FieldSpan kDescription{21, 15};
constexpr FieldSpan kInternalText1{36, 8};
constexpr FieldSpan kInternalText2{44, 9};
constexpr FieldSpan kInternalText3{53, 8};
}  // namespace internal

// OrderLine: the 300-character record buffer holding one line of the order file.
// A shorter line is padded with blanks; a longer one is cut.
class OrderLine {
  public:
    static constexpr std::size_t kLength = 300;

    OrderLine() : bytes_(kLength, ' ') {}
    explicit OrderLine(const std::string& line);

    const std::string& bytes() const { return bytes_; }
    std::string get(FieldSpan span) const;
    void set(FieldSpan span, const std::string& value);
    char labelTypeCode() const { return bytes_[1]; }

  private:
    std::string bytes_;
};

}  // namespace rotulano::core
