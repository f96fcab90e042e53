#include <cerrno>

#include "config/DestinationText.h"
#include "printing/PortStream_win.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::printing {

namespace {

// How long a read of the line waits for its first byte; a status answer is read in
// such waits until it is whole or its own wait is over.
constexpr DWORD kReadWait = 50;

BYTE parityCode(core::Parity parity) {
    switch (parity) {
        case core::Parity::Even:
            return EVENPARITY;
        case core::Parity::Odd:
            return ODDPARITY;
        default:
            return NOPARITY;
    }
}

// Bytes pass unchanged: no parity check replaces or drops a byte, no error stops the
// line, nothing is taken for an end of file.
void makeRaw(DCB& line) {
    line.fBinary = TRUE;
    line.fErrorChar = FALSE;
    line.fNull = FALSE;
    line.fAbortOnError = FALSE;
    line.fDsrSensitivity = FALSE;
    line.fOutxDsrFlow = FALSE;
}

void applyFraming(DCB& line, const core::SerialLine& wanted) {
    if (wanted.dataBits) {
        line.ByteSize = static_cast<BYTE>(*wanted.dataBits);
    }
    if (wanted.parity) {
        line.Parity = parityCode(*wanted.parity);
        line.fParity = *wanted.parity != core::Parity::None ? TRUE : FALSE;
    }
    if (wanted.stopBits) {
        line.StopBits = *wanted.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    }
}

void applyFlowControl(DCB& line, core::FlowControl flow) {
    const bool rtsCts = flow == core::FlowControl::RtsCts;
    const bool xonXoff = flow == core::FlowControl::XonXoff;
    line.fOutxCtsFlow = rtsCts ? TRUE : FALSE;
    line.fRtsControl = rtsCts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    line.fOutX = xonXoff ? TRUE : FALSE;
    line.fInX = xonXoff ? TRUE : FALSE;
}

// A read returns at once with what has come, or waits up to kReadWait for a first byte;
// a write has no time limit of the driver's: writeAll bounds it and cancels it.
COMMTIMEOUTS lineWaits() {
    COMMTIMEOUTS waits{};
    waits.ReadIntervalTimeout = MAXDWORD;
    waits.ReadTotalTimeoutMultiplier = MAXDWORD;
    waits.ReadTotalTimeoutConstant = kReadWait;
    return waits;
}

}  // namespace

bool serialSettings(SerialSettings& line, const core::SerialLine& wanted) {
    makeRaw(line);
    if (wanted.speed) {
        // Windows takes the speed itself rather than a code; the table still decides which
        // speeds a line is given.
        if (!config::destinationText::isSerialSpeed(*wanted.speed)) {
            return false;
        }
        line.BaudRate = static_cast<DWORD>(*wanted.speed);
    }
    applyFraming(line, wanted);
    if (wanted.flowControl) {
        applyFlowControl(line, *wanted.flowControl);
    }
    return true;
}

int applySerialLine(int fd, const core::SerialLine& wanted) {
    const HANDLE port = portStream::handleOf(fd);
    DCB line{};
    line.DCBlength = sizeof line;
    if (!::GetCommState(port, &line)) {
        return portStream::errnoOf(::GetLastError());
    }
    if (!serialSettings(line, wanted)) {
        return EINVAL;
    }
    COMMTIMEOUTS waits = lineWaits();
    if (!::SetCommState(port, &line) || !::SetCommTimeouts(port, &waits)) {
        return portStream::errnoOf(::GetLastError());
    }
    return 0;
}

}  // namespace rotulano::printing
