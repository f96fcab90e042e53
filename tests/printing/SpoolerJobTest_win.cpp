#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "config/DestinationText.h"
#include "printing/SystemDestinations.h"

// One real job through the Windows spooler. Wine's spooler reaches the print queues of
// CUPS: this case runs when the caller has made a private queue for it (never a real
// printer's) and names it, with the file its stand-in printer writes what it reads:
//   ROTULANO_TEST_SPOOLER_PRINTER  the printer's name as Windows shows it
//   ROTULANO_TEST_SPOOLER_OUTPUT   the file the first job's bytes arrive in
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// What arrived, once `size` bytes have, or after 30 s.
std::string arrived(const std::string& path, std::size_t size) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::string bytes = fileText(path);
    while (bytes.size() < size && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        bytes = fileText(path);
    }
    return bytes;
}

}  // namespace

TEST(WindowsSpoolerJob, RowReachesThePrivateQueueWholeAsOneJob) {
    const char* printer = std::getenv("ROTULANO_TEST_SPOOLER_PRINTER");
    const char* output = std::getenv("ROTULANO_TEST_SPOOLER_OUTPUT");
    if (printer == nullptr || output == nullptr) {
        GTEST_SKIP() << "no private print queue named for the spooler";
    }
    core::PortDestination destination;
    std::string reason;
    ASSERT_TRUE(rotulano::config::destinationText::parse(std::string("spooler://") + printer,
                                                         destination, reason))
        << reason;
    static const char kHead[] = "^XA^FO20,20^FDRotulano\xe7\x00\x1a^FS^XZ\r\n";
    std::string row(kHead, sizeof kHead - 1);
    for (int i = 0; i < 5000; ++i) {
        row += static_cast<char>(i % 256);
    }
    printing::SystemDestinations destinations(std::chrono::milliseconds(10000));
    const core::Delivery sent = destinations.send(destination, row);
    ASSERT_TRUE(sent.ok()) << sent.reason;
    EXPECT_GT(sent.queueJobId, 0);
    EXPECT_EQ(arrived(output, row.size()), row);
}
