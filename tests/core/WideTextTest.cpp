#include <gtest/gtest.h>

#include "core/WideText.h"

namespace rotulano::core {
namespace {

struct TextCase {
    const char* name;
    std::u16string wide;
    std::string narrow;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

// Each wide argument and the exact UTF-8 bytes the program gets for it, and back.
class WideTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WideTextTest, NarrowsToExactBytes) {
    EXPECT_EQ(narrowText(GetParam().wide), GetParam().narrow);
}

TEST_P(WideTextTest, WidensBackToTheSameUnits) {
    EXPECT_EQ(wideText(GetParam().narrow), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WideTextTest,
    ::testing::Values(
        TextCase{"empty", u"", ""}, TextCase{"ascii", u"PEDIDO.txt", "PEDIDO.txt"},
        TextCase{"latin1", u"Pedido de Março.txt", "Pedido de Mar\xC3\xA7o.txt"},
        TextCase{"last_two_byte", u"\u07FF", "\xDF\xBF"},
        TextCase{"first_three_byte", u"\u0800", "\xE0\xA0\x80"},
        TextCase{"cjk", u"\u53D7\u6CE8", "\xE5\x8F\x97\xE6\xB3\xA8"},
        TextCase{"last_bmp", u"\uFFFF", "\xEF\xBF\xBF"},
        TextCase{"surrogate_pair", u"\U0001F600.txt", "\xF0\x9F\x98\x80.txt"},
        TextCase{"last_code_point", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        TextCase{"lone_high_surrogate", std::u16string(u"a") + char16_t(0xD800) + u"b",
                 "a\xED\xA0\x80"
                 "b"},
        TextCase{"lone_low_surrogate", std::u16string(1, char16_t(0xDFFF)), "\xED\xBF\xBF"},
        TextCase{"high_surrogate_at_end", std::u16string(u"x") + char16_t(0xDBFF), "x\xED\xAF\xBF"},
        TextCase{"low_before_high", std::u16string{char16_t(0xDC00), char16_t(0xD800)},
                 "\xED\xB0\x80\xED\xA0\x80"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

struct BrokenCase {
    const char* name;
    std::string narrow;
    std::u16string wide;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

// Bytes that are no UTF-8 become U+FFFD, one per byte, and the text after them survives.
class BrokenUtf8Test : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenUtf8Test, EachBadByteIsOneReplacement) {
    EXPECT_EQ(wideText(GetParam().narrow), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, BrokenUtf8Test,
    ::testing::Values(BrokenCase{"latin1_byte", "Mar\xE7o", u"Mar\uFFFDo"},
                      BrokenCase{"lone_continuation", "\x80z", u"\uFFFDz"},
                      BrokenCase{"cut_sequence", "a\xE5\x8F", u"a\uFFFD\uFFFD"},
                      BrokenCase{"overlong_slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
                      BrokenCase{"overlong_three", "\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
                      BrokenCase{"beyond_unicode", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                      BrokenCase{"lead_f5", "\xF5", u"\uFFFD"},
                      BrokenCase{"continuation_missing",
                                 "\xC3"
                                 "A",
                                 u"\uFFFDA"}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rotulano::core
