#include <gtest/gtest.h>

#include "printing/PrinterLock.h"
#include "support/TestSupport.h"

// One job at a time on each printer, for every program of this machine: the lock of a
// printer is refused while another holds it (PrinterLockTest_posix.cpp and _win.cpp: the
// same printer written another way has the same lock, and the lock of a program that dies
// goes with it).
using rotulano::printing::PrinterLock;

TEST(PrinterLock, SecondJobIsRefusedUntilTheFirstLetsGo) {
    const std::string space = rotulano::test::ownPrinterLockSpace();
    PrinterLock first;
    PrinterLock second;
    ASSERT_TRUE(first.take(space, "tcp:127.0.0.1:9100"));
    EXPECT_TRUE(first.take(space, "tcp:127.0.0.1:9100")) << "the job's own lock, asked again";
    EXPECT_FALSE(second.take(space, "tcp:127.0.0.1:9100"));
    EXPECT_TRUE(second.take(space, "tcp:127.0.0.1:9101")) << "another printer is free";
    first.release();
    EXPECT_TRUE(second.take(space, "tcp:127.0.0.1:9100"));
    EXPECT_FALSE(first.take(space, "tcp:127.0.0.1:9100"));
}

TEST(PrinterLock, LocksOfDifferentSpacesNeverMeet) {
    PrinterLock mine;
    PrinterLock theirs;
    ASSERT_TRUE(mine.take(rotulano::test::ownPrinterLockSpace(), "fila:zebra"));
    EXPECT_TRUE(theirs.take(rotulano::test::ownPrinterLockSpace(), "fila:zebra"));
}
