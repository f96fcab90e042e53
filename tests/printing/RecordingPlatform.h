#pragma once

#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Platform.h"
#include "printing/SystemPlatform.h"
#include "support/TestSupport.h"

namespace rotulano::test {

// A platform with a fixed temporary directory and clock that records what is deleted,
// sent and waited for. Port names map to the devices given in `devices` (else to
// themselves); only with `deliver` set do the bytes and the serial set-up really go to
// those devices (files or a pseudo-terminal), through the system's own device writer.
class RecordingPlatform : public core::Platform {
  public:
    struct Sent {
        std::string device;
        std::string bytes;
    };

    std::string temp = "C:\\TEMP\\";
    std::string clock = "2026030909050703-0300";
    std::map<std::string, std::string> devices;
    std::set<std::string> refusingDevices;  // devices whose send fails with "35"
    bool deliver = false;
    // Jobs of platforms that share it hold each other's printers.
    std::string lockSpace = ownPrinterLockSpace();

    std::vector<std::string> deleted;
    std::vector<Sent> sent;
    std::vector<Sent> serialOpened;
    std::vector<std::chrono::milliseconds> sleeps;
    std::vector<std::string> events;  // "send <device>" and "sleep <ms>", in order

    std::string tempDir() override { return temp; }
    std::string clockText() override { return clock; }

    bool deleteFile(const std::string& path) override {
        deleted.push_back(path);
        return std::remove(path.c_str()) == 0;
    }

    std::string portDevice(const std::string& portName) override {
        const auto found = devices.find(portName);
        return found == devices.end() ? portName : found->second;
    }

    core::FileStatus sendToDevice(const std::string& device, const std::string& bytes) override {
        sent.push_back({device, bytes});
        events.push_back("send " + device);
        if (refusingDevices.count(device) != 0) {
            return core::kStatusNotFound;
        }
        return deliver ? system_.sendToDevice(device, bytes) : core::kStatusOk;
    }

    core::FileStatus openSerialPort(const std::string& device, const std::string& bytes) override {
        serialOpened.push_back({device, bytes});
        return deliver ? system_.openSerialPort(device, bytes) : core::kStatusOk;
    }

    void sleepFor(std::chrono::milliseconds duration) override {
        sleeps.push_back(duration);
        events.push_back("sleep " + std::to_string(duration.count()));
    }

    std::string printerLockSpace() override { return lockSpace; }

    // Everything sent to the printer, in order, as one stream.
    std::string allSent() const {
        std::string stream;
        for (const Sent& s : sent) {
            stream += s.bytes;
        }
        return stream;
    }

  private:
    printing::SystemPlatform system_;
};

}  // namespace rotulano::test
