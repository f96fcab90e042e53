#pragma once

#include <chrono>
#include <string>

#include "core/FileStatus.h"
#include "core/PrinterSettings.h"
#include "printing/ChannelResult.h"
#include "printing/PrinterStatus.h"

namespace rotulano::printing {

// What a destination says when the print job asks it to get ready for a row.
struct PortCheck {
    enum class Kind {
        Ready,
        InvalidPort,    // the saved port is none of LPT1, LPT2, COM1 to COM4
        SerialSetUp,    // a COM port was just set up: the operator confirms, then Ready
        SerialFailure,  // the COM port could not be set up (`status`)
        NoPrintFolder,  // no usable folder for the print files (`status`, `name`)
        PrinterBusy,    // another job of this machine holds the printer (`name`, `destination`)
    };
    Kind kind = Kind::Ready;
    core::FileStatus status = core::kStatusOk;
    std::string name;
    std::string destination{};  // the device or destination of the port `name`
};

// The printer's status, asked before a row: what it said, the port and destination it was
// asked through, and how long it had to answer.
struct StatusCheck {
    PrinterStatus status;
    std::string portName;
    std::string destination;
    std::chrono::milliseconds wait{0};
};

// Where the bytes of a print job go: the printer's port, memory, or any other
// destination. A printer's sink holds the printer for the job from its first prepare()
// to jobEnded(), refusing it while another job of this machine holds it. The engine gets
// the destination ready before each row, then writes the
// row's pieces in order (logo download records, the logo file, the label file), pausing
// where the printer needs time, and finishes the row. A piece is written whole or the
// write fails with its status, the port and the destination tried; after a failure the
// engine writes nothing more in that job.
class JobSink {
  public:
    virtual ~JobSink() = default;

    // Before each row: checks the destination (and sets it up once where it needs that).
    virtual PortCheck prepare(const core::PrinterSettings& settings) = 0;
    // The operator confirmed a set-up that prepare() reported as SerialSetUp.
    virtual void confirmSetUp() {}

    // After prepare(): asks the printer for its status where the destination's check is
    // on; NotAsked where it is off or the destination cannot answer.
    virtual StatusCheck askStatus(const core::PrinterSettings& settings) {
        (void)settings;
        return {};
    }

    virtual void beginRow() {}
    // Sends `bytes` whole; false, with the failure in `result`, when they did not all
    // leave the program.
    virtual bool write(const std::string& bytes, ChannelResult& result) = 0;
    // Gives the printer time (to store a downloaded image).
    virtual void pause(std::chrono::milliseconds duration) = 0;
    // The row's bytes have left the program; false, with the failure in `result`, if
    // the destination could not confirm it.
    virtual bool finishRow(ChannelResult&) { return true; }

    // Called from any thread: a wait for a destination that has stopped taking bytes
    // ends at once, and the write in hand fails.
    virtual void cancel() {}

    // The job is over, however it ended: the printer is free for the next job.
    virtual void jobEnded() {}
};

}  // namespace rotulano::printing
