#include <windows.h>
#include <winspool.h>

#include <vector>

#include "core/WideText.h"
#include "printing/SpoolerDestination.h"

namespace rotulano::printing {

namespace {

namespace codes = spoolerCodes;

static_assert(codes::kStatusPaused == PRINTER_STATUS_PAUSED);
static_assert(codes::kStatusError == PRINTER_STATUS_ERROR);
static_assert(codes::kStatusPendingDeletion == PRINTER_STATUS_PENDING_DELETION);
static_assert(codes::kStatusOffline == PRINTER_STATUS_OFFLINE);
static_assert(codes::kAttributeWorkOffline == PRINTER_ATTRIBUTE_WORK_OFFLINE);
static_assert(codes::kErrorAccessDenied == ERROR_ACCESS_DENIED);
static_assert(codes::kErrorInvalidPrinterName == ERROR_INVALID_PRINTER_NAME);
static_assert(codes::kErrorInvalidDataType == ERROR_INVALID_DATATYPE);
static_assert(codes::kErrorPrinterNotFound == ERROR_PRINTER_NOT_FOUND);

// A driver of the XPS print path (a v4 driver), in DRIVER_INFO_8's attributes.
#ifndef PRINTER_DRIVER_XPS
#define PRINTER_DRIVER_XPS 0x00000002
#endif

std::wstring wide(const std::string& text) {
    const std::u16string units = core::wideText(text);
    return std::wstring(units.begin(), units.end());
}

std::string narrow(const wchar_t* text) {
    if (text == nullptr) {
        return {};
    }
    const std::wstring units(text);
    return core::narrowText(std::u16string(units.begin(), units.end()));
}

// Asks `call` for its answer twice: once for its size, once into a buffer of that size.
template <typename Call>
bool sized(std::vector<BYTE>& buffer, Call call) {
    DWORD needed = 0;
    call(nullptr, 0, &needed);
    if (needed == 0) {
        return false;
    }
    buffer.assign(needed, 0);
    return call(buffer.data(), needed, &needed) != FALSE;
}

class SystemSpoolerCalls : public SpoolerCalls {
  public:
    unsigned long open(const std::string& printer) override {
        std::wstring name = wide(printer);
        return ::OpenPrinterW(name.data(), &printer_, nullptr) ? 0 : ::GetLastError();
    }

    unsigned long state(SpoolerPrinterState& state) override {
        std::vector<BYTE> info;
        if (!sized(info, [this](BYTE* to, DWORD size, DWORD* needed) {
                return ::GetPrinterW(printer_, 2, to, size, needed);
            })) {
            return ::GetLastError();
        }
        const auto* printer = reinterpret_cast<const PRINTER_INFO_2W*>(info.data());
        state.status = printer->Status;
        state.attributes = printer->Attributes;
        state.driver = narrow(printer->pDriverName);
        readDriver(state);
        readDataTypes(printer->pPrintProcessor, state);
        return 0;
    }

    unsigned long startDocument(const std::string& name, const std::string& dataType,
                                unsigned long& jobId) override {
        std::wstring document = wide(name);
        std::wstring type = wide(dataType);
        DOC_INFO_1W info{document.data(), nullptr, type.data()};
        const DWORD job = ::StartDocPrinterW(printer_, 1, reinterpret_cast<BYTE*>(&info));
        if (job == 0) {
            return ::GetLastError();
        }
        jobId = job;
        return ::StartPagePrinter(printer_) ? 0 : ::GetLastError();
    }

    unsigned long write(const char* bytes, std::size_t size, std::size_t& written) override {
        DWORD took = 0;
        const BOOL wrote =
            ::WritePrinter(printer_, const_cast<char*>(bytes), static_cast<DWORD>(size), &took);
        written = took;
        return wrote ? 0 : ::GetLastError();
    }

    unsigned long endDocument() override {
        ::EndPagePrinter(printer_);
        return ::EndDocPrinter(printer_) ? 0 : ::GetLastError();
    }

    unsigned long deleteJob(unsigned long jobId) override {
        return ::SetJobW(printer_, jobId, 0, nullptr, JOB_CONTROL_DELETE) ? 0 : ::GetLastError();
    }

    void close() override {
        ::ClosePrinter(printer_);
        printer_ = nullptr;
    }

  private:
    // A driver the spooler would not describe is taken for a classic one: RAW.
    void readDriver(SpoolerPrinterState& state) {
        std::vector<BYTE> info;
        if (sized(info, [this](BYTE* to, DWORD size, DWORD* needed) {
                return ::GetPrinterDriverW(printer_, nullptr, 8, to, size, needed);
            })) {
            const auto* driver = reinterpret_cast<const DRIVER_INFO_8W*>(info.data());
            state.xpsDriver = (driver->dwPrinterDriverAttributes & PRINTER_DRIVER_XPS) != 0;
        }
    }

    void readDataTypes(wchar_t* processor, SpoolerPrinterState& state) {
        std::vector<BYTE> info;
        DWORD count = 0;
        if (processor == nullptr ||
            !sized(info, [processor, &count](BYTE* to, DWORD size, DWORD* needed) {
                return ::EnumPrintProcessorDatatypesW(nullptr, processor, 1, to, size, needed,
                                                      &count);
            })) {
            return;
        }
        const auto* types = reinterpret_cast<const DATATYPES_INFO_1W*>(info.data());
        for (DWORD i = 0; i < count; ++i) {
            state.dataTypes.push_back(narrow(types[i].pName));
        }
    }

    HANDLE printer_ = nullptr;
};

}  // namespace

std::unique_ptr<SpoolerCalls> systemSpoolerCalls() {
    return std::make_unique<SystemSpoolerCalls>();
}

}  // namespace rotulano::printing
