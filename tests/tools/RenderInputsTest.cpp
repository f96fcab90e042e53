#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "RenderProcessFixture.h"
#include "RenderTestSupport.h"
#include "preview/LabelPreview.h"
#include "support/TestSupport.h"

namespace rotulano::test {
namespace {

TEST_F(RenderProcessTest, ParameterFileOfTheWorkingDirectoryByDefault) {
    writeBytes(work("CD21PRM.DAT"), settingsRecord(6));
    writeBytes(work("LOGOVRDL.GRF"), readBytes(samplePath("LOGOVRDL.GRF")));
    const RenderRun result = run({sampleOrder()});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expectedSampleJob(settingsRecord(6)));
    EXPECT_EQ(readBytes(work("CD21PRM.DAT")), settingsRecord(6));
}

TEST_F(RenderProcessTest, StartUpSettingsWithoutAParameterFileWhichIsNotCreated) {
    writeBytes(work("LOGOVRDL.BMP"), readBytes(samplePath("LOGOVRDL.BMP")));
    const RenderRun result = run({sampleOrder()});

    // The start-up record: Datamax - ALEGRO (model 1) on LPT1, darkness 10, speed "0".
    const std::string startUp = "1010110S00000" + std::string("1") + std::string(132, '0');
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expectedSampleJob(startUp));
    EXPECT_FALSE(QFile::exists(qs(work("CD21PRM.DAT"))));
}

struct BadSettingsCase {
    const char* name;
    std::string record;  // empty: no file at all
    const char* errorAfterPath;
};

class BadSettingsTest : public RenderProcessTest,
                        public ::testing::WithParamInterface<BadSettingsCase> {};

TEST_P(BadSettingsTest, RefusedWithStatusThree) {
    const BadSettingsCase& c = GetParam();
    const std::string path = work("PARAM.DAT");
    if (!c.record.empty()) {
        writeBytes(path, c.record);
    }
    const RenderRun result = run({sampleOrder(), QStringLiteral("--settings"), qs(path)});

    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.errorAfterPath), std::string::npos) << result.err;
    EXPECT_EQ(result.err.rfind(kTag, 0), 0U) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSettingsTest,
    ::testing::Values(
        BadSettingsCase{"missing", "", "Status [35] Arquivo de parâmetros "},
        BadSettingsCase{"short", settingsRecord(5).substr(0, 145),
                        "Status [23] Arquivo de parâmetros "},
        BadSettingsCase{"port_zero", settingsRecord(5, "00"), "PORTA DE SÁIDA INVÁLIDA !"},
        BadSettingsCase{"port_seven", settingsRecord(1, "07"), "PORTA DE SÁIDA INVÁLIDA !"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderProcessTest, BadParameterFileOfTheWorkingDirectoryIsNotReplacedByDefaults) {
    writeBytes(work("CD21PRM.DAT"), "1");
    const RenderRun result = run({sampleOrder()});

    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err,
              kTag +
                  "Status [23] Arquivo de parâmetros CD21PRM.DAT: o arquivo não contém o "
                  "registro de parâmetros (146 bytes, chave \"1\")\n");
}

// Without the logo file the job sends no download (the DPL commands around the bitmap
// included), says so once, and the labels come out all the same.
class MissingLogoTest : public RenderProcessTest, public ::testing::WithParamInterface<int> {};

