#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "printing/SpoolerDestination.h"

// The rules of a spooler printer's job, against a double of the Windows spooler's calls
// that keeps what each call was given: they build and run on every system.
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;
namespace codes = printing::spoolerCodes;

constexpr unsigned long kJobId = 42;

class SpoolerDouble : public printing::SpoolerCalls {
  public:
    unsigned long open(const std::string& printer) override {
        calls.push_back("open " + printer);
        return openError;
    }
    unsigned long state(printing::SpoolerPrinterState& state) override {
        calls.push_back("state");
        state = printerState;
        return 0;
    }
    unsigned long startDocument(const std::string& name, const std::string& dataType,
                                unsigned long& jobId) override {
        calls.push_back("start " + name + " " + dataType);
        jobId = kJobId;
        return startError;
    }
    unsigned long write(const char* bytes, std::size_t size, std::size_t& written) override {
        ++writes;
        if (writes == failingWrite) {
            written = 0;
            return 6;  // ERROR_INVALID_HANDLE: the spooler lost the job
        }
        spooled.append(bytes, size);
        written = size;
        if (cancelAfterWrite != nullptr) {
            *cancelAfterWrite = true;
        }
        return 0;
    }
    unsigned long endDocument() override {
        calls.push_back("end");
        return 0;
    }
    unsigned long deleteJob(unsigned long jobId) override {
        calls.push_back("delete " + std::to_string(jobId));
        return deleteError;
    }
    void close() override { calls.push_back("close"); }

    printing::SpoolerPrinterState printerState{
        0, 0, "ZDesigner ZD220-203dpi ZPL", false, {"RAW", "NT EMF 1.008", "TEXT"}};
    unsigned long openError = 0;
    unsigned long startError = 0;
    unsigned long deleteError = 0;
    int failingWrite = 0;
    std::atomic<bool>* cancelAfterWrite = nullptr;
    int writes = 0;
    std::vector<std::string> calls;
    std::string spooled;
};

core::PortDestination spoolerPrinter(const std::string& name) {
    core::PortDestination destination;
    destination.kind = core::DestinationKind::Queue;
    destination.target = name;
    destination.text = "spooler://" + name;
    return destination;
}

// Every byte value, more than one write's worth: the job must hold the row unchanged.
std::string rowBytes(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        bytes += static_cast<char>(i % 256);
    }
    return bytes;
}

const std::string kPrinter = "Zebra Expedição";

core::Delivery sendThrough(SpoolerDouble& spooler, const std::string& bytes,
                           const std::atomic<bool>& stop) {
    const core::PortDestination destination = spoolerPrinter(kPrinter);
    return printing::SpoolerDestination(destination, spooler, stop).send(bytes);
}

core::Delivery sendThrough(SpoolerDouble& spooler, const std::string& bytes) {
    const std::atomic<bool> never{false};
    return sendThrough(spooler, bytes, never);
}

}  // namespace

TEST(SpoolerDestination, RowIsOneRawJobWithExactlyItsBytesAndItsNumberKept) {
    SpoolerDouble spooler;
    const std::string row = rowBytes(150 * 1024);
    const core::Delivery sent = sendThrough(spooler, row);
    EXPECT_TRUE(sent.ok()) << sent.reason;
    EXPECT_EQ(sent.queueJobId, 42);
    EXPECT_EQ(spooler.spooled, row);
    EXPECT_EQ(spooler.writes, 3);
    EXPECT_EQ(spooler.calls,
              (std::vector<std::string>{"open " + kPrinter, "state",
                                        "start Rotulano - etiquetas RAW", "end", "close"}));
}

TEST(SpoolerDestination, QueueThatCannotPrintIsRefusedNamedWithNothingSent) {
    struct Case {
        unsigned long status;
        unsigned long attributes;
        std::string reason;
    };
    const std::string named = "a impressora \"" + kPrinter + "\"";
    const Case cases[] = {
        {codes::kStatusPaused, 0,
         named + " está em pausa no Windows (retome a impressão na fila da impressora)"},
        {codes::kStatusOffline, 0,
         named + " está offline no Windows (ligue-a ou desmarque \"Usar impressora offline\" "
                 "na fila da impressora)"},
        {0, codes::kAttributeWorkOffline,
         named + " está offline no Windows (ligue-a ou desmarque \"Usar impressora offline\" "
                 "na fila da impressora)"},
        {codes::kStatusError, 0, named + " está com erro no Windows (veja a fila da impressora)"},
        {codes::kStatusPendingDeletion | codes::kStatusPaused, 0,
         named + " está sendo removida do Windows"},
    };
    for (const Case& c : cases) {
        SpoolerDouble spooler;
        spooler.printerState.status = c.status;
        spooler.printerState.attributes = c.attributes;
        const core::Delivery sent = sendThrough(spooler, "^XA^XZ");
        EXPECT_EQ(sent.status, core::kStatusIoError) << c.reason;
        EXPECT_EQ(sent.reason, c.reason);
        EXPECT_FALSE(sent.bytesWritten) << c.reason;
        EXPECT_EQ(spooler.writes, 0) << c.reason;
        EXPECT_EQ(spooler.calls, (std::vector<std::string>{"open " + kPrinter, "state", "close"}))
            << c.reason;
    }
}

