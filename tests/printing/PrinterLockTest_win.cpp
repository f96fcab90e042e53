#include <gtest/gtest.h>

#include "printing/PrinterLock.h"
#include "support/TestSupport.h"

// The lock's Windows side: a port is one printer however its name is written, and a
// second job of the same program, even on the same thread, is refused while the first
// holds the printer.
namespace {

namespace core = rotulano::core;
using rotulano::printing::PrinterLock;

core::PortDestination device(const std::string& name) {
    core::PortDestination entry;
    entry.kind = core::DestinationKind::Device;
    entry.target = name;
    return entry;
}

}  // namespace

TEST(WindowsPrinterLock, APortHasOneKeyInAnyCase) {
    EXPECT_EQ(PrinterLock::deviceKey("COM1"), "dispositivo:COM1");
    EXPECT_EQ(PrinterLock::deviceKey("com1"), "dispositivo:COM1");
    EXPECT_EQ(PrinterLock::destinationKey(device("Lpt1")), PrinterLock::deviceKey("LPT1"));
    EXPECT_NE(PrinterLock::deviceKey("COM1"), PrinterLock::deviceKey("COM10"));
}

TEST(WindowsPrinterLock, SameThreadSecondJobIsRefusedUntilTheFirstLetsGo) {
    const std::string space = rotulano::test::ownPrinterLockSpace();
    PrinterLock first;
    PrinterLock second;
    ASSERT_TRUE(first.take(space, PrinterLock::deviceKey("COM1")));
    EXPECT_FALSE(second.take(space, PrinterLock::deviceKey("com1")))
        << "the port written in small letters is the same port";
    first.release();
    EXPECT_TRUE(second.take(space, PrinterLock::deviceKey("com1")));
}
