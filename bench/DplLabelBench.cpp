#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.h"
#include "core/LabelRequest.h"
#include "labels/DplLayouts.h"

// Time to build one item's DPL print file lines (item label in every column and the
// order summary label). Target: under 20 microseconds per label.
namespace {

using namespace rotulano;

core::LabelRequest commonItem(char code) {
    core::LabelRequest request;
    request.line = bench::workedTagItem(code, code == '5' ? "00015990" : "00000000");
    request.settings = core::PrinterSettings::defaults();
    return request;
}

core::LabelRequest packItem() {
    core::LabelRequest request = commonItem('9');
    request.line.set(core::pack::kPackCode, "7890123456708");
    request.line.set(core::pack::kPackDescription, "CAIXA COM 12 TOALHAS");
    return request;
}

core::LabelRequest internalItem() {
    core::LabelRequest request = commonItem('A');
    request.line.set(core::internal::kDescription, "TOALHA ROSTO AZ");
    request.line.set(core::internal::kInternalText1, "INT-0001");
    return request;
}

void runLayout(benchmark::State& state, labels::LabelRoutine routine,
               const core::LabelRequest& request) {
    for (auto _ : state) {
        labels::LabelOutput output = routine(request);
        benchmark::DoNotOptimize(output.lines.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Dpl01Tag(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDpl01, commonItem('1'));
}
void BM_Dpl01LargeAdhesive(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDpl01, commonItem('3'));
}
void BM_Dpl01OfferWithOldPrice(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDpl01, commonItem('5'));
}
void BM_Dpl02SmallAdhesive(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDpl02, commonItem('2'));
}
void BM_Dpl08Towel(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDpl08, commonItem('8'));
}
void BM_Dpl09Pack(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDpl09, packItem());
}
void BM_DplAInternal(benchmark::State& state) {
    runLayout(state, labels::rotinaEtqDplA, internalItem());
}

}  // namespace

BENCHMARK(BM_Dpl01Tag);
BENCHMARK(BM_Dpl01LargeAdhesive);
BENCHMARK(BM_Dpl01OfferWithOldPrice);
BENCHMARK(BM_Dpl02SmallAdhesive);
BENCHMARK(BM_Dpl08Towel);
BENCHMARK(BM_Dpl09Pack);
BENCHMARK(BM_DplAInternal);

BENCHMARK_MAIN();
