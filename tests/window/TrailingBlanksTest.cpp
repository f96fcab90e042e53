#include <gtest/gtest.h>

#include "window/TrailingBlanks.h"

using rotulano::window::withoutTrailingBlanks;

namespace {

struct TrimCase {
    const char* text;
    const char* expected;
};

class TrailingBlanks : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrailingBlanks, OnlyBlanksAtTheEndGo) {
    const TrimCase& c = GetParam();
    EXPECT_EQ(withoutTrailingBlanks(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Texts, TrailingBlanks,
                         ::testing::Values(TrimCase{"", ""}, TrimCase{"   ", ""},
                                           TrimCase{"ABC", "ABC"}, TrimCase{"ABC   ", "ABC"},
                                           TrimCase{"  A B  ", "  A B"}, TrimCase{"A\t", "A\t"},
                                           TrimCase{"A\t ", "A\t"},
                                           TrimCase{"Ç \xc2\xa0", "Ç \xc2\xa0"},
                                           TrimCase{"/tmp/a b/ ", "/tmp/a b/"}));

}  // namespace
