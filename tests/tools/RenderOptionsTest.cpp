#include <gtest/gtest.h>

#include "rotulano-render/RenderOptions.h"
#include "rotulano-render/RowSelection.h"

using rotulano::render::ParsedOptions;
using rotulano::render::parseRenderOptions;
using rotulano::render::RowSelection;

namespace {

// The parsed command line in one line: order | settings | logo directory | output |
// pictures ("-" where not given) | the rows it picks out of an order of 14.
std::string fields(const ParsedOptions& parsed) {
    if (!parsed.ok() || parsed.options.help) {
        return "refused or help: " + parsed.error;
    }
    const auto& o = parsed.options;
    const auto given = [](const std::string& value) { return value.empty() ? "-" : value; };
    std::string text = o.orderPath + "|" + given(o.settingsPath.value_or("")) + "|" +
                       given(o.logoDir) + "|" + given(o.outputPath.value_or("")) + "|" +
                       given(o.pngDir.value_or("")) + "|";
    std::vector<int> rows;
    std::string error;
    o.rows.resolve(14, rows, error);
    for (int row : rows) {
        text += std::to_string(row) + (row == rows.back() ? "" : ",");
    }
    return text + error;
}

TEST(GoodCommandLineTest, EveryOptionLandsInItsField) {
    const std::string all = "1,2,3,4,5,6,7,8,9,10,11,12,13,14";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"PEDIDO.txt"}, "PEDIDO.txt|-|-|-|-|" + all},
        {{"--settings", "P.DAT", "PEDIDO.txt", "--rows", "3,1", "--logo-dir", "logos", "-o",
          "saida.zpl", "--png", "img"},
         "PEDIDO.txt|P.DAT|logos|saida.zpl|img|1,3"},
        {{"--settings=a=b.DAT", "--rows=all", "--logo-dir=l", "--output=s", "--png=i",
          "PEDIDO.txt"},
         "PEDIDO.txt|a=b.DAT|l|s|i|" + all}};
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(fields(parseRenderOptions(arguments)), expected);
    }
}

struct BadCommandLine {
    const char* name;
    std::vector<std::string> arguments;
    const char* error;
};

