// Time to build one item label with its summary label, per layout. Operators print
// thousands of labels a day; the target is under 20 microseconds a label.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.h"
#include "LabelItems.h"
#include "core/LabelRequest.h"
#include "labels/ZplLayouts.h"

namespace {

using rotulano::core::LabelRequest;

LabelRequest commonRequest(char code, const std::string& oldPrice) {
    return LabelRequest{rotulano::bench::workedTagItem(code, oldPrice),
                        rotulano::labels::test::zebraSettings()};
}

LabelRequest packRequest() {
    LabelRequest request = commonRequest('9', "00000000");
    request.line.set(rotulano::core::pack::kPackCode, "7891234567895");
    request.line.set(rotulano::core::pack::kPackDescription, "CAIXA COM 12 TOALHAS");
    return request;
}

LabelRequest internalRequest() {
    LabelRequest request = commonRequest('A', "00000000");
    request.line.set(rotulano::core::internal::kDescription, "CAMISETA BASICA");
    request.line.set(rotulano::core::internal::kInternalText1, "LOJA0001");
    return request;
}

template <typename Routine>
void runLabel(benchmark::State& state, Routine routine, const LabelRequest& request) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(routine(request));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Zpl01Tag(benchmark::State& state) {
    runLabel(state, rotulano::labels::rotinaEtqZpl01, commonRequest('1', "00000000"));
}
void BM_Zpl01OfferWithOldPrice(benchmark::State& state) {
    runLabel(state, rotulano::labels::rotinaEtqZpl01, commonRequest('5', "00010000"));
}
void BM_Zpl02SmallAdhesive(benchmark::State& state) {
    runLabel(state, rotulano::labels::rotinaEtqZpl02, commonRequest('2', "00000000"));
}
void BM_Zpl08Towel(benchmark::State& state) {
    runLabel(state, rotulano::labels::rotinaEtqZpl08, commonRequest('8', "00000000"));
}
void BM_Zpl09Pack(benchmark::State& state) {
    runLabel(state, rotulano::labels::rotinaEtqZpl09, packRequest());
}
void BM_ZplAInternal(benchmark::State& state) {
    runLabel(state, rotulano::labels::rotinaEtqZplA, internalRequest());
}

BENCHMARK(BM_Zpl01Tag);
BENCHMARK(BM_Zpl01OfferWithOldPrice);
BENCHMARK(BM_Zpl02SmallAdhesive);
BENCHMARK(BM_Zpl08Towel);
BENCHMARK(BM_Zpl09Pack);
BENCHMARK(BM_ZplAInternal);

}  // namespace

BENCHMARK_MAIN();
