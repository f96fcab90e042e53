#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

#include "BenchSupport.h"
#include "printing/SystemPlatform.h"
#include "window/DisplayField.h"
#include "window/Handlers.h"
#include "window/MainWindow.h"
#include "window/PageControl.h"

// A print job of 999 ticked rows, every label type of the sample order, run by the main
// window's BT-IMPRIME to a port that is a plain file, with the printer's waits after the
// logo download left out (target: under 1 s of the program's own time).
namespace {

using namespace rotulano;
using bench::fullOrder;
using bench::NoDialog;
using bench::SilentBox;

constexpr int kRows = 999;

// The process's processor time so far, in the program itself and in the system's calls.
struct CpuTimes {
    double userMs;
    double systemMs;
};

CpuTimes cpuTimes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1000.0 +
               static_cast<double>(time.tv_usec) / 1000.0;
    };
    return {ms(usage.ru_utime), ms(usage.ru_stime)};
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Workspace {
    explicit Workspace(int model) : previous(QDir::currentPath()) {
        QDir::setCurrent(dir.path());
        const std::string samples = std::string(ROTULANO_SAMPLES) + "/";
        write("PEDIDO999.txt", fullOrder());
        write("LOGOVRDL.GRF", readFile(samples + "LOGOVRDL.GRF"));
        write("LOGOVRDL.BMP", readFile(samples + "LOGOVRDL.BMP"));
        // Model, LPT1, darkness 15, no pause, margins 2 and 3, speed C, Portuguese.
        const std::string modelDigits = model < 10 ? "0" + std::to_string(model) : "10";
        write("CD21PRM.DAT", "1" + modelDigits + "0115N0203C1" + std::string(132, '0'));
    }
    ~Workspace() { QDir::setCurrent(previous); }

    void write(const char* name, const std::string& bytes) {
        std::ofstream(QFile::encodeName(dir.filePath(QString::fromLatin1(name))).toStdString(),
                      std::ios::binary)
            << bytes;
    }
    std::string path() const { return QFile::encodeName(dir.path()).toStdString(); }

    QTemporaryDir dir;
    QString previous;
};

// Loads the order afresh and ticks every row, as 999 clicks on the "Sel" column do.
void loadAndTickAll(window::MainWindow& mainWindow, const QString& orderPath) {
    window::Controls& controls = mainWindow.controls();
    controls.tbOpera->setPage(1);
    controls.wNomeCompleto->setText(QString());
    controls.wNomeCompleto->setText(orderPath);
    for (int row = 1; row <= controls.tabPedido->rowCount(); ++row) {
        emit controls.tabPedido->cellClicked(row, orders::kColSel, false);
    }
    controls.tbOpera->setPage(2);
}

void BM_Print999TickedRowsThroughTheWindow(benchmark::State& state) {
    const int model = static_cast<int>(state.range(0));
    Workspace workspace(model);
    SilentBox box;
    NoDialog dialog;
    bench::FilePortPlatform platform(workspace.path());
    window::MainWindow mainWindow(box, dialog, platform);
    mainWindow.show();
    const QString orderPath = workspace.dir.filePath(QStringLiteral("PEDIDO999.txt"));
    const window::ItemTableView* grid = mainWindow.controls().tabPedido;
    double userMs = 0;
    double systemMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        loadAndTickAll(mainWindow, orderPath);
        if (!mainWindow.controls().btImprime->isEnabled()) {
            state.SkipWithError("nothing to print");
            break;
        }
        const CpuTimes before = cpuTimes();
        state.ResumeTiming();
        mainWindow.controls().btImprime->click();
        state.PauseTiming();
        const CpuTimes after = cpuTimes();
        userMs += after.userMs - before.userMs;
        systemMs += after.systemMs - before.systemMs;
        state.ResumeTiming();
    }
    if (grid->rowCount() != kRows || box.shown != 0 || !grid->items()->isPrinted(kRows)) {
        state.SkipWithError("the job did not print every row");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    const auto perJob = [&state](double total) {
        return total / static_cast<double>(state.iterations());
    };
    state.counters["user_ms_per_job"] = perJob(userMs);
    state.counters["system_ms_per_job"] = perJob(systemMs);
    state.counters["waits_skipped_per_job"] =
        static_cast<double>(platform.waitsSkipped) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Print999TickedRowsThroughTheWindow)
    ->ArgName("model")
    ->Arg(1)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return rotulano::bench::runWindowBenchmarks(argc, argv);
}
