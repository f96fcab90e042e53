#include <gtest/gtest.h>

#include "RenderProcessFixture.h"
#include "RenderTestSupport.h"
#include "support/TestSupport.h"

namespace rotulano::test {
namespace {

std::size_t occurrences(const std::string& haystack, const std::string& needle) {
    std::size_t count = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

// Every printer model on the whole sample: the routine of each row's label type in the
// model's language, the logo sent once before the first label that shows it, and no
// print file left behind.
class EveryModelTest : public RenderProcessTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryModelTest, WholeSampleOrderAsThePortGetsIt) {
    const int model = GetParam();
    const RenderRun result = runSample(writeSettings(model));

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, expectedSampleJob(settingsRecord(model)));
    // Row 1 is a tag, whose layout shows the logo: the job starts with its download, and
    // no later row sends it again.
    const std::string logo = expectedLogo(model, samplePath(""));
    EXPECT_EQ(result.out.compare(0, logo.size(), logo), 0);
    EXPECT_EQ(occurrences(result.out, logo), 1U);
    EXPECT_NE(result.out.find("Pedido: 004711"), std::string::npos);
    EXPECT_TRUE(tempDirEmpty());
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModelTest, ::testing::Values(1, 2, 3, 4, 5, 6));

struct RowsCase {
    const char* name;
    const char* rows;
    std::vector<int> printed;
};

void PrintTo(const RowsCase& c, std::ostream* out) {
    *out << c.name;
}

class RowsTest : public RenderProcessTest,
                 public ::testing::WithParamInterface<std::tuple<RowsCase, int>> {};

TEST_P(RowsTest, TickedRowsInGridOrderEachOnce) {
    const RowsCase& c = std::get<0>(GetParam());
    const int model = std::get<1>(GetParam());
    const RenderRun result =
        runSample(writeSettings(model), {QStringLiteral("--rows"), QString::fromLatin1(c.rows)});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              expectedJob(sampleItems(), c.printed, settingsRecord(model), samplePath("")));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RowsTest,
    ::testing::Combine(::testing::Values(RowsCase{"reversed", "12,3", {3, 12}},
                                         RowsCase{"repeated", "3,3,1", {1, 3}},
                                         RowsCase{"packs_and_internal", "14,13,12", {12, 13, 14}}),
                       ::testing::Values(1, 2, 5)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_model" +
               std::to_string(std::get<1>(info.param));
    });

TEST_F(RenderProcessTest, LogoComesRightBeforeTheFirstLabelThatShowsIt) {
    // Row 3 is a small adhesive (no logo), row 12 a large adhesive (logo).
    const RenderRun withLogo = runSample(writeSettings(5), {QStringLiteral("--rows=3,12")});
    const RenderRun smallOnly = runSample(writeSettings(5), {QStringLiteral("--rows=3")});
    const RenderRun largeOnly = runSample(writeSettings(5), {QStringLiteral("--rows=12")});
    const std::string logo = expectedLogo(5, samplePath(""));

    ASSERT_EQ(withLogo.exitCode, 0);
    EXPECT_EQ(smallOnly.out.find("~DG"), std::string::npos);
    EXPECT_EQ(largeOnly.out.compare(0, logo.size(), logo), 0);
    EXPECT_EQ(withLogo.out, smallOnly.out + largeOnly.out);
}

std::string withField(std::string line, std::size_t position, const std::string& value) {
    line.replace(position - 1, value.size(), value);
    return line;
}

// The loader's messages themselves are the order tests'; here, that each kind of refusal
// (nothing shown, header shown, items read before the bad one) prints nothing and ends
// with status 2.
TEST_F(RenderProcessTest, RefusedOrderPrintsNothingAndEndsWithStatusTwo) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS"},
        {{orderHeader()}, "Erro na Estrutura do Arquivo"},
        {{orderHeader(), sampleItems()[0], withField(sampleItems()[1], 51, "0000A990")},
         "Campo preço é inválido ou erro na estrutura do arquivo"}};
    for (const auto& [lines, message] : cases) {
        writeBytes(work("PEDIDO.txt"), orderFile(lines));
        const RenderRun result = run({QStringLiteral("PEDIDO.txt")});
        EXPECT_EQ(result.exitCode, 2) << message;
        EXPECT_EQ(result.out, "") << message;
        EXPECT_EQ(result.err, kTag + message + "\n");
    }
    const RenderRun missing = run({QStringLiteral("NAOEXISTE.txt")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(
        missing.err,
        kTag + "Status [35] Arquivo de Pedidos NAOEXISTE.txt: o arquivo não pôde ser aberto\n");
}

// The reasons themselves are the option parser's; here, that the tool stops with status 1
// before and after reading the order.
TEST_F(RenderProcessTest, RefusedCommandLineEndsWithStatusOne) {
    const std::vector<std::pair<QStringList, std::string>> cases = {
        {{sampleOrder(), "--copies", "2"}, "Opção desconhecida: --copies"},
        {{sampleOrder(), "--rows", "3,15"}, "A linha 15 não existe: o pedido tem 14 linhas"}};
    for (const auto& [arguments, firstErrorLine] : cases) {
        const RenderRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 1) << firstErrorLine;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), kTag + firstErrorLine + "\n");
    }
}

}  // namespace
}  // namespace rotulano::test
