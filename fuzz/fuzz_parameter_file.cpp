// Arbitrary bytes as the parameter file CD21PRM.DAT, and as a settings record. Properties
// checked:
//   - a file is read as a record exactly when it holds 146 bytes or more under key "1",
//     and the record is its first 146 bytes;
//   - a record read is saved back whole and reads back the same;
//   - any record, of any length, gives a 146-byte record whose fields stay in range,
//     and the setters write what the getters read.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "core/PrinterSettings.h"

namespace {

using rotulano::fuzz::require;
namespace config = rotulano::config;
namespace core = rotulano::core;

constexpr std::size_t kLength = core::PrinterSettings::kLength;

void checkFileReading(const std::string& bytes) {
    rotulano::fuzz::writeScratch(bytes);
    const config::ParameterFile file(rotulano::fuzz::scratchFile());
    core::PrinterSettings settings = core::PrinterSettings::defaults();
    const core::FileStatus status = file.read(settings);
    const bool holdsRecord = bytes.size() >= kLength && bytes[0] == '1';
    if (!holdsRecord) {
        require(status == core::kStatusRecordNotFound, "record found where none is", bytes);
        require(settings.record() == core::PrinterSettings::defaults().record(),
                "settings changed by a failed read");
        return;
    }
    require(status == core::kStatusOk, "record not read", bytes);
    require(settings.record() == bytes.substr(0, kLength), "record is not the file's bytes");

    require(file.rewrite(settings) == core::kStatusOk, "record read but not saved", bytes);
    core::PrinterSettings again;
    require(file.read(again) == core::kStatusOk, "saved record not read back");
    require(again.record() == settings.record(), "saved record differs");
}

void checkFieldsInRange(const core::PrinterSettings& settings) {
    require(settings.record().size() == kLength, "record not 146 bytes", settings.record());
    for (const int value : {settings.model(), settings.port(), settings.darkness(),
                            settings.leftMargin(), settings.topMargin()}) {
        require(value >= 0 && value <= 99, "two-digit field out of range", settings.record());
    }
    require(settings.language() >= 0 && settings.language() <= 9, "language out of range");
    const int speed = config::PrinterLists::speedPosition(settings.speed());
    require(speed >= 1 && speed <= config::PrinterLists::kSpeedCount, "speed position");
    const auto darkness = config::PrinterLists::darknessItems(settings.model());
    require(darkness.size() == 15 || darkness.size() == 30, "darkness list size");
    config::PrinterLists::portName(settings.port());
    config::PrinterLists::serialPortName(settings.port());
}

void checkSettersRoundTrip(core::PrinterSettings settings, const std::string& values) {
    const int a = values.empty() ? 0 : static_cast<unsigned char>(values[0]) % 100;
    const int b = values.size() < 2 ? 0 : static_cast<unsigned char>(values[1]) % 10;
    const std::string filler = settings.record().substr(14);
    settings.setModel(a);
    settings.setPort(a);
    settings.setDarkness(a);
    settings.setLeftMargin(a);
    settings.setTopMargin(a);
    settings.setLanguage(b);
    settings.setPause(b % 2 == 0);
    settings.setSpeed(config::PrinterLists::speedLetter(a));
    require(settings.model() == a && settings.port() == a && settings.darkness() == a &&
                settings.leftMargin() == a && settings.topMargin() == a &&
                settings.language() == b && settings.pause() == (b % 2 == 0),
            "setter and getter disagree", settings.record());
    require(settings.record().substr(14) == filler, "filler changed by a setter");
    require(settings.record().size() == kLength, "setter changed the record length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rotulano::fuzz::bytesOf(data, size);
    checkFileReading(bytes);
    const core::PrinterSettings settings(bytes);
    checkFieldsInRange(settings);
    checkSettersRoundTrip(settings, bytes.size() > kLength ? bytes.substr(kLength) : bytes);
    return 0;
}
