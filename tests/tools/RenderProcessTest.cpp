#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "RenderProcessFixture.h"
#include "RenderTestSupport.h"
#include "support/TestSupport.h"

using rotulano::test::expectedJob;
using rotulano::test::expectedLogo;
using rotulano::test::readBytes;
using rotulano::test::RenderProcessTest;
using rotulano::test::RenderRun;
using rotulano::test::sampleItems;
using rotulano::test::samplePath;
using rotulano::test::settingsRecord;
using rotulano::test::writeBytes;

namespace {

const std::string kTag = "rotulano-render: ";

std::vector<int> allRows() {
    std::vector<int> rows;
    for (int row = 1; row <= static_cast<int>(sampleItems().size()); ++row) {
        rows.push_back(row);
    }
    return rows;
}

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
    EXPECT_EQ(result.out,
              expectedJob(sampleItems(), allRows(), settingsRecord(model), samplePath("")));
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

struct BadOrderCase {
    const char* name;
    std::vector<std::string> lines;
    const char* message;
};

class BadOrderTest : public RenderProcessTest,
                     public ::testing::WithParamInterface<BadOrderCase> {};

TEST_P(BadOrderTest, LoaderMessageAndStatusTwo) {
    const BadOrderCase& c = GetParam();
    writeBytes(work("PEDIDO.txt"), rotulano::test::orderFile(c.lines));
    const RenderRun result = run({QStringLiteral("PEDIDO.txt")});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag + c.message + "\n");
}

std::string withField(std::string line, std::size_t position, const std::string& value) {
    line.replace(position - 1, value.size(), value);
    return line;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadOrderTest,
    ::testing::Values(
        BadOrderCase{"empty_file", {}, "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS"},
        BadOrderCase{"header_type",
                     {withField(rotulano::test::orderHeader(), 1, "2"), sampleItems()[0]},
                     "Erro na estrutura do arquivo ou esse não é um arquivo de Pedidos "
                     "LOJASVERDELIS"},
        BadOrderCase{"newer_version",
                     {rotulano::test::orderHeader("020501"), sampleItems()[0]},
                     "Sua versão do Rotulano está DESATUALIZADA, atualize para poder processar "
                     "esse arquivo"},
        BadOrderCase{"older_version",
                     {rotulano::test::orderHeader("020399"), sampleItems()[0]},
                     "Esse arquivo é de uma versão anterior do Rotulano e não pode ser processado"},
        BadOrderCase{
            "header_only", {rotulano::test::orderHeader()}, "Erro na Estrutura do Arquivo"},
        BadOrderCase{"no_items",
                     {rotulano::test::orderHeader(), withField(sampleItems()[0], 1, "2")},
                     "Pedido sem itens a serem impressos, ou esse não é um arquivo de Pedidos "
                     "LOJASVERDELIS"},
        BadOrderCase{"bad_price_in_the_middle",
                     {rotulano::test::orderHeader(), sampleItems()[0],
                      withField(sampleItems()[1], 51, "0000A990")},
                     "Campo preço é inválido ou erro na estrutura do arquivo"},
        BadOrderCase{"bad_quantity",
                     {rotulano::test::orderHeader(), withField(sampleItems()[0], 5, "00 024")},
                     "Campo quantidade é inválido ou erro na estrutura do arquivo"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderProcessTest, MissingOrderFileGivesItsStatus) {
    const RenderRun result = run({QStringLiteral("NAOEXISTE.txt")});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(
        result.err,
        kTag + "Status [35] Arquivo de Pedidos NAOEXISTE.txt: o arquivo não pôde ser aberto\n");
}

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    const char* firstErrorLine;
};

// The reasons themselves are the option parser's; here, that the tool stops with status 1
// before and after reading the order.
class CommandLineTest : public RenderProcessTest,
                        public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineTest, RefusedWithStatusOne) {
    const CommandLineCase& c = GetParam();
    const RenderRun result = run(c.arguments);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), kTag + c.firstErrorLine + "\n");
}

const QString kSample = QString::fromStdString(samplePath("PEDIDO.txt"));

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest,
                         ::testing::Values(CommandLineCase{"unknown_option",
                                                           {kSample, "--copies", "2"},
                                                           "Opção desconhecida: --copies"},
                                           CommandLineCase{
                                               "row_past_the_end",
                                               {kSample, "--rows", "3,15"},
                                               "A linha 15 não existe: o pedido tem 14 linhas"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
