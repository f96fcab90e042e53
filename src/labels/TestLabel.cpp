#include "labels/TestLabel.h"

#include "core/FixedRecord.h"

namespace rotulano::labels {

namespace {

// "dd/mm/aaaa hh:mm:ss" from the clock text.
std::string shownTime(const std::string& clock) {
    const auto at = [&clock](std::size_t position, std::size_t length) {
        return core::fieldAt(clock, position, length);
    };
    return at(7, 2) + "/" + at(5, 2) + "/" + at(1, 4) + " " + at(9, 2) + ":" + at(11, 2) + ":" +
           at(13, 2);
}

std::vector<std::string> zplLines(const std::string& port, const std::string& time) {
    return {"^XA",
            "^FO40,30^A0N,40,40^FDRotulano^FS",
            "^FO40,80^A0N,30,30^FDPorta " + port + "^FS",
            "^FO40,120^A0N,30,30^FD" + time + "^FS",
            "^PQ1",
            "^XZ"};
}

std::vector<std::string> dplLines(const std::string& port, const std::string& time) {
    return {"\x02L",
            "D11",
            "1911A1800800020Rotulano",
            "1911A1200500020Porta " + port,
            "1911A1200200020" + time,
            "Q0001",
            "E"};
}

}  // namespace

std::vector<std::string> testLabelLines(const core::PrinterSettings& settings,
                                        const std::string& portName, const std::string& clock) {
    const std::string time = shownTime(clock);
    return settings.printerModel().printsZpl() ? zplLines(portName, time)
                                               : dplLines(portName, time);
}

}  // namespace rotulano::labels
