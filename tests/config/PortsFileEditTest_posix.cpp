#include <gtest/gtest.h>

#include <functional>

#include "config/PortsFileEdit.h"

using rotulano::config::editPortsText;
using rotulano::config::PortsTable;
using rotulano::core::PortDestination;

namespace {

// The example of the README, as an operator copies it: its three entries, a blank line
// between them.
const std::string kLpt1Entry =
    "; LPT1: a network label printer, raw TCP (port 9100 unless another is given)\n"
    "[LPT1]\n"
    "destino=tcp://192.168.0.50\n";
const std::string kLpt2Entry =
    "; LPT2: a queue of the system's print service (CUPS), sent as a raw job\n"
    "[LPT2]\n"
    "destino=cups://Zebra\n";
const std::string kCom1Entry =
    "; COM1: a USB-serial adapter, with its line set at every use\n"
    "[COM1]\n"
    "destino=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0\n"
    "velocidade=9600\n"
    "bits-de-dados=8\n"
    "paridade=nenhuma\n"
    "bits-de-parada=1\n"
    "controle-de-fluxo=rts-cts\n";
const std::string kReadmeExample = kLpt1Entry + "\n" + kLpt2Entry + "\n" + kCom1Entry;

// `text` with its one `line` replaced by `by`. The cases are made before any test runs, so
// a line that is not there shows in the expected text instead of failing an assertion.
std::string withLine(const std::string& text, const std::string& line, const std::string& by) {
    const std::size_t at = text.find(line);
    if (at == std::string::npos) {
        return "(no line \"" + line + "\" in the example)";
    }
    return text.substr(0, at) + by + text.substr(at + line.size());
}

PortsTable parsed(const std::string& text) {
    PortsTable table;
    std::string message;
    EXPECT_TRUE(PortsTable::parse(text, "portas.ini", table, message)) << message;
    return table;
}

PortDestination entryOf(const std::string& section) {
    const PortsTable table = parsed(section);
    EXPECT_FALSE(table.empty());
    return table.empty() ? PortDestination{} : *table.find(section.substr(1, 4));
}

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return out;
}

struct EditCase {
    const char* name;
    std::string original;
    std::function<void(PortsTable&)> edit;
    std::string expected;
    // The entries the window showed, when the file holds what the reader does not know.
    std::string shown = original;
};

class PortsFileEdit : public ::testing::TestWithParam<EditCase> {};

