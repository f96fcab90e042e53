// The window's thread while a long print job runs: 999 ticked rows printed from the
// window to a serial line (a pseudo-terminal) whose printer reads slowly, so that the job
// lasts several seconds. Reports the longest time the window's thread took no event as
// `longest_gui_stall_ms` (target: under 50 ms), and how long the job lasted.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "BenchSupport.h"
#include "printing/MemorySink.h"
#include "printing/PrintEngine.h"
#include "printing/SystemPlatform.h"
#include "window/DisplayField.h"
#include "window/MainWindow.h"
#include "window/PageControl.h"

namespace {

using namespace rotulano;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRows = 999;
// How long the printer takes for the whole job.
constexpr auto kJobTime = 7s;
constexpr auto kReadSlice = 10ms;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The system's own device code with LPT1 on the terminal and no waits for the printer.
class LinePlatform : public printing::SystemPlatform {
  public:
    LinePlatform(std::string folder, std::string line)
        : folder_(std::move(folder)), line_(std::move(line)) {}
    std::string tempDir() override { return folder_ + "/"; }
    std::string portDevice(const std::string&) override { return line_; }
    void sleepFor(std::chrono::milliseconds) override {}

  private:
    std::string folder_;
    std::string line_;
};

// A printer on a pseudo-terminal that reads `rate` bytes a second until stopped.
class SlowPrinter {
  public:
    SlowPrinter() {
        int port = -1;
        if (::openpty(&printer_, &port, nullptr, nullptr, nullptr) == 0) {
            holder_ = port;
            path_ = ::ttyname(port);
        }
    }
    ~SlowPrinter() {
        stop();
        ::close(printer_);
        ::close(holder_);
    }
    bool ready() const { return holder_ >= 0; }
    const std::string& path() const { return path_; }

    void start(std::size_t rate) {
        const auto perSlice =
            std::max<std::size_t>(1, rate * static_cast<std::size_t>(kReadSlice.count()) / 1000);
        reader_ = std::thread([this, perSlice] {
            std::string chunk(perSlice, '\0');
            while (!stop_) {
                pollfd watch{printer_, POLLIN, 0};
                if (::poll(&watch, 1, 10) > 0) {
                    const ssize_t count = ::read(printer_, chunk.data(), chunk.size());
                    received += count > 0 ? static_cast<std::size_t>(count) : 0;
                }
                std::this_thread::sleep_for(kReadSlice);
            }
        });
    }
    void stop() {
        stop_ = true;
        if (reader_.joinable()) {
            reader_.join();
        }
    }

    std::atomic<std::size_t> received{0};

  private:
    int printer_ = -1;
    int holder_ = -1;
    std::string path_;
    std::atomic<bool> stop_{false};
    std::thread reader_;
};

// The bytes the job sends, for the printer's pace: the full order's rows into memory.
std::size_t jobSize(const std::string& order, int model) {
    printing::JobRequest request;
    request.orderNumber = "000000";
    request.settings.setModel(model);
    request.settings.setPort(1);
    std::istringstream lines(order);
    std::string line;
    std::getline(lines, line);  // the header
    for (int row = 1; std::getline(lines, line); ++row) {
        line.erase(line.find_last_not_of('\r') + 1);
        request.rows.push_back({row, line, 1});
    }
    printing::MemorySink sink;
    printing::PrintEngine engine(sink, ROTULANO_SAMPLES);
    printing::JobObserver quiet;
    engine.run(request, quiet);
    return sink.bytes().size();
}

struct Workspace {
    Workspace() : previous(QDir::currentPath()) {
        QDir::setCurrent(dir.path());
        const std::string samples = std::string(ROTULANO_SAMPLES) + "/";
        write("PEDIDO999.txt", bench::fullOrder());
        write("LOGOVRDL.GRF", readFile(samples + "LOGOVRDL.GRF"));
        // Zebra, LPT1, darkness 15, no pause, margins 2 and 3, speed C, Portuguese.
        write("CD21PRM.DAT", "1050115N0203C1" + std::string(132, '0'));
    }
    ~Workspace() { QDir::setCurrent(previous); }
    void write(const char* name, const std::string& bytes) {
        std::ofstream(QFile::encodeName(dir.filePath(QString::fromLatin1(name))).toStdString(),
                      std::ios::binary)
            << bytes;
    }

    QTemporaryDir dir;
    QString previous;
};

// The longest gap between two turns of the window's event loop while the job runs.
class StallWatch {
  public:
    StallWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void start() {
        last_ = Clock::now();
        timer_.start(1);
    }
    double stop() {
        timer_.stop();
        return std::chrono::duration<double, std::milli>(longest_).count();
    }

  private:
    QTimer timer_;
    Clock::time_point last_;
    Clock::duration longest_{};
};

void BM_PrintJobGuiStall(benchmark::State& state) {
    Workspace workspace;
    SlowPrinter printer;
    if (!printer.ready()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    bench::SilentBox box;
    bench::NoDialog dialog;
    LinePlatform platform(workspace.dir.path().toStdString(), printer.path());
    window::MainWindow mainWindow(box, dialog, platform);
    mainWindow.show();
    window::Controls& controls = mainWindow.controls();
    controls.wNomeCompleto->setText(workspace.dir.filePath(QStringLiteral("PEDIDO999.txt")));
    for (int row = 1; row <= controls.tabPedido->rowCount(); ++row) {
        emit controls.tabPedido->cellClicked(row, orders::kColSel, false);
    }
    controls.tbOpera->setPage(2);
    const std::size_t bytes = jobSize(bench::fullOrder(), 5);
    printer.start(bytes / static_cast<std::size_t>(kJobTime.count()));
    StallWatch watch;
    double longest = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        watch.start();
        controls.btImprime->click();
        longest = watch.stop();
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    printer.stop();
    if (box.shown != 0 || !controls.tabPedido->items()->isPrinted(kRows)) {
        state.SkipWithError("the job did not print every row");
    }
    state.counters["longest_gui_stall_ms"] = longest;
    state.counters["job_seconds"] = seconds;
    state.counters["job_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PrintJobGuiStall)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return rotulano::bench::runWindowBenchmarks(argc, argv);
}
