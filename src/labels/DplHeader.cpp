#include "labels/DplHeader.h"

#include "labels/HeaderRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

namespace {
std::string systemCommand(const char* command) {
    return std::string(1, kDplStx) + command;
}
}  // namespace

void appendDplSystemLines(std::vector<std::string>& lines, const core::PrinterSettings& settings,
                          bool withSymbolSet) {
    if (withSymbolSet) {
        lines.push_back(systemCommand("ySPM"));
    }
    lines.push_back(systemCommand("m"));
    if (settings.model() != kDplModelWithoutPrintPositions) {
        lines.push_back(systemCommand("O0559"));
        lines.push_back(systemCommand("f659"));
    }
}

void appendDplFormatLines(std::vector<std::string>& lines, const core::PrinterSettings& settings) {
    lines.push_back(systemCommand("L"));
    lines.push_back("H" + dplHeatDigits(settings));
    lines.push_back("D11");
    lines.push_back("C" + dplMarginTenths(settings.leftMarginDigits()));
    lines.push_back("R" + dplMarginTenths(settings.topMarginDigits()));
    lines.push_back("P" + byteSlot(std::string(1, settings.speed()), 1));
    lines.push_back("z");
}

void appendDplSummaryFormatLines(std::vector<std::string>& lines) {
    lines.push_back(systemCommand("L"));
    lines.push_back("D11");
}

}  // namespace rotulano::labels
