#include "core/PrinterSettings.h"

#include "core/FixedRecord.h"
#include "core/ShownBytes.h"

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
constexpr int kLowestDarkness = 1;
constexpr int kHighestDarkness = 30;
constexpr char kFirstSpeed = 'A';
constexpr char kLastSpeed = 'S';
// The first start writes "0" where the speed goes; it is read as speed "A".
constexpr char kFirstStartSpeed = '0';

bool darknessSound(const std::string& digits) {
    if (!isAllDigits(digits)) {
        return false;
    }
    const long long value = digitsValue(digits);
    return value >= kLowestDarkness && value <= kHighestDarkness;
}

bool speedSound(char letter) {
    return (letter >= kFirstSpeed && letter <= kLastSpeed) || letter == kFirstStartSpeed;
}

struct FieldWords {
    const char* name;
    const char* expected;
};

FieldWords wordsFor(DamagedField::Kind kind) {
    switch (kind) {
        case DamagedField::Kind::Darkness:
            return {"temperatura", "um número de 01 a 30"};
        case DamagedField::Kind::LeftMargin:
            return {"margem esquerda", "dois dígitos (milímetros)"};
        case DamagedField::Kind::SecondMargin:
            return {"margem superior/inferior", "dois dígitos (milímetros)"};
        case DamagedField::Kind::Speed:
            return {"velocidade", "uma letra de A a S"};
    }
    return {"", ""};
}

std::string positions(const DamagedField& field) {
    if (field.value.size() == 1) {
        return "posição " + std::to_string(field.position);
    }
    return "posições " + std::to_string(field.position) + "-" +
           std::to_string(field.position + field.value.size() - 1);
}

}  // namespace

std::vector<DamagedField> PrinterSettings::damagedFields() const {
    using Kind = DamagedField::Kind;
    std::vector<DamagedField> fields;
    if (!darknessSound(darknessDigits())) {
        fields.push_back({Kind::Darkness, kDarknessAt, darknessDigits()});
    }
    if (!isAllDigits(leftMarginDigits())) {
        fields.push_back({Kind::LeftMargin, kLeftMarginAt, leftMarginDigits()});
    }
    if (!isAllDigits(topMarginDigits())) {
        fields.push_back({Kind::SecondMargin, kTopMarginAt, topMarginDigits()});
    }
    if (!speedSound(speed())) {
        fields.push_back({Kind::Speed, kSpeedAt, std::string(1, speed())});
    }
    return fields;
}

std::string PrinterSettings::damageText(const std::vector<DamagedField>& fields,
                                        const std::string& separator) {
    std::string text;
    for (const DamagedField& field : fields) {
        const FieldWords words = wordsFor(field.kind);
        text += text.empty() ? "" : separator;
        text += std::string("campo ") + words.name + " (" + positions(field) + ") = \"" +
                shownBytes(field.value) + "\": deveria ser " + words.expected;
    }
    return text;
}

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
