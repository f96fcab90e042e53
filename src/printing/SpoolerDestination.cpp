#include "printing/SpoolerDestination.h"

#include <algorithm>

namespace rotulano::printing {

namespace {

namespace codes = spoolerCodes;

// The document's name in the spooler's list of jobs.
constexpr const char* kDocumentName = "Rotulano - etiquetas";
constexpr const char* kRaw = "RAW";
constexpr const char* kXpsPass = "XPS_PASS";
// The bytes of one WritePrinter: a cancel is looked at between them.
constexpr std::size_t kLargestWrite = 64 * 1024;

// The messages of the spooler's printers: each names the printer as the ports file does.
std::string quotedPrinter(const std::string& printer) {
    return "a impressora \"" + printer + "\"";
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string errorCode(unsigned long error) {
    return error == 0 ? std::string() : " (erro " + std::to_string(error) + " do Windows)";
}

core::Delivery openFailure(const std::string& printer, unsigned long error) {
    if (error == codes::kErrorInvalidPrinterName || error == codes::kErrorPrinterNotFound) {
        return core::Delivery::failed(core::kStatusNotFound, quotedPrinter(printer) +
                                                                 " não existe no Windows (veja o "
                                                                 "nome em Configurações > "
                                                                 "Impressoras)");
    }
    if (error == codes::kErrorAccessDenied) {
        return core::Delivery::failed(core::kStatusNotPermitted,
                                      "permissão negada na impressora " + quoted(printer));
    }
    return core::Delivery::failed(
        core::kStatusIoError,
        "o spooler do Windows não abriu " + quotedPrinter(printer) + errorCode(error));
}

// A printer that cannot print now, or "" for one that can. The first reason that
// applies is given: a printer being removed is gone whatever else it says.
std::string stateRefusal(const std::string& printer, const SpoolerPrinterState& state) {
    const std::string named = quotedPrinter(printer);
    if ((state.status & codes::kStatusPendingDeletion) != 0) {
        return named + " está sendo removida do Windows";
    }
    if ((state.status & codes::kStatusPaused) != 0) {
        return named + " está em pausa no Windows (retome a impressão na fila da impressora)";
    }
    if ((state.status & codes::kStatusOffline) != 0 ||
        (state.attributes & codes::kAttributeWorkOffline) != 0) {
        return named +
               " está offline no Windows (ligue-a ou desmarque \"Usar impressora "
               "offline\" na fila da impressora)";
    }
    if ((state.status & codes::kStatusError) != 0) {
        return named + " está com erro no Windows (veja a fila da impressora)";
    }
    return {};
}

core::Delivery driverRefusal(const std::string& printer, const SpoolerPrinterState& state) {
    return core::Delivery::failed(core::kStatusIoError,
                                  "o driver " + quoted(state.driver) + " da impressora " +
                                      quoted(printer) +
                                      " não aceita os comandos da impressora (nem RAW nem "
                                      "XPS_PASS): instale um driver que os aceite, como o "
                                      "\"Generic / Text Only\"");
}

bool takes(const SpoolerPrinterState& state, const std::string& dataType) {
    return state.dataTypes.empty() || std::find(state.dataTypes.begin(), state.dataTypes.end(),
                                                dataType) != state.dataTypes.end();
}

// The data type the printer's own language goes as: XPS_PASS through an XPS (v4)
// driver, RAW through any other; the other one when the driver's print processor takes
// only that; "" when it takes neither.
std::string dataTypeFor(const SpoolerPrinterState& state) {
    const std::string wanted = state.xpsDriver ? kXpsPass : kRaw;
    const std::string other = state.xpsDriver ? kRaw : kXpsPass;
    if (takes(state, wanted)) {
        return wanted;
    }
    return takes(state, other) ? other : std::string();
}

}  // namespace

SpoolerDestination::SpoolerDestination(const core::PortDestination& destination,
                                       SpoolerCalls& calls, const std::atomic<bool>& stop)
    : destination_(destination), calls_(calls), stop_(stop) {}

core::Delivery SpoolerDestination::send(const std::string& bytes) const {
    const unsigned long opened = calls_.open(destination_.target);
    if (opened != 0) {
        return openFailure(destination_.target, opened);
    }
    core::Delivery delivery = sendOpen(bytes);
    calls_.close();
    return delivery;
}

core::Delivery SpoolerDestination::sendOpen(const std::string& bytes) const {
    const std::string& printer = destination_.target;
    SpoolerPrinterState state;
    const unsigned long asked = calls_.state(state);
    if (asked != 0) {
        return core::Delivery::failed(core::kStatusIoError,
                                      "o spooler do Windows não informou o estado da impressora " +
                                          quoted(printer) + errorCode(asked));
    }
    const std::string refusal = stateRefusal(printer, state);
    if (!refusal.empty()) {
        return core::Delivery::failed(core::kStatusIoError, refusal);
    }
    const std::string dataType = dataTypeFor(state);
    if (dataType.empty()) {
        return driverRefusal(printer, state);
    }
    unsigned long jobId = 0;
    const unsigned long started = calls_.startDocument(kDocumentName, dataType, jobId);
    if (started == codes::kErrorInvalidDataType) {
        return driverRefusal(printer, state);
    }
    if (started != 0) {
        return core::Delivery::failed(core::kStatusIoError,
                                      "o spooler do Windows não criou o trabalho para " +
                                          quotedPrinter(printer) + errorCode(started));
    }
    return writeJob(bytes, jobId);
}

core::Delivery SpoolerDestination::writeJob(const std::string& bytes, unsigned long jobId) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (stop_) {
            return deleted(core::Delivery::failed(core::kStatusIoError, "envio cancelado"), jobId);
        }
        const std::size_t size = std::min(kLargestWrite, bytes.size() - done);
        std::size_t written = 0;
        const unsigned long error = calls_.write(bytes.data() + done, size, written);
        if (error != 0 || written == 0) {
            return deleted(core::Delivery::failed(core::kStatusIoError,
                                                  "o spooler do Windows não aceitou as "
                                                  "etiquetas" +
                                                      errorCode(error)),
                           jobId);
        }
        done += written;
    }
    const unsigned long ended = calls_.endDocument();
    if (ended != 0) {
        return deleted(core::Delivery::failed(
                           core::kStatusIoError,
                           "o spooler do Windows não aceitou o trabalho" + errorCode(ended)),
                       jobId);
    }
    core::Delivery delivery;
    delivery.queueJobId = static_cast<int>(jobId);
    return delivery;
}

// A job that will not be whole is deleted before it prints. One the spooler would not
// delete may still print what it was given: the operator is told to look.
core::Delivery SpoolerDestination::deleted(core::Delivery failure, unsigned long jobId) const {
    const unsigned long refused = calls_.deleteJob(jobId);
    calls_.endDocument();
    failure.bytesWritten = refused != 0;
    return failure;
}

}  // namespace rotulano::printing
