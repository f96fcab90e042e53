#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "RenderTestSupport.h"
#include "printing/SystemPlatform.h"
#include "rotulano-render/PrivateTempPlatform.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderJob.h"
#include "support/TestSupport.h"

using rotulano::core::PrinterSettings;
using rotulano::render::RenderedRow;
using rotulano::render::RenderJob;
using rotulano::render::RenderRequest;
using rotulano::render::RenderResult;
using rotulano::test::expectedJob;
using rotulano::test::sampleItems;
using rotulano::test::samplePath;
using rotulano::test::settingsRecord;

namespace {

// The system, with the temporary directory pointed where the test wants it.
class TempDirPlatform : public rotulano::printing::SystemPlatform {
  public:
    explicit TempDirPlatform(std::string dir) : dir_(std::move(dir)) {}
    std::string tempDir() override { return dir_; }

  private:
    std::string dir_;
};

RenderRequest sampleRequest(int model, std::vector<int> rows) {
    RenderRequest request;
    request.items = sampleItems();
    request.orderNumber = rotulano::test::kSampleOrderNumber;
    request.settings = PrinterSettings(settingsRecord(model));
    request.rows = std::move(rows);
    request.logoDir = samplePath("");
    return request;
}

std::string slice(const RenderResult& result, const RenderedRow& row) {
    return result.bytes.substr(row.offset, row.length);
}

TEST(RenderJobTest, EachRowsBytesWithTheLogoWhereThatRowSentIt) {
    QTemporaryDir temp;
    TempDirPlatform system(temp.path().toStdString() + "/");
    // Row 2 is a tag (logo), row 3 a small adhesive, row 4 a large adhesive (logo already
    // sent), and each row's bytes are its own.
    const RenderResult result = RenderJob(system).run(sampleRequest(5, {2, 3, 4}));

    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.rows.size(), 3U);
    EXPECT_EQ(result.bytes,
              expectedJob(sampleItems(), {2, 3, 4}, settingsRecord(5), samplePath("")));
    EXPECT_EQ(slice(result, result.rows[0]),
              expectedJob(sampleItems(), {2}, settingsRecord(5), samplePath("")));
    EXPECT_EQ(slice(result, result.rows[1]),
              expectedJob(sampleItems(), {3}, settingsRecord(5), samplePath("")));
    EXPECT_EQ(result.rows[1].offset, result.rows[0].offset + result.rows[0].length);
    EXPECT_EQ(result.rows[2].offset + result.rows[2].length, result.bytes.size());
    EXPECT_EQ(result.rows[2].row, 4);
    EXPECT_TRUE(result.warnings.empty());
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty());
}

// The job gives no bytes at all, and the output file is never made.
TEST(RenderJobTest, CommandWritesNothingWhenThePrintFileFails) {
    QTemporaryDir temp;
    const std::string missingDir = temp.path().toStdString() + "/nao-existe/";
    TempDirPlatform system(missingDir);
    rotulano::render::RenderOptions options;
    options.orderPath = samplePath("PEDIDO.txt");
    options.outputPath = temp.path().toStdString() + "/saida.dpl";
    options.logoDir = samplePath("");
    std::ostringstream out;
    std::ostringstream err;

    rotulano::test::ScopedWorkingDir noParameterFile;
    EXPECT_EQ(rotulano::render::runRender(options, system, out, err),
              rotulano::render::RenderExit::Output);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("rotulano-render: Linha 1: Status [", 0), 0U) << err.str();
    EXPECT_NE(err.str().find(missingDir), std::string::npos) << err.str();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(*options.outputPath)));
}

TEST(RenderJobTest, RowOutsideTheOrderIsAnErrorNotACrash) {
    QTemporaryDir temp;
    TempDirPlatform system(temp.path().toStdString() + "/");
    const RenderResult result = RenderJob(system).run(sampleRequest(5, {1, 15}));

    EXPECT_EQ(result.error, "Linha 15: não existe no pedido");
    EXPECT_EQ(result.bytes, "");
}

// Rows 2 and 3 with a euro sign in the description (an order typed on Windows): the
// printer has no byte for it, it prints as "?" and the job says so once.
TEST(RenderJobTest, ALetterWithoutPrinterByteIsWarnedOnceForTheWholeJob) {
    QTemporaryDir temp;
    TempDirPlatform system(temp.path().toStdString() + "/");
    RenderRequest request = sampleRequest(1, {2, 3});
    for (std::size_t item : {1U, 2U}) {
        request.items[item].replace(20, 3, "\x80 \x80");
    }
    const RenderResult result = RenderJob(system).run(request);

    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.warnings,
              std::vector<std::string>{
                  "O pedido tem caracteres que a impressora não imprime (página de código 850): "
                  "eles saem como \"?\" nas etiquetas"});
    EXPECT_NE(result.bytes.find("? ?ISETA MANGA CURTA B\xB5SICA"), std::string::npos);
}

TEST(PrivateTempPlatformTest, EachRunHasItsOwnDirectoryRemovedAtTheEnd) {
    QString first;
    {
        rotulano::render::PrivateTempPlatform one;
        rotulano::render::PrivateTempPlatform two;
        first = QString::fromStdString(one.tempDir());
        const QString second = QString::fromStdString(two.tempDir());
        EXPECT_NE(first, second);
        EXPECT_EQ(first, QString::fromStdString(one.tempDir()));
        EXPECT_TRUE(first.startsWith(QDir::tempPath() + QStringLiteral("/rotulano-render-")));
        EXPECT_TRUE(first.endsWith(QLatin1Char('/')));
        EXPECT_TRUE(QDir(first).exists());
        rotulano::test::writeBytes(one.tempDir() + "left.TXT", "x");
    }
    EXPECT_FALSE(QDir(first).exists());
}

}  // namespace
