// How long rotulano-render takes for a full order of 999 items (target: under 20 ms),
// in process: reading and checking the order file, then the print engine over every row
// into memory, the logo sent once. Reports the time per row.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOrder.h"

namespace {

using namespace rotulano;
using bench::fullOrder;

std::string samplePath(const std::string& name) {
    return std::string(ROTULANO_SAMPLES) + "/" + name;
}

std::string settingsRecord(int model) {
    const std::string record =
        "1" + std::string(model < 10 ? "0" : "") + std::to_string(model) + "0110S0000A1";
    return record + std::string(146 - record.size(), '0');
}

void renderFullOrder(benchmark::State& state) {
    QTemporaryDir workspace;
    const std::string orderPath = QDir(workspace.path()).filePath("PEDIDO.txt").toStdString();
    std::ofstream(orderPath, std::ios::binary) << fullOrder();
    render::RenderRequest request;
    request.settings = core::PrinterSettings(settingsRecord(static_cast<int>(state.range(0))));
    request.logoDir = samplePath("");
    std::size_t bytes = 0;
    std::chrono::steady_clock::duration spent{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        render::RenderOrder order;
        std::string error;
        if (!render::loadRenderOrder(orderPath, order, error) || order.items.size() != 999) {
            state.SkipWithError("the order of 999 items did not load");
            return;
        }
        request.items = std::move(order.items);
        request.orderNumber = order.orderNumber;
        request.rows.clear();
        for (int row = 1; row <= 999; ++row) {
            request.rows.push_back(row);
        }
        const render::RenderResult result = render::RenderJob().run(request);
        bytes = result.bytes.size();
        benchmark::DoNotOptimize(result);
        spent += std::chrono::steady_clock::now() - start;
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    const double rows = static_cast<double>(state.iterations()) * 999.0;
    state.counters["ms_per_row"] = std::chrono::duration<double, std::milli>(spent).count() / rows;
}
// Model 5: Zebra (ZPL); model 1: Datamax ALEGRO (DPL).
BENCHMARK(renderFullOrder)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
