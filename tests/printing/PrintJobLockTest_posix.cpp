#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "AdhesiveJobs.h"
#include "RecordingPlatform.h"
#include "TcpListener.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/PrintEngine.h"
#include "printing/PrintJobMessages.h"

// One job at a time on each printer: a second job to a printer that a job of this machine
// is printing on is refused before its first row, whatever the destination and however
// its entry names the printer, and gets the printer once the first job is over.
namespace {

namespace config = rotulano::config;
namespace printing = rotulano::printing;
using printing::JobEnd;
using rotulano::test::adhesives;
using rotulano::test::RecordingPlatform;
using rotulano::test::TcpListener;

constexpr std::chrono::milliseconds kStall{5000};

// The entry of `text`. A device here is a regular file of the test's standing in for a
// printer port, which the ports file's reader refuses: its entry is put in the table as
// the reader puts a device's.
config::PortsTable portsWith(const std::string& text) {
    config::PortsTable table;
    const std::string devicePrefix = "destino=/";
    const std::size_t device = text.find(devicePrefix);
    if (device != std::string::npos) {
        rotulano::core::PortDestination entry;
        const std::size_t start = device + devicePrefix.size() - 1;
        entry.text = entry.target = text.substr(start, text.find('\n', start) - start);
        table.set(text.substr(1, 4), entry);
        return table;
    }
    std::string message;
    EXPECT_TRUE(config::PortsTable::parse(text, "portas.ini", table, message)) << message;
    return table;
}

// A print job as the window makes one, on `platform` (whose lock space it shares with every
// other job there), with print files in `folder` and print queues asked at `queueServer`.
class Job {
  public:
    Job(RecordingPlatform& platform, const config::PortsTable& ports, const std::string& folder,
        const std::string& queueServer)
        : state_(withFolder(folder)),
          channel_(state_, platform),
          usual_(channel_),
          destinations_(kStall, nullptr, queueServer),
          sink_(usual_, channel_, ports, destinations_) {}

    printing::JobReport run(const printing::JobRequest& request, printing::JobObserver& observer) {
        return printing::PrintEngine(sink_).run(request, observer);
    }

  private:
    static printing::ChannelState withFolder(const std::string& folder) {
        printing::ChannelState state;
        state.tempDir = folder + "/";
        return state;
    }

    printing::ChannelState state_;
    printing::PrintChannel channel_;
    printing::PortSink usual_;
    printing::SystemDestinations destinations_;
    printing::DestinationSink sink_;
};

// Runs `during` once the job's first row has ended, while the job still holds its printer.
class AfterFirstRow : public printing::JobObserver {
  public:
    explicit AfterFirstRow(std::function<void()> during) : during_(std::move(during)) {}
    void rowEnded(const printing::RowReport& report, long long) override {
        if (report.row == 1) {
            during_();
        }
    }

  private:
    std::function<void()> during_;
};

// The first job prints on LPT1, the second on LPT2; each port's entry (empty: none) names
// the printer. `%P` stands for the network printer's port, `%D` for the test's folder.
struct LockCase {
    const char* name;
    const char* firstEntry;
    const char* secondEntry;
    const char* secondDestination;  // as the second job's message names it
    bool firstPrints;               // the first job reaches its printer
};

std::string filled(std::string text, int port, const std::string& folder) {
    for (std::size_t at; (at = text.find("%P")) != std::string::npos;) {
        text.replace(at, 2, std::to_string(port));
    }
    for (std::size_t at; (at = text.find("%D")) != std::string::npos;) {
        text.replace(at, 2, folder);
    }
    return text;
}

class PrintJobLockTest : public ::testing::TestWithParam<LockCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(printer_.ready());
        // LPT1 and LPT2 without an entry are usual ports, here both a file of the test's; a
        // link to it is the same printer.
        platform_.devices["LPT1"] = folder() + "/lp0";
        platform_.devices["LPT2"] = folder() + "/lp0";
        QFile device(QString::fromStdString(folder() + "/lp0"));
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        device.close();
        ASSERT_TRUE(QFile::link(QString::fromStdString(folder() + "/lp0"),
                                QString::fromStdString(folder() + "/usb-lp0")));
    }

    std::string folder() const { return dir_.path().toStdString(); }
    std::string entry(const char* text) const { return filled(text, printer_.port(), folder()); }
    std::string noService() const { return folder() + "/no-print-service"; }

    QTemporaryDir dir_;
    TcpListener printer_;
    RecordingPlatform platform_;
};

}  // namespace

TEST_P(PrintJobLockTest, SecondJobToTheSamePrinterIsRefusedBeforeItsFirstRow) {
    const LockCase& c = GetParam();
    const config::PortsTable firstPorts = portsWith(entry(c.firstEntry));
    const config::PortsTable secondPorts = portsWith(entry(c.secondEntry));
    Job first(platform_, firstPorts, folder(), noService());
    Job second(platform_, secondPorts, folder(), noService());
    printing::JobReport refused;
    std::size_t sentByRefused = 0;
    AfterFirstRow meanwhile([&] {
        const std::size_t before = platform_.sent.size();
        printing::JobObserver quiet;
        refused = second.run(adhesives(2, 2), quiet);
        sentByRefused = platform_.sent.size() - before;
    });
    const printing::JobReport firstReport = first.run(adhesives(2, 1), meanwhile);

    EXPECT_EQ(refused.end, JobEnd::PrinterBusy);
    EXPECT_TRUE(refused.rows.empty());
    EXPECT_EQ(sentByRefused, 0u) << "the refused job sent to the usual port";
    EXPECT_EQ(printing::printJobMessages::failedJob(refused).text.toStdString(),
              "Não foi possível enviar as etiquetas para a porta LPT2 (" +
                  entry(c.secondDestination) +
                  "): impressora ocupada por outro trabalho deste computador [93].");
    EXPECT_EQ(firstReport.end, c.firstPrints ? JobEnd::Normal : JobEnd::RowFailed);
    if (std::string(c.firstEntry).find("tcp://") != std::string::npos) {
        EXPECT_EQ(printer_.received(2).size(), 2u);
        EXPECT_EQ(printer_.accepted(), 2u) << "only the first job's rows reach the printer";
    }

    // The first job is over: the printer is the next job's.
    printing::JobObserver quiet;
    EXPECT_NE(second.run(adhesives(1, 2), quiet).end, JobEnd::PrinterBusy);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, PrintJobLockTest,
    ::testing::Values(LockCase{"NetworkPrinter",
                               "[LPT1]\ndestino=tcp://127.0.0.1:%P\nconsultar-estado=nao\n",
                               "[LPT2]\ndestino=tcp://127.0.0.1:%P\nconsultar-estado=nao\n",
                               "tcp://127.0.0.1:%P", true},
                      LockCase{"PrintQueueNamedInOtherCase", "[LPT1]\ndestino=cups://ZEBRA\n",
                               "[LPT2]\ndestino=cups://zebra\n", "cups://zebra", false},
                      LockCase{"UsualPortAndALinkToItsDevice", "", "[LPT2]\ndestino=%D/usb-lp0\n",
                               "%D/usb-lp0", true},
                      LockCase{"DeviceEntryAndTheUsualPortOfItsDevice",
                               "[LPT1]\ndestino=%D/usb-lp0\n", "", "%D/lp0", false}),
    [](const ::testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });
