#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/PortsTable.h"
#include "printing/JobSink.h"
#include "printing/PortRoute.h"
#include "printing/PortSink.h"
#include "printing/PrinterLock.h"
#include "printing/SystemDestinations.h"

namespace rotulano::printing {

// The print job's way to the printer once the ports file has its say: a port name with
// an entry gets its row's pieces gathered and sent at the row's end as one row (one
// connection, one queue job, or one held device with the pauses); a port name without
// one goes through the usual port sink, as always. A COM name whose entry is a device is
// set up once per run of the program on that device, with its serial line settings.
// Either way the printer is held for the job from its first preparation (PrinterLock).
class DestinationSink : public JobSink {
  public:
    DestinationSink(PortSink& usual, PrintChannel& channel, const config::PortsTable& table,
                    DestinationSender& destinations);

    PortCheck prepare(const core::PrinterSettings& settings) override;
    void confirmSetUp() override;
    StatusCheck askStatus(const core::PrinterSettings& settings) override;
    void beginRow() override;
    bool write(const std::string& bytes, ChannelResult& result) override;
    void pause(std::chrono::milliseconds duration) override;
    bool finishRow(ChannelResult& result) override;
    void cancel() override {
        usual_.cancel();
        destinations_.cancel();
    }
    void jobEnded() override;

  private:
    bool routed() const { return route_ && route_->destination(); }
    void fail(const core::Delivery& delivery, ChannelResult& result) const;

    PortSink& usual_;
    PrintChannel& channel_;
    const config::PortsTable& table_;
    DestinationSender& destinations_;
    std::optional<PortRoute> route_;
    std::vector<RowPiece> pieces_;
    PrinterLock lock_;
};

}  // namespace rotulano::printing
