#include "printing/SerialLineSetup.h"

#include <cerrno>

namespace rotulano::printing {

#ifndef _WIN32

namespace {

speed_t speedCode(int speed) {
    switch (speed) {
        case 300:
            return B300;
        case 600:
            return B600;
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B230400;
    }
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

bool serialSettings(termios& settings, const core::SerialLine& line) {
    makeRaw(settings);
    if (line.speed && (::cfsetospeed(&settings, speedCode(*line.speed)) != 0 ||
                       ::cfsetispeed(&settings, speedCode(*line.speed)) != 0)) {
        return false;
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

#else

int applySerialLine(int, const core::SerialLine&) {
    return 0;
}

#endif

}  // namespace rotulano::printing
