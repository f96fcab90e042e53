#include "printing/PrinterStatus.h"

#include <algorithm>

namespace rotulano::printing::printerStatus {

namespace {

constexpr char kStx = '\x02';
constexpr char kEtx = '\x03';
constexpr char kSoh = '\x01';
constexpr char kCr = '\r';

constexpr std::size_t kZplLines = 3;
constexpr std::size_t kFirstLineFields = 12;
constexpr std::size_t kSecondLineFields = 11;
constexpr std::size_t kDplFlags = 8;

// First line.
constexpr std::size_t kPaperOut = 1;
constexpr std::size_t kPaused = 2;
constexpr std::size_t kBufferFull = 5;
// Second line.
constexpr std::size_t kHeadOpen = 2;
constexpr std::size_t kRibbonOut = 3;
constexpr std::size_t kThermalTransfer = 4;

// DPL flag positions.
constexpr std::size_t kDplPaper = 1;
constexpr std::size_t kDplRibbon = 2;
constexpr std::size_t kDplPaused = 5;

PrinterStatus garbled() {
    return {PrinterStatus::Kind::Garbled, {}, {}};
}

PrinterStatus fromFaults(std::vector<PrinterFault> faults) {
    const PrinterStatus::Kind kind =
        faults.empty() ? PrinterStatus::Kind::Ready : PrinterStatus::Kind::Faults;
    return {kind, std::move(faults), {}};
}

// The text between each STX and its ETX; false when the framing is broken or anything
// but line ends stands between the frames.
bool framedLines(const std::string& answer, std::vector<std::string>& lines) {
    std::size_t at = 0;
    while (at < answer.size()) {
        const char c = answer[at];
        if (c == '\r' || c == '\n') {
            ++at;
            continue;
        }
        if (c != kStx) {
            return false;
        }
        const std::size_t end = answer.find(kEtx, at + 1);
        if (end == std::string::npos || answer.find(kStx, at + 1) < end) {
            return false;
        }
        lines.push_back(answer.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return true;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        parts.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

// A flag field: "0" or "1".
bool flag(const std::vector<std::string>& parts, std::size_t index, bool& set) {
    const std::string& field = parts[index];
    if (field != "0" && field != "1") {
        return false;
    }
    set = field == "1";
    return true;
}

}  // namespace

std::string query(bool zpl) {
    return zpl ? std::string("~HS") : std::string(1, kSoh) + "A";
}

bool complete(bool zpl, const std::string& answer) {
    if (zpl) {
        return static_cast<std::size_t>(std::count(answer.begin(), answer.end(), kEtx)) >=
               kZplLines;
    }
    return answer.find(kCr) != std::string::npos;
}

PrinterStatus parseZpl(const std::string& answer) {
    std::vector<std::string> lines;
    if (!framedLines(answer, lines) || lines.size() != kZplLines) {
        return garbled();
    }
    const std::vector<std::string> first = fields(lines[0]);
    const std::vector<std::string> second = fields(lines[1]);
    if (first.size() != kFirstLineFields || second.size() != kSecondLineFields) {
        return garbled();
    }
    bool paper = false, paused = false, full = false;
    bool head = false, ribbon = false, transfer = false;
    if (!flag(first, kPaperOut, paper) || !flag(first, kPaused, paused) ||
        !flag(first, kBufferFull, full) || !flag(second, kHeadOpen, head) ||
        !flag(second, kRibbonOut, ribbon) || !flag(second, kThermalTransfer, transfer)) {
        return garbled();
    }
    std::vector<PrinterFault> faults;
    if (paper)
        faults.push_back(PrinterFault::PaperOut);
    if (ribbon && transfer)
        faults.push_back(PrinterFault::RibbonOut);
    if (head)
        faults.push_back(PrinterFault::HeadOpen);
    if (paused)
        faults.push_back(PrinterFault::Paused);
    if (full)
        faults.push_back(PrinterFault::BufferFull);
    return fromFaults(std::move(faults));
}

PrinterStatus parseDpl(const std::string& answer) {
    const std::size_t end = answer.find(kCr);
    if (end == std::string::npos || end < kDplFlags) {
        return garbled();
    }
    const std::string flags = answer.substr(0, kDplFlags);
    if (flags.find_first_not_of("YN") != std::string::npos) {
        return garbled();
    }
    std::vector<PrinterFault> faults;
    if (flags[kDplPaper] == 'Y')
        faults.push_back(PrinterFault::PaperOut);
    if (flags[kDplRibbon] == 'Y')
        faults.push_back(PrinterFault::RibbonOut);
    if (flags[kDplPaused] == 'Y')
        faults.push_back(PrinterFault::Paused);
    return fromFaults(std::move(faults));
}

PrinterStatus parse(bool zpl, const std::string& answer) {
    return zpl ? parseZpl(answer) : parseDpl(answer);
}

}  // namespace rotulano::printing::printerStatus
