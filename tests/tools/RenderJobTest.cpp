#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "RenderTestSupport.h"
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
    // Row 2 is a tag (logo), row 3 a small adhesive, row 4 a large adhesive (logo already
    // sent), and each row's bytes are its own.
    const RenderResult result = RenderJob().run(sampleRequest(5, {2, 3, 4}));

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
}

TEST(RenderJobTest, RowOutsideTheOrderIsAnErrorNotACrash) {
    const RenderResult result = RenderJob().run(sampleRequest(5, {1, 15}));

    EXPECT_EQ(result.error, "Linha 15: não existe no pedido");
    EXPECT_EQ(result.bytes, "");
}

// Rows 2 and 3 with a euro sign in the description (an order typed on Windows): the
// printer has no byte for it, it prints as "?" and the job says so once.
TEST(RenderJobTest, ALetterWithoutPrinterByteIsWarnedOnceForTheWholeJob) {
    RenderRequest request = sampleRequest(1, {2, 3});
    for (std::size_t item : {1U, 2U}) {
        request.items[item].replace(20, 3, "\x80 \x80");
    }
    const RenderResult result = RenderJob().run(request);

    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.warnings,
              std::vector<std::string>{
                  "O pedido tem caracteres que a impressora não imprime (página de código 850): "
                  "eles saem como \"?\" nas etiquetas"});
    EXPECT_NE(result.bytes.find("? ?ISETA MANGA CURTA B\xB5SICA"), std::string::npos);
}

// The job's bytes come from memory: no file is made anywhere, not even in the system's
// temporary directory.
TEST(RenderJobTest, MakesNoTemporaryFile) {
    QTemporaryDir temp;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    const RenderResult result = RenderJob().run(sampleRequest(1, {1, 2, 3}));
    qputenv("TMPDIR", previous);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.bytes,
              expectedJob(sampleItems(), {1, 2, 3}, settingsRecord(1), samplePath("")));
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
