#include <gtest/gtest.h>

#include "core/PrinterModel.h"
#include "core/PrinterSettings.h"

using rotulano::core::PrinterModel;
using rotulano::core::PrinterSettings;

namespace {

struct ModelCase {
    int position;
    bool zpl;
    int darknessSteps;
    bool dplLogoPrefix;
    bool dplPrintPositions;
};

class PrinterModels : public ::testing::TestWithParam<ModelCase> {};

TEST_P(PrinterModels, LanguageDarknessAndDplVariants) {
    const ModelCase& c = GetParam();
    const PrinterModel model(c.position);
    EXPECT_EQ(model.position(), c.position);
    EXPECT_EQ(model.printsZpl(), c.zpl);
    EXPECT_EQ(model.darknessSteps(), c.darknessSteps);
    EXPECT_EQ(model.sendsDplLogoPrefix(), c.dplLogoPrefix);
    EXPECT_EQ(model.sendsDplPrintPositions(), c.dplPrintPositions);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PrinterModels,
    ::testing::Values(ModelCase{0, false, 15, true, true}, ModelCase{1, false, 15, true, true},
                      ModelCase{2, false, 15, false, true}, ModelCase{3, false, 15, true, false},
                      ModelCase{4, false, 15, true, true}, ModelCase{5, true, 30, true, true},
                      ModelCase{6, true, 30, true, true}, ModelCase{9, true, 30, true, true}));

TEST(PrinterModelOfSettings, ReadsTheStoredModelPosition) {
    PrinterSettings settings;
    settings.setModel(3);
    EXPECT_EQ(settings.printerModel().position(), 3);
    EXPECT_FALSE(settings.printerModel().sendsDplPrintPositions());
    settings.setModel(6);
    EXPECT_TRUE(settings.printerModel().printsZpl());
}

}  // namespace