TEST_P(MissingLogoTest, WarningAndTheLabelsWithoutTheDownload) {
    const int model = GetParam();
    const std::string noLogos = work("sem-logotipo");
    const RenderRun missing =
        run({sampleOrder(), QStringLiteral("--settings"), qs(writeSettings(model)),
             QStringLiteral("--logo-dir"), qs(noLogos)});
    const std::string file = model >= 5 ? "LOGOVRDL.GRF" : "LOGOVRDL.BMP";
    ASSERT_EQ(missing.exitCode, 0) << missing.err;
    EXPECT_EQ(missing.err, kTag + "aviso: Arquivo do logotipo " + noLogos + "/" + file +
                               " não encontrado: as etiquetas sairão sem o logotipo\n");
    EXPECT_EQ(missing.out, expectedSampleJob(settingsRecord(model), noLogos));
    EXPECT_EQ(missing.out.find("ICBLOGOVRDL"), std::string::npos);
    EXPECT_EQ(missing.out.find("\x02qC"), std::string::npos);
    EXPECT_EQ(missing.out.find("~DG"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Models, MissingLogoTest, ::testing::Values(1, 2, 5));

TEST_F(RenderProcessTest, OutputFileInsteadOfStandardOutput) {
    writeBytes(work("job.zpl"), std::string(200000, 'x'));  // an earlier, longer output
    const RenderRun result =
        runSample(writeSettings(5), {QStringLiteral("-o"), qs(work("job.zpl"))});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(readBytes(work("job.zpl")), expectedSampleJob(settingsRecord(5)));
}

TEST_F(RenderProcessTest, OutputFileThatCannotBeWrittenIsAnError) {
    const std::string path = work("nao-existe/job.zpl");
    const RenderRun result = runSample(writeSettings(5), {QStringLiteral("--output=") + qs(path)});

    EXPECT_EQ(result.exitCode, 4);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag + "O arquivo de saída " + path +
                              " não pôde ser gravado: o arquivo, ou a pasta em que estaria, não "
                              "existe; status 35: Arquivo não existe em disco e não pode ser "
                              "criado; nenhum arquivo foi criado\n");
    EXPECT_FALSE(QFile::exists(qs(path)));
}

TEST_F(RenderProcessTest, RowWithoutALayoutSendsNothingAndSaysSo) {
    std::vector<std::string> items = sampleItems();
    items[1][1] = 'B';
    std::vector<std::string> lines = {sampleLines()[0]};
    lines.insert(lines.end(), items.begin(), items.end());
    writeBytes(work("PEDIDO.txt"), orderFile(lines));
    const RenderRun result =
        run({QStringLiteral("PEDIDO.txt"), QStringLiteral("--settings"), qs(writeSettings(5)),
             QStringLiteral("--logo-dir"), qs(samplePath("")), QStringLiteral("--rows=1,2,3")});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expectedJob(items, {1, 3}, settingsRecord(5), samplePath("")));
    EXPECT_EQ(result.err, kTag +
                              "aviso: Linha 2: o tipo de etiqueta \"B\" não tem leiaute; nada é "
                              "impresso para ela (a linha seria marcada como impressa)\n");
}

TEST_F(RenderProcessTest, HelpNamesEveryOption) {
    const RenderRun result = run({QStringLiteral("--help")});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    for (const char* option : {"--settings", "--rows", "--logo-dir", "-o, --output", "--png",
                               "CD21PRM.DAT", "all", "295-300", "LOGOVRDL.GRF", "LOGOVRDL.BMP"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
}

TEST_F(RenderProcessTest, VersionIsTheProgramsNameAndVersion) {
    const RenderRun result = run({QStringLiteral("--rows=x"), QStringLiteral("--version")});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "rotulano-render " ROTULANO_VERSION "\n");
}

// The pictures are the preview of each row's own bytes, the logo held by the printer:
// item label first, then the order summary label.
TEST_F(RenderProcessTest, OnePictureForEveryLabelOfEveryRow) {
    const QString pictures = qs(work("imagens"));
    const RenderRun result = runSample(
        writeSettings(5), {QStringLiteral("--rows=1,3"), QStringLiteral("--png"), pictures});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const QStringList expectedNames = {"linha-001-etiqueta.png", "linha-001-resumo.png",
                                       "linha-003-etiqueta.png", "linha-003-resumo.png"};
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files, QDir::Name), expectedNames);
    const auto resources = preview::PreviewResources::fromDirectory(qs(samplePath("")));
    for (int row : {1, 3}) {
        const std::string rowBytes =
            expectedJob(sampleItems(), {row}, settingsRecord(5), samplePath(""));
        const auto labels = preview::renderJob(rowBytes, resources);
        ASSERT_EQ(labels.size(), 2U);
        for (int index = 0; index < 2; ++index) {
            const QString name = expectedNames[(row == 1 ? 0 : 2) + index];
            const QImage saved(QDir(pictures).filePath(name));
            ASSERT_FALSE(saved.isNull()) << name.toStdString();
            EXPECT_EQ(
                saved.convertToFormat(QImage::Format_RGB32),
                labels[static_cast<std::size_t>(index)].image.convertToFormat(QImage::Format_RGB32))
                << name.toStdString();
        }
    }
}

}  // namespace
}  // namespace rotulano::test
