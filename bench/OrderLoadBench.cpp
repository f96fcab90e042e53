#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "orders/OrderFileReader.h"
#include "printing/SystemPlatform.h"
#include "window/DisplayField.h"
#include "window/Handlers.h"
#include "window/MainWindow.h"

// Loading a full order of 999 items into the main window's grid (target: under 100 ms),
// and the program's peak memory with that order shown (target: under 80 MB).
namespace {

using namespace rotulano;
using bench::fullOrder;
using bench::NoDialog;
using bench::SilentBox;

struct Workspace {
    Workspace() : previous(QDir::currentPath()) {
        QDir::setCurrent(dir.path());
        orderPath = dir.filePath(QStringLiteral("PEDIDO999.txt"));
        std::ofstream(QFile::encodeName(orderPath).toStdString(), std::ios::binary) << fullOrder();
    }
    ~Workspace() { QDir::setCurrent(previous); }

    QTemporaryDir dir;
    QString previous;
    QString orderPath;
};

// Writing the path into W-NOME-COMPLETO raises the loader, as the file chooser does.
void loadInto(window::MainWindow& mainWindow, const QString& path) {
    mainWindow.controls().wNomeCompleto->setText(QString());
    mainWindow.controls().wNomeCompleto->setText(path);
}

void BM_PeakMemoryWith999ItemsShown(benchmark::State& state) {
    Workspace workspace;
    SilentBox box;
    NoDialog dialog;
    printing::SystemPlatform platform;
    window::MainWindow mainWindow(box, dialog, platform);
    mainWindow.show();
    for (auto _ : state) {
        loadInto(mainWindow, workspace.orderPath);
        QApplication::processEvents();
    }
    if (mainWindow.controls().tabPedido->rowCount() != 999 || box.shown != 0) {
        state.SkipWithError("the order did not load whole");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_PeakMemoryWith999ItemsShown)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_Load999ItemsIntoTheWindow(benchmark::State& state) {
    Workspace workspace;
    SilentBox box;
    NoDialog dialog;
    printing::SystemPlatform platform;
    window::MainWindow mainWindow(box, dialog, platform);
    mainWindow.show();
    for (auto _ : state) {
        loadInto(mainWindow, workspace.orderPath);
    }
    if (mainWindow.controls().tabPedido->rowCount() != 999 || box.shown != 0) {
        state.SkipWithError("the order did not load whole");
    }
    state.SetItemsProcessed(state.iterations() * 999);
}
BENCHMARK(BM_Load999ItemsIntoTheWindow)->Unit(benchmark::kMillisecond);

void BM_Read999ItemOrderFile(benchmark::State& state) {
    Workspace workspace;
    const std::string path = QFile::encodeName(workspace.orderPath).toStdString();
    for (auto _ : state) {
        orders::OrderLoad load = orders::OrderFileReader::read(path);
        benchmark::DoNotOptimize(load.items.data());
    }
    state.SetItemsProcessed(state.iterations() * 999);
}
BENCHMARK(BM_Read999ItemOrderFile)->Unit(benchmark::kMillisecond);

// A header, an item and then 20 GB without a line end (a disk image chosen by mistake):
// the load is refused after reading 600 bytes past the item, whatever the file's size.
// The file is sparse, so it costs no disk space.
void BM_RefuseA20GbFileWithoutLineEnds(benchmark::State& state) {
    Workspace workspace;
    const std::string path =
        QFile::encodeName(workspace.dir.filePath(QStringLiteral("IMAGEM.txt"))).toStdString();
    const std::string order = fullOrder();
    const std::size_t itemEnd = order.find('\n', order.find('\n') + 1);
    std::ofstream(path, std::ios::binary) << order.substr(0, itemEnd + 1);
    QFile image(QString::fromStdString(path));
    if (!image.resize(20LL * 1024 * 1024 * 1024)) {
        state.SkipWithError("the file system takes no sparse file of 20 GB");
        return;
    }
    for (auto _ : state) {
        orders::OrderLoad load = orders::OrderFileReader::read(path);
        if (load.outcome != orders::LoadOutcome::Message) {
            state.SkipWithError("the file was not refused");
            break;
        }
    }
}
BENCHMARK(BM_RefuseA20GbFileWithoutLineEnds)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return rotulano::bench::runWindowBenchmarks(argc, argv);
}
