#include "BenchSupport.h"

#include "LabelItems.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <vector>

namespace rotulano::bench {

namespace {

constexpr std::size_t kFullOrderItems = 999;

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
