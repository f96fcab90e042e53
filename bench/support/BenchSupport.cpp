#include "BenchSupport.h"

#include "LabelItems.h"
#include "core/FixedRecord.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <sstream>
#include <vector>

namespace rotulano::bench {

namespace {

constexpr std::size_t kFullOrderItems = 999;
constexpr int kZebra = 5;

std::vector<std::string> sampleLines() {
    std::ifstream in(std::string(ROTULANO_SAMPLES) + "/PEDIDO.txt", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string fullOrder() {
    const std::vector<std::string> lines = sampleLines();
    std::string bytes = lines.at(0) + "\r\n";
    for (std::size_t item = 0; item < kFullOrderItems; ++item) {
        bytes += lines.at(1 + item % (lines.size() - 1)) + "\r\n";
    }
    return bytes;
}

printing::JobRequest fullOrderRows(int count) {
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings.setModel(kZebra);
    request.settings.setPort(1);
    std::istringstream lines(fullOrder());
    std::string line;
    std::getline(lines, line);  // the header
    for (int row = 1; row <= count && std::getline(lines, line); ++row) {
        line.erase(line.find_last_not_of('\r') + 1);
        const std::string quantity = core::OrderLine(line).get(core::item::kQuantity);
        request.rows.push_back({row, line, core::digitsValue(quantity)});
    }
    return request;
}

std::size_t rowsPrinted(const printing::JobReport& report) {
    std::size_t printed = 0;
    for (const printing::RowReport& row : report.rows) {
        printed += row.outcome == printing::RowOutcome::Printed ? 1 : 0;
    }
    return printed;
}

core::OrderLine workedTagItem(char code, const std::string& oldPrice) {
    core::OrderLine line = labels::test::commonItem(code);
    line.set(core::item::kOldPrice, oldPrice);
    return line;
}

int runWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace rotulano::bench