class BadCommandLineTest : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(BadCommandLineTest, RefusedWithItsReason) {
    const BadCommandLine& c = GetParam();
    EXPECT_EQ(parseRenderOptions(c.arguments).error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadCommandLineTest,
    ::testing::Values(
        BadCommandLine{"nothing", {}, "Informe o arquivo de pedidos a imprimir"},
        BadCommandLine{"unknown_long", {"P.txt", "--pause"}, "Opção desconhecida: --pause"},
        BadCommandLine{"unknown_short", {"-x", "P.txt"}, "Opção desconhecida: -x"},
        BadCommandLine{
            "unknown_with_value", {"--copies=3", "P.txt"}, "Opção desconhecida: --copies=3"},
        BadCommandLine{
            "short_option_takes_no_equals", {"-o=s", "P.txt"}, "Opção desconhecida: -o=s"},
        BadCommandLine{
            "value_missing_at_the_end", {"P.txt", "-o"}, "A opção -o precisa de um valor"},
        BadCommandLine{
            "blank_value", {"P.txt", "--logo-dir="}, "O valor da opção --logo-dir está em branco"},
        BadCommandLine{"output_twice",
                       {"P.txt", "-o", "a", "--output", "b"},
                       "A opção --output foi dada mais de uma vez"},
        BadCommandLine{"two_orders",
                       {"a.txt", "b.txt"},
                       "Só um arquivo de pedidos por vez: \"b.txt\" está sobrando"},
        BadCommandLine{"blank_order", {""}, "O nome do arquivo de pedidos está em branco"},
        BadCommandLine{
            "long_option_with_one_dash", {"-output", "s", "P.txt"}, "Opção desconhecida: -output"},
        BadCommandLine{
            "short_option_with_two_dashes", {"P.txt", "--o", "s"}, "Opção desconhecida: --o"},
        BadCommandLine{
            "short_option_glued_to_its_value", {"-os", "P.txt"}, "Opção desconhecida: -os"},
        BadCommandLine{"help_with_a_value", {"P.txt", "--help=1"}, "Opção desconhecida: --help=1"},
        BadCommandLine{"help_with_two_dashes_short", {"P.txt", "--h"}, "Opção desconhecida: --h"},
        BadCommandLine{"value_missing_after_inline_values",
                       {"--rows=1", "P.txt", "--settings"},
                       "A opção --settings precisa de um valor"},
        BadCommandLine{"blank_order_after_double_dash",
                       {"--", ""},
                       "O nome do arquivo de pedidos está em branco"},
        BadCommandLine{"two_orders_around_options",
                       {"a.txt", "--rows", "1", "-"},
                       "Só um arquivo de pedidos por vez: \"-\" está sobrando"},
        BadCommandLine{"bad_rows",
                       {"P.txt", "--rows", "1-3"},
                       "Lista de linhas inválida em --rows: \"1-3\" (use all ou números de linha "
                       "a partir de 1 separados por vírgula, como 1,3,12)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RenderHelpTest, AskedAnywhereBeforeDoubleDashWhateverElseIsWrong) {
    EXPECT_TRUE(parseRenderOptions({"--bogus", "--help"}).options.help);
    EXPECT_TRUE(parseRenderOptions({"-h"}).ok());
    EXPECT_TRUE(parseRenderOptions({"-h"}).options.help);
    const ParsedOptions order = parseRenderOptions({"--rows", "2", "--", "--help"});
    EXPECT_FALSE(order.options.help);
    EXPECT_EQ(order.options.orderPath, "--help");
}

TEST(RenderHelpTest, VersionAskedLikeHelp) {
    const ParsedOptions version = parseRenderOptions({"P.txt", "--rows=0", "--version"});
    EXPECT_TRUE(version.ok());
    EXPECT_TRUE(version.options.version);
    EXPECT_FALSE(version.options.help);
    EXPECT_FALSE(parseRenderOptions({"--version"}).options.help);
    EXPECT_TRUE(parseRenderOptions({"--help", "--version"}).options.help);
    const ParsedOptions order = parseRenderOptions({"--", "--version"});
    EXPECT_FALSE(order.options.version);
    EXPECT_EQ(order.options.orderPath, "--version");
    EXPECT_EQ(parseRenderOptions({"P.txt", "--version=2"}).error,
              "Opção desconhecida: --version=2");
}

TEST(RenderHelpTest, AskedAfterAnOptionThatTookTheDoubleDashAsItsValue) {
    EXPECT_TRUE(parseRenderOptions({"--settings", "--", "--help"}).options.help);
    // An option's value that reads "--help" still asks for the help text.
    EXPECT_TRUE(parseRenderOptions({"P.txt", "--rows", "--help"}).options.help);
}

// Paths are bytes: whatever a byte is, it reaches the options as it was given.
TEST(GoodCommandLineTest, PathsAndValuesKeepEveryByte) {
    const std::string order = "pedido-\xe7\xd8\x01 .txt";
    const std::string settings = "P\xc3\xa7=\xff.DAT";
    const ParsedOptions parsed =
        parseRenderOptions({"--settings=" + settings, "-o", "-\x80", "--", order});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.options.orderPath, order);
    EXPECT_EQ(parsed.options.settingsPath.value_or(""), settings);
    EXPECT_EQ(parsed.options.outputPath.value_or(""), "-\x80");
    EXPECT_EQ(parseRenderOptions({"\xe9", "\xea"}).error,
              "Só um arquivo de pedidos por vez: \"\xea\" está sobrando");
}

// What follows "--" is the order file, even when it reads like an option; an option's
// value may start with a dash.
TEST(GoodCommandLineTest, DoubleDashEndsTheOptions) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--rows", "2", "--", "-o"}, "-o|-|-|-|-|2"},
        {{"--png", "--", "--", "--"}, "--|-|-|-|--|1,2,3,4,5,6,7,8,9,10,11,12,13,14"},
        {{"-o", "-", "-"}, "-|-|-|-|-|1,2,3,4,5,6,7,8,9,10,11,12,13,14"},
        {{"--logo-dir", "-x", "P.txt", "--settings=--"},
         "P.txt|--|-x|-|-|1,2,3,4,5,6,7,8,9,10,11,12,13,14"}};
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(fields(parseRenderOptions(arguments)), expected);
    }
}

struct RowListCase {
    const char* text;
    bool parses;
    int rowCount;
    bool resolves;
    std::vector<int> rows;
    std::string error;
};

class RowListTest : public ::testing::TestWithParam<RowListCase> {};

