#include "core/PrinterSettings.h"

#include "core/FixedRecord.h"

namespace rotulano::core {

namespace {
constexpr std::size_t kModelAt = 2;
constexpr std::size_t kPortAt = 4;
constexpr std::size_t kDarknessAt = 6;
constexpr std::size_t kPauseAt = 8;
constexpr std::size_t kLeftMarginAt = 9;
constexpr std::size_t kTopMarginAt = 11;
constexpr std::size_t kSpeedAt = 13;
constexpr std::size_t kLanguageAt = 14;
}  // namespace

PrinterSettings::PrinterSettings() : record_(kLength, '0') {
    record_[0] = '1';
}

PrinterSettings::PrinterSettings(std::string record) : record_(padRight(record, kLength)) {}

PrinterSettings PrinterSettings::defaults() {
    PrinterSettings settings;
    settings.setModel(1);
    settings.setPort(1);
    settings.setDarkness(10);
    settings.setPause(true);
    settings.setLanguage(1);
    return settings;
}

int PrinterSettings::number(std::size_t position, std::size_t length) const {
    return static_cast<int>(digitsValue(fieldAt(record_, position, length)));
}

void PrinterSettings::setNumber(std::size_t position, std::size_t length, int value) {
    putField(record_, position, length, zeroPadded(value, length));
}

int PrinterSettings::model() const {
    return number(kModelAt, 2);
}
int PrinterSettings::port() const {
    return number(kPortAt, 2);
}
int PrinterSettings::darkness() const {
    return number(kDarknessAt, 2);
}
bool PrinterSettings::pause() const {
    return record_[kPauseAt - 1] == 'S';
}
int PrinterSettings::leftMargin() const {
    return number(kLeftMarginAt, 2);
}
int PrinterSettings::topMargin() const {
    return number(kTopMarginAt, 2);
}
char PrinterSettings::speed() const {
    return record_[kSpeedAt - 1];
}
int PrinterSettings::language() const {
    return number(kLanguageAt, 1);
}

std::string PrinterSettings::modelDigits() const {
    return fieldAt(record_, kModelAt, 2);
}
std::string PrinterSettings::portDigits() const {
    return fieldAt(record_, kPortAt, 2);
}
std::string PrinterSettings::darknessDigits() const {
    return fieldAt(record_, kDarknessAt, 2);
}
std::string PrinterSettings::leftMarginDigits() const {
    return fieldAt(record_, kLeftMarginAt, 2);
}
std::string PrinterSettings::topMarginDigits() const {
    return fieldAt(record_, kTopMarginAt, 2);
}

void PrinterSettings::setModel(int position) {
    setNumber(kModelAt, 2, position);
}
void PrinterSettings::setPort(int position) {
    setNumber(kPortAt, 2, position);
}
void PrinterSettings::setDarkness(int position) {
    setNumber(kDarknessAt, 2, position);
}
void PrinterSettings::setPause(bool pause) {
    record_[kPauseAt - 1] = pause ? 'S' : 'N';
}
void PrinterSettings::setLeftMargin(int millimetres) {
    setNumber(kLeftMarginAt, 2, millimetres);
}
void PrinterSettings::setTopMargin(int millimetres) {
    setNumber(kTopMarginAt, 2, millimetres);
}
void PrinterSettings::setSpeed(char letter) {
    record_[kSpeedAt - 1] = letter;
}
void PrinterSettings::setLanguage(int position) {
    setNumber(kLanguageAt, 1, position);
}

}  // namespace rotulano::core
