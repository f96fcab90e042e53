// How long the print channel takes per label job: building the print file's bytes, and
// the whole frame to the port (name, create, read back, copy) with the port a plain file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <QTemporaryDir>
#include "BenchSupport.h"
#include "labels/LabelOutput.h"

#include "printing/LabelFileBytes.h"
#include "printing/LabelJob.h"
#include "printing/PortSink.h"
#include "printing/SystemPlatform.h"

namespace {

using namespace rotulano;

// A ZPL tag of typical size: about forty commands of 20 to 60 characters.
labels::LabelOutput typicalLabel() {
    labels::LabelOutput output;
    for (int i = 0; i < 40; ++i) {
        output.lines.push_back("^FO" + std::to_string(10 * i) + ",20^A0N,28,28^FDPRODUTO " +
                               std::to_string(i) + " CAMISETA MALHA ^FS");
    }
    return output;
}

void labelFileBytesPerJob(benchmark::State& state) {
    const labels::LabelOutput output = typicalLabel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(printing::labelFileBytes(output.lines));
    }
}
BENCHMARK(labelFileBytesPerJob);

void labelJobThroughTheTempDir(benchmark::State& state) {
    QTemporaryDir folder;
    bench::FilePortPlatform system(folder.path().toStdString());
    printing::ChannelState channelState;
    printing::PrintChannel channel(channelState, system);
    channel.state().tempDir = channel.platform().tempDir();
    printing::PortSink sink(channel);
    sink.setPort("LPT1");
    printing::LogoDownload logo(sink);
    printing::LabelJob job(sink, logo);
    const labels::LabelOutput output = typicalLabel();
    const core::PrinterSettings settings = core::PrinterSettings::defaults();
    for (auto _ : state) {
        benchmark::DoNotOptimize(job.send(output, settings));
    }
    channel.deletePrintFile();
}
BENCHMARK(labelJobThroughTheTempDir);

}  // namespace

BENCHMARK_MAIN();
