#include <gtest/gtest.h>

#include <string>

#include "core/ShownBytes.h"

namespace {

struct ShownCase {
    const char* name;
    std::string bytes;
    std::string shown;
};

class ShownBytes : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownBytes, EscapeControlBytesAndBytesThatAreNotUtf8) {
    EXPECT_EQ(rotulano::core::shownBytes(GetParam().bytes), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShownBytes,
    ::testing::Values(ShownCase{"PlainAscii", "/home/ana/PEDIDO.txt", "/home/ana/PEDIDO.txt"},
                      ShownCase{"Utf8AccentsStay", "/home/ana/\xC3\x81rea de Trabalho",
                                "/home/ana/\xC3\x81rea de Trabalho"},
                      ShownCase{"Nul", std::string("a\0b", 3), "a\\x00b"},
                      ShownCase{"Latin1Accent",
                                "sa\xE9"
                                "da",
                                "sa\\xE9da"},
                      ShownCase{"TabAndLineEnds", "a\tb\r\n", "a\\x09b\\x0D\\x0A"},
                      ShownCase{"Delete", "\x7F", "\\x7F"},
                      ShownCase{"TerminalEscape", "\x1B[31m", "\\x1B[31m"},
                      ShownCase{"C1ControlInUtf8", "\xC2\x9B", "\\xC2\\x9B"},
                      ShownCase{"OverlongSlash", "\xC0\xAF", "\\xC0\\xAF"},
                      ShownCase{"Surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
                      ShownCase{"CutSequenceAtTheEnd", "ok\xE2\x82", "ok\\xE2\\x82"},
                      ShownCase{"FourByteCharacter", "\xF0\x9F\x93\xA6", "\xF0\x9F\x93\xA6"},
                      ShownCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
