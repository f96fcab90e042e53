#include <gtest/gtest.h>

#include "core/PrinterSettings.h"
#include "labels/TestLabel.h"

using rotulano::core::PrinterSettings;

namespace {

PrinterSettings withModel(int model) {
    std::string record = PrinterSettings::defaults().record();
    record.replace(1, 2, "0" + std::to_string(model));
    return PrinterSettings(record);
}

}  // namespace

TEST(TestLabel, ZplAndDplLabelsNameTheProgramThePortAndTheTime) {
    const std::string clock = "2026120910250703-0300";
    EXPECT_EQ(rotulano::labels::testLabelLines(withModel(5), "LPT1", clock),
              (std::vector<std::string>{
                  "^XA", "^FO40,30^A0N,40,40^FDRotulano^FS", "^FO40,80^A0N,30,30^FDPorta LPT1^FS",
                  "^FO40,120^A0N,30,30^FD09/12/2026 10:25:07^FS", "^PQ1", "^XZ"}));
    EXPECT_EQ(rotulano::labels::testLabelLines(withModel(4), "COM2", clock),
              (std::vector<std::string>{"\x02L", "D11", "1911A1800800020Rotulano",
                                        "1911A1200500020Porta COM2",
                                        "1911A120020002009/12/2026 10:25:07", "Q0001", "E"}));
}
