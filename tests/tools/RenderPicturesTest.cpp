#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "RenderTestSupport.h"
#include "core/PrinterSettings.h"
#include "rotulano-render/LabelPictures.h"
#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOutputs.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

// The label pictures of rotulano-render in-process: the names checked before anything is
// written are those written, and a picture that cannot be written at the moment it is
// written fails the run, named, whatever stood at its name.
namespace {

namespace render = rotulano::render;
namespace test = rotulano::test;

render::RenderResult sampleRows(std::vector<int> rows) {
    render::RenderRequest request;
    request.items = test::sampleItems();
    request.orderNumber = test::kSampleOrderNumber;
    request.settings = rotulano::core::PrinterSettings(test::settingsRecord(5));
    request.rows = std::move(rows);
    request.logoDir = test::samplePath("");
    return render::RenderJob().run(request);
}

class RenderPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        options.orderPath = test::samplePath("PEDIDO.txt");
        options.pngDir = folder;
    }

    std::vector<std::string> written() const {
        std::vector<std::string> names;
        // Joined as the names are given: std::filesystem joins with "\\" on Windows.
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(folder + "/" + entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/imagens";
    render::RenderOptions options;
};

TEST_F(RenderPictures, TheNamesCheckedAreTheNamesWritten) {
    const render::RenderResult result = sampleRows({1, 3});
    ASSERT_TRUE(result.ok()) << result.error;
    const render::RenderOutputs outputs(options);
    std::vector<std::string> warnings;
    std::string error;
    int count = 0;
    ASSERT_TRUE(render::writeLabelPictures(result, test::samplePath(""), folder, outputs, warnings,
                                           error, count))
        << error;
    const std::vector<std::string> expected = {
        folder + "/linha-001-etiqueta.png", folder + "/linha-001-resumo.png",
        folder + "/linha-003-etiqueta.png", folder + "/linha-003-resumo.png"};
    EXPECT_EQ(render::pictureNames(result, folder), expected);
    EXPECT_EQ(written(), expected);
    EXPECT_EQ(count, 4);
}

// A folder that appears at a picture's name after the names were checked: the picture
// is a failure that names it, where it used to be left out without a word.
TEST_F(RenderPictures, APictureThatIsNotAFileWhenWrittenFailsNamed) {
    const render::RenderResult result = sampleRows({1});
    ASSERT_TRUE(result.ok()) << result.error;
    const render::RenderOutputs outputs(options);
    std::string error;
    ASSERT_TRUE(outputs.checkPictures(render::pictureNames(result, folder), error)) << error;
    const std::string summary = folder + "/linha-001-resumo.png";
    std::filesystem::create_directories(summary);
    std::vector<std::string> warnings;
    int count = 0;
    EXPECT_FALSE(render::writeLabelPictures(result, test::samplePath(""), folder, outputs, warnings,
                                            error, count));
    EXPECT_EQ(error, "A imagem " + summary + " é uma pasta: nada foi gravado; retire-a ou use " +
                         "outra pasta em --png");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(test::fileKind(summary), "directory");
}

}  // namespace
