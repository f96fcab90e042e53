#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/DestinationText.h"

// Each system's forms of a port's destination: Windows takes its own port names and the
// network, and refuses Linux's devices and print queues with what it takes instead; Linux
// refuses Windows' port names. Both tables run on both systems, so that either build
// checks the other's rule too.
namespace {

namespace text = rotulano::config::destinationText;
using rotulano::core::DestinationKind;
using rotulano::core::PortDestination;
using System = text::System;

const std::string kWindowsForms =
    "use COM1 a COM256, LPT1 a LPT3, tcp://ENDEREÇO[:PORTA] ou spooler://IMPRESSORA";

struct Taken {
    const char* written;
    DestinationKind kind;
    const char* target;
};

struct Refused {
    const char* written;
    std::string reason;
};

}  // namespace

TEST(DestinationTextWindows, PortNamesAndNetworkPrintersAreTakenInAnyCase) {
    const std::vector<Taken> cases = {
        {"COM1", DestinationKind::Device, "COM1"},
        {"com2", DestinationKind::Device, "COM2"},
        {"Com9", DestinationKind::Device, "COM9"},
        {"COM10", DestinationKind::Device, "COM10"},
        {"COM256", DestinationKind::Device, "COM256"},
        {"LPT1", DestinationKind::Device, "LPT1"},
        {"lpt3", DestinationKind::Device, "LPT3"},
        {"tcp://10.0.0.7:6101", DestinationKind::Tcp, "10.0.0.7"},
    };
    for (const Taken& c : cases) {
        PortDestination destination;
        std::string reason = "antes";
        ASSERT_TRUE(text::parse(System::Windows, c.written, destination, reason)) << c.written;
        EXPECT_EQ(reason, "") << c.written;
        EXPECT_EQ(destination.kind, c.kind) << c.written;
        EXPECT_EQ(destination.target, c.target) << c.written;
        EXPECT_EQ(destination.text, c.written) << c.written;
    }
}

TEST(DestinationTextWindows, OtherFormsAreRefusedSayingWhatWindowsTakes) {
    const std::vector<Refused> cases = {
        {"/dev/ttyUSB0", "dispositivos /dev/ não existem no Windows (" + kWindowsForms + ")"},
        {"/dev/usb/lp0", "dispositivos /dev/ não existem no Windows (" + kWindowsForms + ")"},
        {"cups://Zebra", "filas cups:// não existem no Windows (" + kWindowsForms + ")"},
        {"CUPS://Zebra", "filas cups:// não existem no Windows (" + kWindowsForms + ")"},
        {"COM0", "destino inválido (" + kWindowsForms + ")"},
        {"COM257", "destino inválido (" + kWindowsForms + ")"},
        {"COM01", "destino inválido (" + kWindowsForms + ")"},
        {"COM1000", "destino inválido (" + kWindowsForms + ")"},
        {"LPT0", "destino inválido (" + kWindowsForms + ")"},
        {"LPT4", "destino inválido (" + kWindowsForms + ")"},
        {"COM", "destino inválido (" + kWindowsForms + ")"},
        {"COM1:", "destino inválido (" + kWindowsForms + ")"},
        {"\\\\.\\COM1", "destino inválido (" + kWindowsForms + ")"},
        {"C:\\etiquetas.prn", "destino inválido (" + kWindowsForms + ")"},
        {"PRN", "destino inválido (" + kWindowsForms + ")"},
        {"tcp://impressora:99999",
         "endereço de rede inválido (use tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)"},
    };
    for (const Refused& c : cases) {
        PortDestination destination;
        destination.target = "antes";
        std::string reason;
        EXPECT_FALSE(text::parse(System::Windows, c.written, destination, reason)) << c.written;
        EXPECT_EQ(reason, c.reason) << c.written;
        EXPECT_EQ(destination.target, "antes") << c.written << ": changed though refused";
    }
}

