#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <string>

#include "labels/PrinterLetters.h"

namespace rotulano::labels {
namespace {

#ifdef _WIN32
// The code page 850 byte that Windows' own code page tables give for one Latin-1 byte (the
// Latin-1 letter is its own Unicode code point).
char iconvPc850(unsigned char latin1) {
    const wchar_t letter = static_cast<wchar_t>(latin1);
    char out = '\0';
    BOOL replaced = FALSE;
    const int converted =
        ::WideCharToMultiByte(850, WC_NO_BEST_FIT_CHARS, &letter, 1, &out, 1, nullptr, &replaced);
    EXPECT_EQ(converted, 1) << "byte " << static_cast<int>(latin1);
    EXPECT_FALSE(replaced) << "byte " << static_cast<int>(latin1);
    return out;
}
#else
// The code page 850 byte that glibc's iconv gives for one Latin-1 byte.
char iconvPc850(unsigned char latin1) {
    iconv_t converter = iconv_open("CP850", "ISO-8859-1");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << "glibc has no CP850 converter";
    char in = static_cast<char>(latin1);
    char out = '\0';
    char* inPointer = &in;
    char* outPointer = &out;
    std::size_t inLeft = 1;
    std::size_t outLeft = 1;
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    EXPECT_EQ(converted, 0U) << "byte " << static_cast<int>(latin1);
    EXPECT_EQ(outLeft, 0U);
    return out;
}
#endif

class Latin1LetterTest : public ::testing::TestWithParam<int> {};

TEST_P(Latin1LetterTest, PrintsAsTheCodePage850ByteOfTheSameLetter) {
    const auto byte = static_cast<unsigned char>(GetParam());
    EXPECT_EQ(static_cast<unsigned char>(printerLetter(static_cast<char>(byte))),
              static_cast<unsigned char>(iconvPc850(byte)));
    EXPECT_FALSE(isUnprintableLetter(static_cast<char>(byte)));
}

INSTANTIATE_TEST_SUITE_P(EveryLatin1Letter, Latin1LetterTest, ::testing::Range(0xA0, 0x100));

class AsciiLetterTest : public ::testing::TestWithParam<int> {};

TEST_P(AsciiLetterTest, StaysAsItIs) {
    const char byte = static_cast<char>(GetParam());
    EXPECT_EQ(printerLetter(byte), byte);
    EXPECT_FALSE(isUnprintableLetter(byte));
}

INSTANTIATE_TEST_SUITE_P(EveryAsciiByte, AsciiLetterTest, ::testing::Range(0x00, 0x80));

struct WindowsCase {
    unsigned char order;
    unsigned char printed;
};

class WindowsPunctuationTest : public ::testing::TestWithParam<WindowsCase> {};

TEST_P(WindowsPunctuationTest, PrintsAsItsCodePage850EquivalentOrQuestionMark) {
    const WindowsCase& test = GetParam();
    const char order = static_cast<char>(test.order);
    EXPECT_EQ(static_cast<unsigned char>(printerLetter(order)), test.printed);
    EXPECT_EQ(isUnprintableLetter(order), test.printed == '?');
}

// Windows-1252 0x80-0x9F: "ƒ" has its own byte in code page 850, the curly quotes,
// dashes and bullet their plain or nearest equivalents; the rest (the euro, low and
// angle quotes, ellipsis, daggers, per mille, Š Œ Ž š œ ž Ÿ, ˆ ˜ ™ and the five unused
// bytes) print as "?".
INSTANTIATE_TEST_SUITE_P(
    Windows1252, WindowsPunctuationTest,
    ::testing::Values(WindowsCase{0x80, '?'}, WindowsCase{0x81, '?'}, WindowsCase{0x82, '?'},
                      WindowsCase{0x83, 0x9F}, WindowsCase{0x84, '?'}, WindowsCase{0x85, '?'},
                      WindowsCase{0x86, '?'}, WindowsCase{0x87, '?'}, WindowsCase{0x88, '?'},
                      WindowsCase{0x89, '?'}, WindowsCase{0x8A, '?'}, WindowsCase{0x8B, '?'},
                      WindowsCase{0x8C, '?'}, WindowsCase{0x8D, '?'}, WindowsCase{0x8E, '?'},
                      WindowsCase{0x8F, '?'}, WindowsCase{0x90, '?'}, WindowsCase{0x91, '\''},
                      WindowsCase{0x92, '\''}, WindowsCase{0x93, '"'}, WindowsCase{0x94, '"'},
                      WindowsCase{0x95, 0xFA}, WindowsCase{0x96, '-'}, WindowsCase{0x97, '-'},
                      WindowsCase{0x98, '?'}, WindowsCase{0x99, '?'}, WindowsCase{0x9A, '?'},
                      WindowsCase{0x9B, '?'}, WindowsCase{0x9C, '?'}, WindowsCase{0x9D, '?'},
                      WindowsCase{0x9E, '?'}, WindowsCase{0x9F, '?'}),
    [](const ::testing::TestParamInfo<WindowsCase>& info) {
        return "Byte" + std::to_string(info.param.order);
    });

TEST(PrinterLetters, WritesEveryByteOfATextAndKeepsItsLength) {
    EXPECT_EQ(printerLetters("VER\xC3O 2026 \x96 \x93SOFT\x94 \x80"), "VER\xC7O 2026 - \"SOFT\" ?");
    EXPECT_EQ(printerLetters("CAMISETA MANGA CURTA B\xC1SICA"), "CAMISETA MANGA CURTA B\xB5SICA");
    EXPECT_EQ(printerLetters(""), "");
}

TEST(PrinterLetters, TheQuestionMarkOfTheOrderIsNoUnprintableLetter) {
    EXPECT_FALSE(isUnprintableLetter('?'));
    EXPECT_EQ(printerLetter('?'), '?');
}

}  // namespace
}  // namespace rotulano::labels
