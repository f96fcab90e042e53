#include "printing/DestinationSink.h"

#include "config/PrinterLists.h"
#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

DestinationSink::DestinationSink(PortSink& usual, PrintChannel& channel,
                                 const config::PortsTable& table, DestinationSender& destinations)
    : usual_(usual), channel_(channel), table_(table), destinations_(destinations) {}

PortCheck DestinationSink::prepare(const core::PrinterSettings& settings) {
    const int port = settings.port();
    route_.reset();
    if (config::PrinterLists::isListedPort(port)) {
        route_.emplace(config::PrinterLists::portName(port), table_);
    }
    if (!routed()) {
        return usual_.prepare(settings);
    }
    const core::PortDestination& destination = *route_->destination();
    if (!lock_.take(channel_.platform().printerLockSpace(),
                    PrinterLock::destinationKey(destination))) {
        return {PortCheck::Kind::PrinterBusy, core::kStatusLocked, route_->portName(),
                destination.text};
    }
    ChannelState& state = channel_.state();
    if (!route_->runsSerialSetup() || state.serialPortConfigured) {
        return {};
    }
    // The set-up feeds one empty line through the entry's device, with its line settings.
    const core::Delivery fed = destinations_.send(destination, kRecordEnd);
    if (!fed.ok()) {
        return {PortCheck::Kind::SerialFailure, fed.status, route_->portName()};
    }
    return {PortCheck::Kind::SerialSetUp, core::kStatusOk, route_->portName()};
}

void DestinationSink::jobEnded() {
    lock_.release();
    usual_.jobEnded();
    destinations_.jobEnded();
}

void DestinationSink::confirmSetUp() {
    usual_.confirmSetUp();
}

StatusCheck DestinationSink::askStatus(const core::PrinterSettings& settings) {
    if (!routed() || !route_->destination()->checksStatus()) {
        return {};
    }
    const core::PortDestination& destination = *route_->destination();
    const bool zpl = settings.printerModel().printsZpl();
    return {destinations_.askStatus(destination, zpl), route_->portName(), destination.text,
            destinations_.statusWait()};
}

void DestinationSink::beginRow() {
    pieces_.clear();
    if (!routed()) {
        usual_.beginRow();
    }
}

bool DestinationSink::write(const std::string& bytes, ChannelResult& result) {
    if (!routed()) {
        return usual_.write(bytes, result);
    }
    pieces_.push_back({bytes, std::chrono::milliseconds(0)});
    return true;
}

void DestinationSink::pause(std::chrono::milliseconds duration) {
    if (!routed()) {
        usual_.pause(duration);
    } else if (!pieces_.empty()) {
        pieces_.back().pauseAfter += duration;
    }
}

bool DestinationSink::finishRow(ChannelResult& result) {
    if (!routed()) {
        return usual_.finishRow(result);
    }
    const core::Delivery delivery = destinations_.sendRow(*route_->destination(), pieces_);
    pieces_.clear();
    if (!delivery.ok()) {
        fail(delivery, result);
        return false;
    }
    return true;
}

void DestinationSink::fail(const core::Delivery& delivery, ChannelResult& result) const {
    result.fail(ChannelStep::PortCopy, delivery.status, route_->destination()->text,
                route_->portName());
    result.reason = delivery.reason;
    result.bytesWritten = delivery.bytesWritten;
}

}  // namespace rotulano::printing
