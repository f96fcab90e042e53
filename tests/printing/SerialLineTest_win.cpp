#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "config/DestinationText.h"
#include "printing/SerialLineSetup.h"

// A serial line's settings as Windows takes them (a DCB): the ports file's fields mapped
// one by one, raw bytes always, the fields an entry does not name kept, and a speed that
// is not in the table of speeds refused.
namespace {

using rotulano::core::FlowControl;
using rotulano::core::Parity;
using rotulano::core::SerialLine;
using rotulano::printing::serialSettings;

// A line as a driver might hold it before the program: 9600 8N1, no flow control, and
// the settings that would change bytes on the way.
DCB heldLine() {
    DCB line{};
    line.DCBlength = sizeof line;
    line.BaudRate = 9600;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = FALSE;
    line.fNull = TRUE;
    line.fErrorChar = TRUE;
    line.fAbortOnError = TRUE;
    line.fRtsControl = RTS_CONTROL_ENABLE;
    return line;
}

}  // namespace

TEST(WindowsSerialLine, NamedFieldsAreSetAndTheOthersKept) {
    struct Case {
        const char* what;
        SerialLine line;
        DWORD speed;
        BYTE bits;
        BYTE parity;
        BYTE stopBits;
    };
    SerialLine full;
    full.speed = 19200;
    full.dataBits = 7;
    full.parity = Parity::Even;
    full.stopBits = 2;
    SerialLine odd;
    odd.parity = Parity::Odd;
    SerialLine none;
    none.parity = Parity::None;
    none.dataBits = 5;
    const std::vector<Case> cases = {
        {"nothing named", SerialLine{}, 9600, 8, NOPARITY, ONESTOPBIT},
        {"every field", full, 19200, 7, EVENPARITY, TWOSTOPBITS},
        {"odd parity alone", odd, 9600, 8, ODDPARITY, ONESTOPBIT},
        {"no parity, five bits", none, 9600, 5, NOPARITY, ONESTOPBIT},
    };
    for (const Case& c : cases) {
        DCB line = heldLine();
        ASSERT_TRUE(serialSettings(line, c.line)) << c.what;
        EXPECT_EQ(line.BaudRate, c.speed) << c.what;
        EXPECT_EQ(line.ByteSize, c.bits) << c.what;
        EXPECT_EQ(line.Parity, c.parity) << c.what;
        EXPECT_EQ(line.fParity, c.parity != NOPARITY ? 1u : 0u) << c.what;
        EXPECT_EQ(line.StopBits, c.stopBits) << c.what;
        // Raw bytes whatever the entry names.
        EXPECT_EQ(line.fBinary, 1u) << c.what;
        EXPECT_EQ(line.fNull, 0u) << c.what << ": NUL bytes would be dropped";
        EXPECT_EQ(line.fErrorChar, 0u) << c.what << ": bytes would be replaced";
        EXPECT_EQ(line.fAbortOnError, 0u) << c.what;
    }
}

TEST(WindowsSerialLine, FlowControlOfEachKind) {
    struct Case {
        FlowControl flow;
        unsigned ctsOut;
        unsigned rts;
        unsigned xonOut;
        unsigned xonIn;
    };
    const std::vector<Case> cases = {
        {FlowControl::None, 0, RTS_CONTROL_ENABLE, 0, 0},
        {FlowControl::RtsCts, 1, RTS_CONTROL_HANDSHAKE, 0, 0},
        {FlowControl::XonXoff, 0, RTS_CONTROL_ENABLE, 1, 1},
    };
    for (const Case& c : cases) {
        SerialLine wanted;
        wanted.flowControl = c.flow;
        DCB line = heldLine();
        line.fOutxCtsFlow = TRUE;
        line.fOutX = TRUE;
        line.fInX = TRUE;
        ASSERT_TRUE(serialSettings(line, wanted));
        const int flow = static_cast<int>(c.flow);
        EXPECT_EQ(line.fOutxCtsFlow, c.ctsOut) << flow;
        EXPECT_EQ(line.fRtsControl, c.rts) << flow;
        EXPECT_EQ(line.fOutX, c.xonOut) << flow;
        EXPECT_EQ(line.fInX, c.xonIn) << flow;
    }
}

TEST(WindowsSerialLine, EverySpeedOfTheTableIsSetAndAnyOtherRefused) {
    for (const int speed : rotulano::config::destinationText::serialSpeeds()) {
        SerialLine wanted;
        wanted.speed = speed;
        DCB line = heldLine();
        ASSERT_TRUE(serialSettings(line, wanted)) << speed;
        EXPECT_EQ(line.BaudRate, static_cast<DWORD>(speed));
    }
    for (const int speed : {0, 110, 14400, 128000, 460800}) {
        SerialLine wanted;
        wanted.speed = speed;
        DCB line = heldLine();
        EXPECT_FALSE(serialSettings(line, wanted)) << speed;
        EXPECT_EQ(line.BaudRate, 9600u) << speed << ": the line's own speed changed";
    }
}