TEST_P(RowListTest, RowsInGridOrderOrTheReason) {
    const RowListCase& c = GetParam();
    RowSelection selection;
    std::string error;
    ASSERT_EQ(RowSelection::parse(c.text, selection, error), c.parses) << error;
    if (!c.parses) {
        EXPECT_EQ(error, c.error);
        return;
    }
    std::vector<int> rows;
    ASSERT_EQ(selection.resolve(c.rowCount, rows, error), c.resolves);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(error, c.error);
}

const std::string kListHelp =
    "\" (use all ou números de linha a partir de 1 separados por vírgula, como 1,3,12)";

INSTANTIATE_TEST_SUITE_P(
    Lists, RowListTest,
    ::testing::Values(
        RowListCase{"all", true, 3, true, {1, 2, 3}, ""}, RowListCase{"2", true, 3, true, {2}, ""},
        RowListCase{"3,1,3,2", true, 3, true, {1, 2, 3}, ""},
        RowListCase{"007", true, 999, true, {7}, ""},
        RowListCase{"999", true, 999, true, {999}, ""},
        RowListCase{"4", true, 3, false, {}, "A linha 4 não existe: o pedido tem 3 linhas"},
        RowListCase{"2,1000000",
                    true,
                    999,
                    false,
                    {},
                    "A linha 1000000 não existe: o pedido tem 999 linhas"},
        RowListCase{"0000001", true, 3, true, {1}, ""},
        RowListCase{"9999999999999999999999",
                    true,
                    14,
                    false,
                    {},
                    "A linha 9999999999999999999999 não existe: o pedido tem 14 linhas"},
        RowListCase{"2", true, 1, false, {}, "A linha 2 não existe: o pedido tem 1 linha"},
        RowListCase{"0",
                    false,
                    0,
                    false,
                    {},
                    "A linha 0 não existe em --rows: as linhas são numeradas a partir de 1"},
        RowListCase{"", false, 0, false, {}, "Lista de linhas inválida em --rows: \"" + kListHelp},
        RowListCase{
            "1,", false, 0, false, {}, "Lista de linhas inválida em --rows: \"1," + kListHelp},
        RowListCase{
            " 1", false, 0, false, {}, "Lista de linhas inválida em --rows: \" 1" + kListHelp},
        RowListCase{
            "+1", false, 0, false, {}, "Lista de linhas inválida em --rows: \"+1" + kListHelp},
        RowListCase{
            "ALL", false, 0, false, {}, "Lista de linhas inválida em --rows: \"ALL" + kListHelp}));

TEST(RenderOptions, SendTakesItsPortAndPortsFile) {
    const ParsedOptions plain = parseRenderOptions({"PEDIDO.txt"});
    ASSERT_TRUE(plain.ok());
    EXPECT_FALSE(plain.options.send);
    const ParsedOptions parsed = parseRenderOptions(
        {"PEDIDO.txt", "--send", "--port=tcp://127.0.0.1:9100", "--ports", "p.ini"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_TRUE(parsed.options.send);
    EXPECT_EQ(parsed.options.port.value_or("-"), "tcp://127.0.0.1:9100");
    EXPECT_EQ(parsed.options.portsPath.value_or("-"), "p.ini");
    EXPECT_EQ(parseRenderOptions({"PEDIDO.txt", "--send=1"}).error, "Opção desconhecida: --send=1");
    EXPECT_EQ(parseRenderOptions({"PEDIDO.txt", "--send", "--port"}).error,
              "A opção --port precisa de um valor");
}

TEST(RenderOptions, NoStatusOnlyWithSend) {
    EXPECT_FALSE(parseRenderOptions({"PEDIDO.txt", "--send"}).options.noStatus);
    const ParsedOptions parsed = parseRenderOptions({"PEDIDO.txt", "--no-status", "--send"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_TRUE(parsed.options.noStatus);
    EXPECT_EQ(parseRenderOptions({"PEDIDO.txt", "--no-status"}).error,
              "A opção --no-status só vale com --send");
    EXPECT_EQ(parseRenderOptions({"PEDIDO.txt", "--send", "--no-status=1"}).error,
              "Opção desconhecida: --no-status=1");
    EXPECT_EQ(parseRenderOptions({"PEDIDO.txt", "--send", "--no-status", "--no-status"}).error,
              "A opção --no-status foi dada mais de uma vez");
}

}  // namespace
