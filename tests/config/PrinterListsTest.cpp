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

struct DarknessCase {
    int model;
    std::size_t steps;
};

class DarknessLists : public ::testing::TestWithParam<DarknessCase> {};

TEST_P(DarknessLists, ZeroPaddedUpToTheModelsLastStep) {
    const DarknessCase& c = GetParam();
    const Items darkness = PrinterLists::darknessItems(c.model);
    ASSERT_EQ(darkness.size(), c.steps);
    EXPECT_EQ(darkness.front(), "001");
    EXPECT_EQ(darkness[9], "010");
    EXPECT_EQ(darkness.back(), c.steps == 15 ? "015" : "030");
}

INSTANTIATE_TEST_SUITE_P(Positions, DarknessLists,
                         ::testing::Values(DarknessCase{0, 15}, DarknessCase{1, 15},
                                           DarknessCase{4, 15}, DarknessCase{5, 30},
                                           DarknessCase{6, 30}, DarknessCase{9, 30}));

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
