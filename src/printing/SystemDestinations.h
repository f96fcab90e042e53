#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Delivery.h"
#include "core/PortDestination.h"
#include "printing/NameLookup.h"
#include "printing/PrinterStatus.h"

namespace rotulano::printing {

// One piece of a row (a logo download record, the logo file, the label file) and the
// time the printer needs after it (to store a downloaded image).
struct RowPiece {
    std::string bytes;
    std::chrono::milliseconds pauseAfter{0};
};

// Sends one row to a destination of the ports file, whole: a network printer gets one
// connection and a print queue one job holding every piece, without the pauses, so that
// nothing can come between a DPL image header and its bitmap; a device is held for the
// whole row and keeps the pauses. The interface lets tests stand in for the system.
class DestinationSender {
  public:
    virtual ~DestinationSender() = default;
    virtual core::Delivery sendRow(const core::PortDestination& destination,
                                   const std::vector<RowPiece>& pieces) = 0;

    // Asks the printer of `destination` for its status in its language (ZPL or DPL).
    // A destination that cannot be asked is NotAsked.
    virtual PrinterStatus askStatus(const core::PortDestination& destination, bool zpl) {
        (void)destination, (void)zpl;
        return {};
    }

    // How long a printer asked has to answer.
    virtual std::chrono::milliseconds statusWait() const { return kStatusWait; }
    // From any thread: a printer being asked is waited for no more, and one being asked
    // again (its buffer full) is asked no more.
    virtual void cancel() {}
    // The job is over: what was learnt for it (a printer's addresses) is not kept for
    // the next.
    virtual void jobEnded() {}

    static constexpr std::chrono::milliseconds kStatusWait{2000};

    // A row of one piece.
    core::Delivery send(const core::PortDestination& destination, const std::string& bytes) {
        return sendRow(destination, {RowPiece{bytes, std::chrono::milliseconds(0)}});
    }
};

// The operating system's side: a character device, a TCP connection or a job in the
// system's print queue (CUPS on Linux, the spooler on Windows), each bounded by the stall
// limit.
class SystemDestinations : public DestinationSender {
  public:
    static constexpr std::chrono::milliseconds kStallLimit{30000};
    // How long a network printer that has acknowledged a whole row is given to close its
    // side of the connection, which confirms the row.
    static constexpr std::chrono::milliseconds kCloseWait{10000};

    // `lookup`: where host names are looked up (the system's resolver when null), once
    // per job and within the stall limit; `queueServer`: the print service to ask (the
    // system's own when empty).
    explicit SystemDestinations(std::chrono::milliseconds stall = kStallLimit,
                                std::shared_ptr<const NameLookup> lookup = nullptr,
                                std::string queueServer = {});

    core::Delivery sendRow(const core::PortDestination& destination,
                           const std::vector<RowPiece>& pieces) override;
    // A network printer or a device, asked on a connection or an open of its own; a
    // receive buffer that stays full is asked again up to the stall limit.
    PrinterStatus askStatus(const core::PortDestination& destination, bool zpl) override;

    std::chrono::milliseconds statusWait() const override { return statusWait_; }
    void cancel() override;
    void jobEnded() override { jobLookup_.forget(); }
    void setStatusWait(std::chrono::milliseconds wait) { statusWait_ = wait; }
    void setCloseWait(std::chrono::milliseconds wait) { closeWait_ = wait; }

    // How a device's pauses are waited (the platform's wait, which tests skip).
    void setPause(std::function<void(std::chrono::milliseconds)> pause) {
        pause_ = std::move(pause);
    }

  private:
    core::Delivery sendToQueue(const core::PortDestination& destination, const std::string& bytes);

    std::chrono::milliseconds stall_;
    std::chrono::milliseconds statusWait_ = kStatusWait;
    std::chrono::milliseconds closeWait_ = kCloseWait;
    std::atomic<bool> cancelled_{false};
    // The same cancel as the print service's client library reads it.
    std::atomic<int> queueCancelled_{0};
    std::function<void(std::chrono::milliseconds)> pause_;
    JobNameLookup jobLookup_;
    std::string queueServer_;
};

// What a failed row's message adds once any of its bytes had left the program.
inline constexpr const char* kPartlySentWarning =
    "a impressora pode ter recebido parte das etiquetas desta linha: confira antes de imprimir "
    "de novo";

// The message of a row the destination did not take, e.g. "Não foi possível enviar as
// etiquetas para a porta LPT1 (tcp://10.0.0.7:9100): conexão recusada [30]." A row some of
// whose bytes were written ends with the warning above instead of the full stop alone.
std::string deliveryFailureMessage(const std::string& portName, const std::string& destination,
                                   const core::Delivery& delivery);

}  // namespace rotulano::printing
