#include <gtest/gtest.h>

#include <string>

#include "labels/CodeRules.h"
#include "labels/TextRules.h"

// The text rules on the inputs the golden label files do not hold: control bytes, NULs,
// references of 11 and 12 characters or none, product codes short of digits.
namespace rotulano::labels {
namespace {

struct SlotCase {
    std::string value;
    std::size_t width;
    std::string expected;
};

class TextSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(TextSlotTest, CutsPadsAndBlanksControlBytes) {
    EXPECT_EQ(textSlot(GetParam().value, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Slots, TextSlotTest,
                         ::testing::Values(SlotCase{"ABC", 5, "ABC  "},
                                           SlotCase{"ABCDEFG", 4, "ABCD"}, SlotCase{"", 3, "   "},
                                           SlotCase{" A ", 3, " A "},
                                           SlotCase{std::string("RE\0F", 4), 5, "RE F "},
                                           SlotCase{"A\x02"
                                                    "B\r\n",
                                                    5, "A B  "},
                                           SlotCase{"\xC7\xC3O", 3, "\x80\xC7O"}));

// Bar code data and settings keep their bytes above 127; control bytes still go.
TEST(ByteSlotTest, KeepsLettersAndBlanksControlBytes) {
    EXPECT_EQ(byteSlot("\xC7\xC3O\x80", 5), "\xC7\xC3O\x80 ");
    EXPECT_EQ(byteSlot(std::string("1\0\x7F", 3), 2), "1 ");
}

TEST(CodeLineTest, ReferencesOfEveryLengthGiveThirtyCharacters) {
    EXPECT_EQ(codeLine("07", "ABCDEFGHIJKL", "0000000001"), "07-ABCDEFGHIJKL 000000-000-1  ");
    EXPECT_EQ(codeLine("07", "ABCDEFGHIJK ", "1234567890"), "07-ABCDEFGHIJK  123456-789-0  ");
    EXPECT_EQ(codeLine("99", "            ", "1234567890"), "99- 123456-789-0              ");
}

TEST(GroupedDigitsTest, MissingDigitsReadAsBlanks) {
    EXPECT_EQ(groupedDigits("12345", {3, 3}, '-'), "123-45 ");
    EXPECT_EQ(groupedDigits("123456", {2, 2}, '.'), "12.34");
}

}  // namespace
}  // namespace rotulano::labels
