#include "labels/DplItemSlots.h"
#include "labels/DplLabel.h"
#include "labels/DplLayouts.h"
#include "labels/PriceRules.h"
#include "labels/SizeRules.h"

// Tags, large adhesives and the offer and announcement labels of the DPL printers.
namespace rotulano::labels {

namespace {
constexpr std::size_t kTagDescriptionWidth = 27;
constexpr int kLargeAdhesiveRowShift = 30;

bool isOfferCode(char code) {
    return code >= '4' && code <= '7';
}

// Codes "3", "5" and "7" are printed on the wider stock.
int columnPitch(char code) {
    return code == '3' || code == '5' || code == '7' ? 550 : 530;
}

// Box, caption and centred size, left out of every column when the size is blank.
void appendSizeGroup(std::vector<DplRecord>& records, const DplItemSlots& slots,
                     const char* boxPrefix, const char* captionPrefix, const char* sizePrefix) {
    if (sizeIsBlank(slots.size)) {
        return;
    }
    records.emplace_back(boxPrefix, "B350035004004");
    records.emplace_back(captionPrefix, slots.sizeCaption + ":");
    records.emplace_back(sizePrefix, centredSize(slots.size));
}

std::string tagDescription(const DplItemSlots& slots) {
    return slots.description.substr(0, kTagDescriptionWidth);
}

// Codes "1" and "3": logo, footer, code, bar code, complement, size, price, side text.
std::vector<DplRecord> tagRecords(const DplItemSlots& slots) {
    std::vector<DplRecord> records;
    records.emplace_back("1Y1100004800175", "LOGOVRDL");
    records.emplace_back("191100100700000", slots.footer);
    records.emplace_back("102200004100050", slots.codeLine);
    records.emplace_back("1f3308003250050", slots.barcode);
    records.emplace_back("191100103000000", slots.complement);
    appendSizeGroup(records, slots, "1X1100002550075", "191100202500000", "121100202580100");
    records.emplace_back("121100102150000", tagDescription(slots));
    records.emplace_back("191100301700370", "," + slots.price.decimals);
    records.emplace_back("162104801200100", slots.price.integerPart);
    records.emplace_back("191100401600000", "R$     ");
    records.emplace_back("491100101400450", slots.side);
    return records;
}

// The large adhesive: the tag with every record but the logo 3 mm further down.
std::vector<DplRecord> largeAdhesiveRecords(const DplItemSlots& slots) {
    std::vector<DplRecord> records = tagRecords(slots);
    for (std::size_t i = 1; i < records.size(); ++i) {
        records[i] = records[i].withRowIncreasedBy(kLargeAdhesiveRowShift);
    }
    return records;
}

// Codes "4" to "7" without old price: footer at the bottom, smaller price.
std::vector<DplRecord> offerRecords(const DplItemSlots& slots) {
    std::vector<DplRecord> records;
    records.emplace_back("191100100350000", slots.footer);
    records.emplace_back("102200003550050", slots.codeLine);
    records.emplace_back("1f3306002900050", slots.barcode);
    records.emplace_back("191100102650000", slots.complement);
    appendSizeGroup(records, slots, "1X1100002350075", "191100202300000", "121100202380100");
    records.emplace_back("191100102100000", tagDescription(slots));
    records.emplace_back("191100301700370", "," + slots.price.decimals);
    records.emplace_back("153104801400130", slots.price.integerPart);
    records.emplace_back("191100401600000", "R$     ");
    records.emplace_back("491100101500450", slots.side);
    return records;
}

// Codes "4" to "7" with old price: "De R$" and the struck old price, no footer.
std::vector<DplRecord> oldPriceRecords(const DplItemSlots& slots, const EditedAmount& oldPrice) {
    std::vector<DplRecord> records;
    records.emplace_back("191100101200370", "," + oldPrice.decimals);
    records.emplace_back("132104801100250", oldPrice.integerPart);
    records.emplace_back("191100201200000", "De R$  ");
    records.emplace_back("1X1100001250240", "L170004");
    records.emplace_back("102200003550050", slots.codeLine);
    records.emplace_back("1f3306002900050", slots.barcode);
    records.emplace_back("191100102650000", slots.complement);
    appendSizeGroup(records, slots, "1X1100002200075", "191100202150000", "121100202230100");
    records.emplace_back("121100101800000", tagDescription(slots));
    records.emplace_back("191100300550370", "," + slots.price.decimals);
    records.emplace_back("162104800050100", slots.price.integerPart);
    records.emplace_back("191100200450000", "Por R$ ");
    records.emplace_back("491100101050450", slots.side);
    return records;
}

std::vector<DplRecord> offerVariant(const core::OrderLine& line, const DplItemSlots& slots) {
    const std::string oldPriceField = line.get(core::item::kOldPrice);
    if (!hasOldPrice(oldPriceField)) {
        return offerRecords(slots);
    }
    return oldPriceRecords(slots, editAmount(effectiveOldPrice(oldPriceField)));
}
}  // namespace

LabelOutput rotinaEtqDpl01(const core::LabelRequest& request) {
    const core::OrderLine& line = request.line;
    const char code = line.labelTypeCode();
    const DplItemSlots slots = DplItemSlots::fromLine(line);
    DplLabelParts parts;
    parts.columnPitch = columnPitch(code);
    if (isOfferCode(code)) {
        parts.records = offerVariant(line, slots);
    } else {
        parts.logo = LogoPoint::AfterNaming;
        parts.records = code == '3' ? largeAdhesiveRecords(slots) : tagRecords(slots);
    }
    parts.summaryRecord = kDplSummaryPrefix + summaryText(line, kDplSummaryWords);
    return dplLabelOutput(request, parts);
}

}  // namespace rotulano::labels
