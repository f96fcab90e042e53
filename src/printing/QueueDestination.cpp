#include "printing/QueueDestination.h"

#ifdef ROTULANO_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace rotulano::printing {

namespace {

constexpr const char* kJobTitle = "Rotulano";
constexpr const char* kDocumentName = "etiquetas";

#ifdef ROTULANO_HAVE_CUPS

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The client library's waits come back to the program this often, so that a cancel is
// seen within it.
constexpr milliseconds kServiceLook{250};
// How long the service is given to take back the job it made for a row that failed or
// was cancelled.
constexpr milliseconds kJobCancelWait{1000};

// The connection's cancel is the job's own flag, read by the library as an int.
static_assert(std::atomic<int>::is_always_lock_free && sizeof(std::atomic<int>) == sizeof(int),
              "the job's cancel must read as a plain int");

// How long the service's waits go on: the library asks after every kServiceLook with
// nothing moving. Calls one look apart are one wait going on; a longer gap means the
// service answered or took bytes between them, and the stall limit starts again.
struct ServiceWait {
    const std::atomic<int>* cancel = nullptr;  // null: the cancel is no longer looked at
    milliseconds stall;
    Clock::time_point lastCall{};
    Clock::time_point idleSince{};

    // From here on only `limit` more, whatever the cancel: the job's cancel request.
    void leaving(milliseconds limit) {
        cancel = nullptr;
        stall = limit;
        lastCall = {};
    }
};

int keepWaiting(http_t*, void* data) {
    ServiceWait& wait = *static_cast<ServiceWait*>(data);
    if (wait.cancel != nullptr && wait.cancel->load() != 0) {
        return 0;
    }
    const Clock::time_point now = Clock::now();
    if (now - wait.lastCall > 2 * kServiceLook) {
        wait.idleSince = now - kServiceLook;
    }
    wait.lastCall = now;
    return now - wait.idleSince < wait.stall ? 1 : 0;
}

// Closes the connection however the send ends.
struct Connection {
    http_t* http = nullptr;
    ~Connection() {
        if (http != nullptr) {
            httpClose(http);
        }
    }
};

core::Delivery serviceFailure(const std::string& what) {
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        return core::Delivery::failed(core::kStatusNotFound, "fila não encontrada");
    }
    if (status == IPP_STATUS_ERROR_FORBIDDEN || status == IPP_STATUS_ERROR_NOT_AUTHORIZED ||
        status == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED) {
        return core::Delivery::failed(core::kStatusNotPermitted, "permissão negada na fila");
    }
    return core::Delivery::failed(core::kStatusIoError,
                                  what + " (" + std::string(cupsLastErrorString()) + ")");
}

// Reads printer-state and printer-is-accepting-jobs before anything is sent.
core::Delivery queueState(http_t* http, const std::string& queue) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", queue.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const kWanted[] = {"printer-state", "printer-is-accepting-jobs"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  kWanted);
    ipp_t* response = cupsDoRequest(http, request, "/");
    if (response == nullptr || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return serviceFailure("o serviço de impressão não respondeu");
    }
    ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM);
    ipp_attribute_t* accepting =
        ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    const bool stopped = state != nullptr && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
    const bool rejecting = accepting != nullptr && ippGetBoolean(accepting, 0) == 0;
    ippDelete(response);
    if (stopped) {
        return core::Delivery::failed(core::kStatusIoError, "fila parada");
    }
    if (rejecting) {
        return core::Delivery::failed(core::kStatusIoError, "a fila não aceita trabalhos");
    }
    return {};
}

core::Delivery sendJob(http_t* http, const std::string& queue, const std::string& bytes,
                       ServiceWait& wait) {
    const int job = cupsCreateJob(http, queue.c_str(), kJobTitle, 0, nullptr);
    if (job == 0) {
        return serviceFailure("a fila não criou o trabalho");
    }
    const bool written =
        cupsStartDocument(http, queue.c_str(), job, kDocumentName, CUPS_FORMAT_RAW, 1) ==
            HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(http, bytes.data(), bytes.size()) == HTTP_STATUS_CONTINUE;
    const ipp_status_t finished = cupsFinishDocument(http, queue.c_str());
    if (!written || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        const core::Delivery failure = serviceFailure("a fila não aceitou o trabalho");
        wait.leaving(kJobCancelWait);
        cupsCancelJob2(http, queue.c_str(), job, 0);
        return failure;
    }
    core::Delivery delivery;
    delivery.queueJobId = job;
    return delivery;
}

#endif

}  // namespace

QueueDestination::QueueDestination(const core::PortDestination& destination, std::string server,
                                   std::chrono::milliseconds stall, std::atomic<int>& cancel)
    : destination_(destination), server_(std::move(server)), stall_(stall), cancel_(cancel) {}

#ifdef ROTULANO_HAVE_CUPS

bool QueueDestination::available() {
    return true;
}

core::Delivery QueueDestination::send(const std::string& bytes) const {
    const std::string server = server_.empty() ? std::string(cupsServer()) : server_;
    // The waits' state outlives the connection, whose close may still wait.
    ServiceWait wait{&cancel_, stall_};
    Connection connection;
    connection.http =
        httpConnect2(server.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                     static_cast<int>(stall_.count()), reinterpret_cast<int*>(&cancel_));
    if (connection.http == nullptr) {
        return core::Delivery::failed(core::kStatusIoError, "o serviço de impressão não respondeu");
    }
    httpSetTimeout(connection.http, std::chrono::duration<double>(kServiceLook).count(),
                   keepWaiting, &wait);
    const core::Delivery state = queueState(connection.http, destination_.target);
    if (!state.ok()) {
        return state;
    }
    return sendJob(connection.http, destination_.target, bytes, wait);
}

#else

bool QueueDestination::available() {
    return false;
}

core::Delivery QueueDestination::send(const std::string&) const {
    (void)stall_, (void)cancel_;
    return core::Delivery::failed(core::kStatusIoError,
                                  "filas de impressão não disponíveis nesta instalação");
}

#endif

}  // namespace rotulano::printing
