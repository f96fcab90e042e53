#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/Delivery.h"
#include "core/PortDestination.h"

namespace rotulano::printing {

// The spooler's numbers the job's rules read, as winspool.h and winerror.h give them
// (SpoolerCalls_win.cpp checks them against the system's headers), so that the rules and
// their tests build on every system.
namespace spoolerCodes {
inline constexpr unsigned long kStatusPaused = 0x1;
inline constexpr unsigned long kStatusError = 0x2;
inline constexpr unsigned long kStatusPendingDeletion = 0x4;
inline constexpr unsigned long kStatusOffline = 0x80;
inline constexpr unsigned long kAttributeWorkOffline = 0x400;
inline constexpr unsigned long kErrorAccessDenied = 5;
inline constexpr unsigned long kErrorInvalidPrinterName = 1801;
inline constexpr unsigned long kErrorInvalidDataType = 1804;
inline constexpr unsigned long kErrorPrinterNotFound = 3012;
}  // namespace spoolerCodes

// What the Windows spooler says of a printer before a job is made for it.
struct SpoolerPrinterState {
    // GetPrinterW level 2: the queue's PRINTER_STATUS_* and PRINTER_ATTRIBUTE_* bits.
    unsigned long status = 0;
    unsigned long attributes = 0;
    // GetPrinterDriverW: the driver's name, and whether it is an XPS (v4) driver, which
    // takes a printer's own language as "XPS_PASS" rather than "RAW".
    std::string driver;
    bool xpsDriver = false;
    // The data types the printer's print processor takes; empty when it would not say.
    std::vector<std::string> dataTypes;
};

// The spooler's calls a job makes, on one printer at a time: the system's own
// (systemSpoolerCalls, Windows only) or a test's double. Each returns 0 or the system's
// error code (GetLastError).
class SpoolerCalls {
  public:
    virtual ~SpoolerCalls() = default;
    // OpenPrinterW.
    virtual unsigned long open(const std::string& printer) = 0;
    // GetPrinterW level 2, GetPrinterDriverW, EnumPrintProcessorDatatypesW.
    virtual unsigned long state(SpoolerPrinterState& state) = 0;
    // StartDocPrinterW with `dataType`, then StartPagePrinter; `jobId` gets the job's number.
    virtual unsigned long startDocument(const std::string& name, const std::string& dataType,
                                        unsigned long& jobId) = 0;
    // WritePrinter: `written` gets what the spooler took.
    virtual unsigned long write(const char* bytes, std::size_t size, std::size_t& written) = 0;
    // EndPagePrinter, then EndDocPrinter: the job is the spooler's from here.
    virtual unsigned long endDocument() = 0;
    // SetJobW(JOB_CONTROL_DELETE): a job not printed yet is thrown away.
    virtual unsigned long deleteJob(unsigned long jobId) = 0;
    // ClosePrinter; called once for every open that succeeded.
    virtual void close() = 0;
};

#ifdef _WIN32
// The Windows spooler (SpoolerCalls_win.cpp).
std::unique_ptr<SpoolerCalls> systemSpoolerCalls();
#endif

// A printer of the Windows spooler (spooler://PRINTER): this is how Windows reaches a USB
// printer, whose port the spooler owns. Each row is one spooler job holding the row's
// bytes whole (its logo download and its label file), so that another program's job can
// never land between a DPL image header and its bitmap. The printer's state is read
// first: a printer paused, in error, offline or being removed is refused with nothing
// sent. The bytes go as the printer's own language: "RAW", or "XPS_PASS" for an XPS (v4)
// driver; a driver that takes neither is refused, named. The row is delivered once the
// spooler has the whole job; its number is kept in the delivery. A failure or a cancel
// before then deletes the job, which has printed nothing yet.
// The printer's status is never asked: the spooler owns its port.
class SpoolerDestination {
  public:
    SpoolerDestination(const core::PortDestination& destination, SpoolerCalls& calls,
                       const std::atomic<bool>& stop);

    core::Delivery send(const std::string& bytes) const;

  private:
    core::Delivery sendOpen(const std::string& bytes) const;
    core::Delivery writeJob(const std::string& bytes, unsigned long jobId) const;
    core::Delivery deleted(core::Delivery failure, unsigned long jobId) const;

    const core::PortDestination& destination_;
    SpoolerCalls& calls_;
    const std::atomic<bool>& stop_;
};

}  // namespace rotulano::printing