// A printer of the Windows spooler is named as Windows shows it: blanks, case, accents
// and a shared printer's backslashes are kept; it is the system's print queue there.
TEST(DestinationTextWindows, SpoolerPrintersAreTakenByTheirWindowsNames) {
    const std::vector<Taken> cases = {
        {"spooler://ZDesigner ZD220-203dpi ZPL", DestinationKind::Queue,
         "ZDesigner ZD220-203dpi ZPL"},
        {"SPOOLER://Zebra Expedição", DestinationKind::Queue, "Zebra Expedição"},
        {"spooler://\\\\SERVIDOR\\Zebra (cópia 1)", DestinationKind::Queue,
         "\\\\SERVIDOR\\Zebra (cópia 1)"},
    };
    for (const Taken& c : cases) {
        PortDestination destination;
        std::string reason = "antes";
        ASSERT_TRUE(text::parse(System::Windows, c.written, destination, reason)) << c.written;
        EXPECT_EQ(reason, "") << c.written;
        EXPECT_EQ(destination.kind, c.kind) << c.written;
        EXPECT_EQ(destination.target, c.target) << c.written;
        EXPECT_EQ(destination.text, c.written) << c.written;
        EXPECT_FALSE(destination.checksStatus()) << c.written << ": the spooler owns the port";
    }
}

TEST(DestinationTextWindows, SpoolerNamesWindowsCannotHaveAreRefused) {
    const std::string invalid =
        "nome de impressora inválido (use spooler://IMPRESSORA, com o nome que o Windows mostra)";
    const std::vector<Refused> cases = {
        {"spooler://", invalid},
        {"spooler://Zebra,LPT1", invalid},
        {"spooler://Zebra\tEtiquetas", invalid},
        {"spooler://Zebra\x7f", invalid},
    };
    for (const Refused& c : cases) {
        PortDestination destination;
        destination.target = "antes";
        std::string reason;
        EXPECT_FALSE(text::parse(System::Windows, c.written, destination, reason)) << c.written;
        EXPECT_EQ(reason, c.reason) << c.written;
        EXPECT_EQ(destination.target, "antes") << c.written;
    }
    PortDestination destination;
    std::string reason;
    EXPECT_FALSE(
        text::parse(System::Windows, "spooler://" + std::string(221, 'Z'), destination, reason));
    EXPECT_EQ(reason, invalid);
    EXPECT_TRUE(
        text::parse(System::Windows, "spooler://" + std::string(220, 'Z'), destination, reason))
        << reason;
}

TEST(DestinationTextLinux, SpoolerPrintersAreRefusedSayingWhatLinuxTakes) {
    for (const char* written : {"spooler://Zebra", "Spooler://ZDesigner ZD220"}) {
        PortDestination destination;
        std::string reason;
        EXPECT_FALSE(text::parse(System::Linux, written, destination, reason)) << written;
        EXPECT_EQ(reason,
                  "impressoras spooler:// só existem no Windows (use um dispositivo como "
                  "/dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou cups://FILA)")
            << written;
    }
}

TEST(DestinationTextLinux, WindowsPortNamesAreRefusedAndDevicesTaken) {
    const std::string linuxForms =
        "destino inválido (use um dispositivo como /dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou "
        "cups://FILA)";
    for (const char* written : {"COM1", "LPT1", "com2"}) {
        PortDestination destination;
        std::string reason;
        EXPECT_FALSE(text::parse(System::Linux, written, destination, reason)) << written;
        EXPECT_EQ(reason, linuxForms) << written;
    }
    PortDestination destination;
    std::string reason;
    ASSERT_TRUE(text::parse(System::Linux, "/dev/ttyUSB0", destination, reason)) << reason;
    EXPECT_EQ(destination.kind, DestinationKind::Device);
    EXPECT_EQ(destination.target, "/dev/ttyUSB0");
    ASSERT_TRUE(text::parse(System::Linux, "cups://Zebra", destination, reason)) << reason;
    EXPECT_EQ(destination.kind, DestinationKind::Queue);
    EXPECT_EQ(destination.target, "Zebra");
}

TEST(DestinationText, ThisSystemsFormsAreTheOnesTheBuildTakes) {
    PortDestination destination;
    std::string reason;
#ifdef _WIN32
    EXPECT_EQ(text::kThisSystem, System::Windows);
    EXPECT_TRUE(text::parse("COM1", destination, reason)) << reason;
    EXPECT_FALSE(text::parse("/dev/ttyS0", destination, reason));
#else
    EXPECT_EQ(text::kThisSystem, System::Linux);
    EXPECT_TRUE(text::parse("/dev/ttyS0", destination, reason)) << reason;
    EXPECT_FALSE(text::parse("COM1", destination, reason));
#endif
}
