// How long the label preview takes: one item label of each kind drawn from the bytes its
// job sends (logo download, then the label file), and the whole job parsed and drawn.
// Target: under 20 ms to draw one label.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "core/LabelRequest.h"
#include "labels/RoutineChoice.h"
#include "preview/LabelPreview.h"
#include "printing/LabelFileBytes.h"
#include "support/LogoDownloadBytes.h"

namespace {

using namespace rotulano;

// The worked tag item, with its logo, on model `model`.
std::string jobBytes(int model, char code) {
    core::LabelRequest request;
    request.line.set(core::item::kRecordType, "1");
    request.line.set(core::item::kLabelTypeCode, std::string(1, code));
    request.line.set(core::item::kQuantity, "000003");
    request.line.set(core::item::kProductCode, "1234567890");
    request.line.set(core::item::kDescription, "DESCRICAO DO PRODUTO XYZ");
    request.line.set(core::item::kPrice, "00012345");
    request.line.set(core::item::kSizeCaption, "TAM");
    request.line.set(core::item::kSize, "GG");
    request.line.set(core::item::kSideText, "COL9-TEXTO");
    request.line.set(core::item::kFooterText, "COL10-TEXTO");
    request.line.set(core::item::kOrderNumber, "654321");
    request.settings = core::PrinterSettings::defaults();
    request.settings.setModel(model);
    const labels::LabelOutput output = labels::chooseLabelRoutine(model, code)(request);
    const std::string logo = test::logoDownloadBytes(model, ROTULANO_SAMPLES);
    return (output.logo == labels::LogoPoint::None ? std::string() : logo) +
           printing::labelFileBytes(output.lines);
}

void drawOneLabel(benchmark::State& state, int model, char code) {
    const auto labels = preview::parseJob(jobBytes(model, code));
    if (labels.empty()) {
        state.SkipWithError("no label");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview::renderLabel(labels.front()));
    }
}

void drawWholeJob(benchmark::State& state, int model, char code) {
    const std::string bytes = jobBytes(model, code);
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview::renderJob(bytes));
    }
}

BENCHMARK_CAPTURE(drawOneLabel, zplTag, 5, '1')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawOneLabel, zplInternal, 5, 'A')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawOneLabel, dplTag, 1, '1')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawOneLabel, dplInternal, 1, 'A')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawWholeJob, zplTag, 5, '1')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawWholeJob, dplTag, 1, '1')->Unit(benchmark::kMillisecond);

}  // namespace

// The preview draws text with the system's fonts, which need a GUI application; it runs
// headless on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
