#include "printing/SerialLineSetup.h"

#include <cerrno>
#include <optional>
#include <utility>

#include "config/DestinationText.h"

namespace rotulano::printing {

namespace {

// The system's code of each speed of the one table of speeds (destinationText's); a speed
// that is not in that table has none, and is refused rather than taken for another.
std::optional<speed_t> speedCode(int speed) {
    static const std::pair<int, speed_t> kCodes[] = {
        {300, B300},     {600, B600},       {1200, B1200},    {2400, B2400},
        {4800, B4800},   {9600, B9600},     {19200, B19200},  {38400, B38400},
        {57600, B57600}, {115200, B115200}, {230400, B230400}};
    if (!config::destinationText::isSerialSpeed(speed)) {
        return std::nullopt;
    }
    for (const auto& [bitsPerSecond, code] : kCodes) {
        if (bitsPerSecond == speed) {
            return code;
        }
    }
    return std::nullopt;
}

tcflag_t sizeFlag(int bits) {
    switch (bits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

void makeRaw(termios& settings) {
    settings.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
}

void applyFraming(termios& settings, const core::SerialLine& line) {
    if (line.dataBits) {
        settings.c_cflag =
            (settings.c_cflag & ~static_cast<tcflag_t>(CSIZE)) | sizeFlag(*line.dataBits);
    }
    if (line.parity) {
        settings.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD);
        if (*line.parity != core::Parity::None) {
            settings.c_cflag |= PARENB;
        }
        if (*line.parity == core::Parity::Odd) {
            settings.c_cflag |= PARODD;
        }
    }
    if (line.stopBits) {
        settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
        if (*line.stopBits == 2) {
            settings.c_cflag |= CSTOPB;
        }
    }
}

void applyFlowControl(termios& settings, core::FlowControl flow) {
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    if (flow == core::FlowControl::RtsCts) {
        settings.c_cflag |= CRTSCTS;
    } else if (flow == core::FlowControl::XonXoff) {
        settings.c_iflag |= IXON | IXOFF;
    }
}

}  // namespace

bool serialSettings(SerialSettings& settings, const core::SerialLine& line) {
    makeRaw(settings);
    if (line.speed) {
        const std::optional<speed_t> code = speedCode(*line.speed);
        if (!code || ::cfsetospeed(&settings, *code) != 0 || ::cfsetispeed(&settings, *code) != 0) {
            return false;
        }
    }
    applyFraming(settings, line);
    if (line.flowControl) {
        applyFlowControl(settings, *line.flowControl);
    }
    return true;
}

int applySerialLine(int fd, const core::SerialLine& line) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return errno;
    }
    if (!serialSettings(settings, line)) {
        return EINVAL;
    }
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace rotulano::printing