TEST(SpoolerDestination, DataTypeFollowsTheDriverAndOneTakingNeitherIsRefusedNamed) {
    struct Case {
        bool xpsDriver;
        std::vector<std::string> dataTypes;
        std::string started;  // "" when refused
    };
    const Case cases[] = {
        {false, {"RAW", "NT EMF 1.008"}, "RAW"},
        {true, {"RAW", "XPS_PASS"}, "XPS_PASS"},
        {true, {"RAW"}, "RAW"},
        {false, {"XPS_PASS"}, "XPS_PASS"},
        {false, {}, "RAW"},
        {false, {"NT EMF 1.008", "TEXT"}, ""},
        {true, {"NT EMF 1.008"}, ""},
    };
    for (const Case& c : cases) {
        SpoolerDouble spooler;
        spooler.printerState.xpsDriver = c.xpsDriver;
        spooler.printerState.dataTypes = c.dataTypes;
        const core::Delivery sent = sendThrough(spooler, "^XA^XZ");
        if (c.started.empty()) {
            EXPECT_EQ(sent.reason, "o driver \"ZDesigner ZD220-203dpi ZPL\" da impressora \"" +
                                       kPrinter +
                                       "\" não aceita os comandos da impressora (nem RAW nem "
                                       "XPS_PASS): instale um driver que os aceite, como o "
                                       "\"Generic / Text Only\"");
            EXPECT_EQ(spooler.calls.size(), 3u) << "nothing started";
        } else {
            EXPECT_TRUE(sent.ok()) << sent.reason;
            EXPECT_EQ(spooler.calls[2], "start Rotulano - etiquetas " + c.started);
        }
    }
}

TEST(SpoolerDestination, DriverThatRefusesTheDataTypeAtTheStartIsNamed) {
    SpoolerDouble spooler;
    spooler.startError = codes::kErrorInvalidDataType;
    const core::Delivery sent = sendThrough(spooler, "^XA^XZ");
    EXPECT_EQ(sent.status, core::kStatusIoError);
    EXPECT_EQ(sent.reason.rfind("o driver \"ZDesigner ZD220-203dpi ZPL\" da impressora", 0), 0u)
        << sent.reason;
    EXPECT_EQ(spooler.writes, 0);
}

TEST(SpoolerDestination, CancelDeletesTheJobBeforeItPrintsAndSendsNoMore) {
    SpoolerDouble spooler;
    std::atomic<bool> stop{false};
    spooler.cancelAfterWrite = &stop;
    const std::string row = rowBytes(150 * 1024);
    const core::Delivery sent = sendThrough(spooler, row, stop);
    EXPECT_EQ(sent.status, core::kStatusIoError);
    EXPECT_EQ(sent.reason, "envio cancelado");
    EXPECT_FALSE(sent.bytesWritten);
    EXPECT_EQ(spooler.spooled, row.substr(0, 64 * 1024));
    EXPECT_EQ(spooler.calls, (std::vector<std::string>{"open " + kPrinter, "state",
                                                       "start Rotulano - etiquetas RAW",
                                                       "delete 42", "end", "close"}));
}

TEST(SpoolerDestination, FailedWriteDeletesTheJobAndAJobNotDeletedCarriesTheWarning) {
    for (const unsigned long deleteError : {0UL, 5UL}) {
        SpoolerDouble spooler;
        spooler.failingWrite = 2;
        spooler.deleteError = deleteError;
        const core::Delivery sent = sendThrough(spooler, rowBytes(150 * 1024));
        EXPECT_EQ(sent.reason, "o spooler do Windows não aceitou as etiquetas (erro 6 do Windows)");
        EXPECT_EQ(sent.bytesWritten, deleteError != 0);
        EXPECT_EQ(spooler.calls[3], "delete 42");
    }
}

TEST(SpoolerDestination, PrinterWindowsDoesNotKnowOrLetsNotOpenIsSaidSo) {
    struct Case {
        unsigned long error;
        core::FileStatus status;
        std::string reason;
    };
    const Case cases[] = {
        {codes::kErrorInvalidPrinterName, core::kStatusNotFound,
         "a impressora \"" + kPrinter +
             "\" não existe no Windows (veja o nome em Configurações > Impressoras)"},
        {codes::kErrorPrinterNotFound, core::kStatusNotFound,
         "a impressora \"" + kPrinter +
             "\" não existe no Windows (veja o nome em Configurações > Impressoras)"},
        {codes::kErrorAccessDenied, core::kStatusNotPermitted,
         "permissão negada na impressora \"" + kPrinter + "\""},
        {1722, core::kStatusIoError,
         "o spooler do Windows não abriu a impressora \"" + kPrinter + "\" (erro 1722 do Windows)"},
    };
    for (const Case& c : cases) {
        SpoolerDouble spooler;
        spooler.openError = c.error;
        const core::Delivery sent = sendThrough(spooler, "^XA^XZ");
        EXPECT_EQ(sent.status, c.status) << c.error;
        EXPECT_EQ(sent.reason, c.reason);
        EXPECT_EQ(spooler.calls, std::vector<std::string>{"open " + kPrinter}) << "never closed";
    }
}