const EditCase kCases[] = {
    {"NothingChangedKeepsEveryByte", kReadmeExample, [](PortsTable&) {}, kReadmeExample},
    {"ValueChangedInItsOwnLine", kReadmeExample,
     [](PortsTable& t) {
         PortDestination com1 = *t.find("COM1");
         com1.serial.speed = 19200;
         t.set("COM1", com1);
         t.set("LPT1", entryOf("[LPT1]\ndestino=tcp://192.168.0.51:6101\n"));
     },
     withLine(kLpt1Entry, "destino=tcp://192.168.0.50\n", "destino=tcp://192.168.0.51:6101\n") +
         "\n" + kLpt2Entry + "\n" +
         withLine(kCom1Entry, "velocidade=9600\n", "velocidade=19200\n")},
    {"EntryAddedAtTheEnd", kReadmeExample,
     [](PortsTable& t) { t.set("COM3", entryOf("[COM3]\ndestino=/dev/ttyUSB1\nparidade=par\n")); },
     kReadmeExample + "\n[COM3]\ndestino=/dev/ttyUSB1\nparidade=par\n"},
    {"EntryDeletedWithItsCommentAndBlankLine", kReadmeExample,
     [](PortsTable& t) { t.remove("LPT2"); }, kLpt1Entry + "\n" + kCom1Entry},
    {"LastEntryDeletedTakesTheBlankLineBeforeIt", kReadmeExample,
     [](PortsTable& t) { t.remove("COM1"); }, kLpt1Entry + "\n" + kLpt2Entry},
    {"SerialKeyRemovedAndAnotherAddedAfterTheLastKey", kReadmeExample,
     [](PortsTable& t) {
         PortDestination com1 = *t.find("COM1");
         com1.serial.flowControl.reset();
         com1.statusCheck = true;
         t.set("COM1", com1);
     },
     kReadmeExample.substr(0, kReadmeExample.find("controle-de-fluxo")) + "consultar-estado=sim\n"},
    {"UnknownKeyAndSectionKept",
     "[LPT1]\r\nmodelo = ZT230\r\ndestino = tcp://10.0.0.7\r\n[Loja]\r\nnome=Centro\r\n",
     [](PortsTable& t) {
         t.set("LPT1", entryOf("[LPT1]\ndestino=tcp://10.0.0.8\nconfirma-fechando=nao\n"));
     },
     "[LPT1]\r\nmodelo = ZT230\r\ndestino = tcp://10.0.0.8\r\nconfirma-fechando=nao\r\n"
     "[Loja]\r\nnome=Centro\r\n",
     "[LPT1]\ndestino=tcp://10.0.0.7\n"},
    {"CommentBetweenEntriesAndInsideOneKept",
     "[lpt1]\n# antiga: 10.0.0.6\nDestino=tcp://10.0.0.7 \n; fim da LPT1\n\n[COM2]\n"
     "destino=/dev/ttyS1\n",
     [](PortsTable& t) {
         t.set("LPT1", entryOf("[LPT1]\ndestino=tcp://10.0.0.9\n"));
         t.remove("COM2");
     },
     "[lpt1]\n# antiga: 10.0.0.6\nDestino=tcp://10.0.0.9 \n; fim da LPT1\n"},
    {"CrLfFileKeepsCrLfInNewLines", crlf(kReadmeExample),
     [](PortsTable& t) {
         t.set("COM4", entryOf("[COM4]\ndestino=cups://Fila\n"));
         PortDestination lpt1 = *t.find("LPT1");
         lpt1.statusCheck = false;
         t.set("LPT1", lpt1);
     },
     crlf(kLpt1Entry + "consultar-estado=nao\n" + "\n" + kLpt2Entry + "\n" + kCom1Entry +
          "\n[COM4]\ndestino=cups://Fila\n")},
    {"DestinationInAnotherCaseIsAnotherDestination",
     "[LPT2]\ndestino=cups://ZEBRA\nconsultar-estado=NAO\n",
     [](PortsTable& t) {
         PortDestination lpt2 = *t.find("LPT2");
         lpt2.text = "cups://Zebra";
         lpt2.target = "Zebra";
         t.set("LPT2", lpt2);
     },
     "[LPT2]\ndestino=cups://Zebra\nconsultar-estado=NAO\n"},
    {"LastLineWithoutLineEndGetsOneBeforeWhatFollows", "[LPT1]\ndestino=/dev/usb/lp0",
     [](PortsTable& t) {
         PortDestination lpt1 = *t.find("LPT1");
         lpt1.statusCheck = true;
         t.set("LPT1", lpt1);
         t.set("LPT2", entryOf("[LPT2]\ndestino=/dev/usb/lp1\n"));
     },
     "[LPT1]\ndestino=/dev/usb/lp0\nconsultar-estado=sim\n\n[LPT2]\ndestino=/dev/usb/lp1\n"},
};

}  // namespace

TEST_P(PortsFileEdit, OnlyTheEntriesShownChange) {
    const EditCase& c = GetParam();
    PortsTable table = parsed(c.shown);
    c.edit(table);
    const std::string edited = editPortsText(c.original, table);
    EXPECT_EQ(edited, c.expected);
    if (c.shown == c.original) {
        // What the file says after the edit is what was edited.
        EXPECT_EQ(parsed(edited).text(), table.text());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PortsFileEdit, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PortsFileEditEmpty, NewFileGetsTheTablesOwnText) {
    PortsTable table;
    table.set("LPT2", entryOf("[LPT2]\ndestino=cups://Zebra\n"));
    EXPECT_EQ(editPortsText("", table),
              "; Rotulano: para onde vai cada porta. Porta sem entrada: o dispositivo de sempre.\n"
              "\n[LPT2]\ndestino=cups://Zebra\n");
}
