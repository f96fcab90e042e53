#include "labels/HeaderRules.h"

#include "core/FixedRecord.h"
#include "labels/CopyRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

int marginMillimetres(const std::string& marginDigits) {
    return static_cast<int>(core::digitsValue(marginDigits));
}

// The settings are copied as stored, but a "^" or "~" left in a damaged or hand-edited
// parameter file must not start a command of its own.
std::string zplDarknessCommand(const core::PrinterSettings& settings) {
    return "^MD" + zplFieldText(byteSlot(settings.darknessDigits(), 2));
}

std::string zplLabelHomeCommand(const core::PrinterSettings& settings, std::size_t minDigits) {
    const int x = marginMillimetres(settings.leftMarginDigits()) * kZplDotsPerMm;
    const int y = marginMillimetres(settings.topMarginDigits()) * kZplDotsPerMm;
    return "^LH" + countText(x, minDigits) + "," + countText(y, minDigits);
}

std::string zplSpeedCommand(const core::PrinterSettings& settings) {
    return "^PR" + zplFieldText(byteSlot(std::string(1, settings.speed()), 1));
}

std::string dplHeatDigits(const core::PrinterSettings& settings) {
    const std::string digits = byteSlot(settings.darknessDigits(), 2);
    return digits == "00" ? "07" : digits;
}

std::string dplMarginTenths(const std::string& marginDigits) {
    return core::zeroPadded(marginMillimetres(marginDigits) * 10, 4);
}

}  // namespace rotulano::labels
