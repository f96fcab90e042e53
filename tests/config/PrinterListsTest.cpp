#include <gtest/gtest.h>

#include "config/PrinterLists.h"

using rotulano::config::PrinterLists;
using Items = std::vector<std::string>;

TEST(PrinterListsItems, ModelsInRecordOrderWithTheirExactTexts) {
    EXPECT_EQ(PrinterLists::modelItems(),
              (Items{"Datamax - ALEGRO", "Datamax - I-CLASS", "Datamax - PRODIGY", "RABBIT/ARGOX",
                     "Zebra - Gen\xc3\xa9rico", "Zebra - Z105/S"}));
}

TEST(PrinterListsItems, LanguagesPortsAndSpeeds) {
    EXPECT_EQ(PrinterLists::languageItems(), (Items{"Portugu\xc3\xaas", "English"}));
    EXPECT_EQ(PrinterLists::portItems(), (Items{"LPT1", "LPT2", "COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(PrinterLists::speedItems(), (Items{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
                                                 "K", "L", "M", "N", "O", "P", "Q", "R", "S"}));
}

struct ModelCase {
    int model;
    bool zpl;
    std::size_t darknessSteps;
    bool dplLogoPrefix;
    bool dplStartAndStop;
};

class PrinterModels : public ::testing::TestWithParam<ModelCase> {};

TEST_P(PrinterModels, LanguageDarknessAndDplVariants) {
    const ModelCase& c = GetParam();
    EXPECT_EQ(PrinterLists::isZplModel(c.model), c.zpl);
    const Items darkness = PrinterLists::darknessItems(c.model);
    ASSERT_EQ(darkness.size(), c.darknessSteps);
    EXPECT_EQ(darkness.front(), "001");
    EXPECT_EQ(darkness[9], "010");
    EXPECT_EQ(darkness.back(), c.darknessSteps == 15 ? "015" : "030");
    EXPECT_EQ(PrinterLists::sendsDplLogoPrefix(c.model), c.dplLogoPrefix);
    EXPECT_EQ(PrinterLists::sendsDplStartAndStop(c.model), c.dplStartAndStop);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PrinterModels,
    ::testing::Values(ModelCase{0, false, 15, true, true}, ModelCase{1, false, 15, true, true},
                      ModelCase{2, false, 15, false, true}, ModelCase{3, false, 15, true, false},
                      ModelCase{4, false, 15, true, true}, ModelCase{5, true, 30, true, true},
                      ModelCase{6, true, 30, true, true}, ModelCase{9, true, 30, true, true}));

struct PortCase {
    int port;
    const char* name;
    bool serial;
    const char* serialName;
};

class PrinterPorts : public ::testing::TestWithParam<PortCase> {};

TEST_P(PrinterPorts, DeviceNameAndSerialSetUp) {
    const PortCase& c = GetParam();
    EXPECT_EQ(PrinterLists::portName(c.port), c.name);
    EXPECT_EQ(PrinterLists::isSerialPort(c.port), c.serial);
    EXPECT_EQ(PrinterLists::serialPortName(c.port), c.serialName);
    EXPECT_EQ(PrinterLists::isListedPort(c.port), std::string(c.name) != "NULL");
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PrinterPorts,
    ::testing::Values(PortCase{1, "LPT1", false, ""}, PortCase{2, "LPT2", false, ""},
                      PortCase{3, "COM1", true, "COM1"}, PortCase{4, "COM2", true, "COM2"},
                      PortCase{5, "COM3", true, "COM3"}, PortCase{6, "COM4", true, "COM4"},
                      PortCase{0, "NULL", false, ""}, PortCase{7, "NULL", false, ""},
                      PortCase{-1, "NULL", false, ""}, PortCase{99, "NULL", false, ""}));

TEST(PrinterSpeeds, StoredLetterShowsAtItsPosition) {
    const std::vector<std::pair<char, int>> cases = {{'A', 1},  {'B', 2}, {'C', 3}, {'R', 18},
                                                     {'S', 19}, {'0', 1}, {'T', 1}, {'Z', 1},
                                                     {'a', 1},  {' ', 1}, {'@', 1}, {'\xd8', 1}};
    for (const auto& [letter, position] : cases) {
        EXPECT_EQ(PrinterLists::speedPosition(letter), position) << "letter " << letter;
    }
}

TEST(PrinterSpeeds, PositionSavesItsLetter) {
    const std::vector<std::pair<int, char>> cases = {{1, 'A'},  {2, 'B'},  {3, 'C'},
                                                     {18, 'R'}, {19, 'S'}, {0, 'A'},
                                                     {-1, 'A'}, {20, 'A'}, {99, 'A'}};
    for (const auto& [position, letter] : cases) {
        EXPECT_EQ(PrinterLists::speedLetter(position), letter) << "position " << position;
    }
}
