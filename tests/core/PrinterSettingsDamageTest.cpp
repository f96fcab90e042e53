#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/PrinterSettings.h"

using rotulano::core::DamagedField;
using rotulano::core::PrinterSettings;

namespace {

// Model 05, port 01, then darkness, pause "S", margins, speed and language 1 as given.
std::string record(const std::string& darkness, const std::string& left, const std::string& second,
                   const std::string& speed) {
    return "10501" + darkness + "S" + left + second + speed + "1" + std::string(132, '0');
}

struct DamageCase {
    const char* name;
    std::string record;
    const char* text;  // empty: no damage
};

class SettingsDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(SettingsDamage, NamesEachDamagedFieldItsPositionsAndBytes) {
    const DamageCase& c = GetParam();
    const PrinterSettings settings(c.record);
    const std::vector<DamagedField> damaged = settings.damagedFields();
    EXPECT_EQ(PrinterSettings::damageText(damaged, " | "), c.text);
    EXPECT_EQ(damaged.empty(), std::string(c.text).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, SettingsDamage,
    ::testing::Values(
        DamageCase{"Sound", record("15", "02", "03", "C"), ""},
        DamageCase{"LowestDarkness", record("01", "00", "00", "A"), ""},
        DamageCase{"HighestDarknessAndSpeed", record("30", "99", "99", "S"), ""},
        // The record the first start writes holds "0" for the speed.
        DamageCase{"FirstStartRecord", PrinterSettings::defaults().record(), ""},
        DamageCase{"DarknessTooHigh", record("99", "02", "03", "C"),
                   "campo temperatura (posições 6-7) = \"99\": deveria ser um número de 01 a 30"},
        DamageCase{"DarknessZero", record("00", "02", "03", "C"),
                   "campo temperatura (posições 6-7) = \"00\": deveria ser um número de 01 a 30"},
        DamageCase{"DarknessWithALetter", record("A5", "02", "03", "C"),
                   "campo temperatura (posições 6-7) = \"A5\": deveria ser um número de 01 a 30"},
        DamageCase{"LeftMarginBlank", record("10", " 2", "03", "C"),
                   "campo margem esquerda (posições 9-10) = \" 2\": deveria ser dois dígitos "
                   "(milímetros)"},
        DamageCase{"SecondMarginNul", record("10", "02", std::string("0\0", 2), "C"),
                   "campo margem superior/inferior (posições 11-12) = \"0\\x00\": deveria ser "
                   "dois dígitos (milímetros)"},
        DamageCase{"SpeedPastS", record("10", "02", "03", "T"),
                   "campo velocidade (posição 13) = \"T\": deveria ser uma letra de A a S"},
        DamageCase{"SpeedLatin1", record("10", "02", "03", "\xE9"),
                   "campo velocidade (posição 13) = \"\\xE9\": deveria ser uma letra de A a S"},
        DamageCase{"AllFour", record("-1", "ab", "c ", "?"),
                   "campo temperatura (posições 6-7) = \"-1\": deveria ser um número de 01 a "
                   "30 | campo margem esquerda (posições 9-10) = \"ab\": deveria ser dois "
                   "dígitos (milímetros) | campo margem superior/inferior (posições 11-12) = "
                   "\"c \": deveria ser dois dígitos (milímetros) | campo velocidade (posição "
                   "13) = \"?\": deveria ser uma letra de A a S"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
