#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "config/PortsFile.h"
#include "core/PortDestination.h"
#include "support/TestSupport.h"

// What the ports-file tests of every platform share: a ports file by its usual name in a
// folder that goes with the test, and the serial fields of an entry checked one by one.
namespace rotulano::test {

class PortsFileFolder : public ::testing::Test {
  protected:
    // `bytes` written as the file and loaded into `table`, as a file that must be there
    // (`required`) or may be absent; false with the message when the file is refused.
    bool writeAndLoad(const std::string& bytes, config::PortsTable& table, std::string& message,
                      bool required = true) const {
        writeBytes(path_, bytes);
        return config::PortsFile(path_).load(table, message, required);
    }

    QTemporaryDir dir_;
    const std::string path_ = dir_.filePath("rotulano-portas.ini").toStdString();
};

// The device and the line settings an entry of the file names.
struct SerialEntry {
    std::string target;
    int speed;
    int dataBits;
    core::Parity parity;
    int stopBits;
    core::FlowControl flowControl;
};

inline void expectSerialEntry(const config::PortsTable& table, const std::string& port,
                              const SerialEntry& expected) {
    const core::PortDestination* entry = table.find(port);
    ASSERT_NE(entry, nullptr) << port;
    EXPECT_EQ(entry->target, expected.target) << port;
    EXPECT_EQ(entry->serial.speed, expected.speed) << port;
    EXPECT_EQ(entry->serial.dataBits, expected.dataBits) << port;
    EXPECT_EQ(entry->serial.parity, expected.parity) << port;
    EXPECT_EQ(entry->serial.stopBits, expected.stopBits) << port;
    EXPECT_EQ(entry->serial.flowControl, expected.flowControl) << port;
}

}  // namespace rotulano::test
