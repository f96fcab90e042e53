#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "robustness/RenderFiles.h"

// rotulano-render as a process on inputs that are not files, a disk that fills up,
// names that are not UTF-8 and row numbers of any length.
namespace {

namespace test = rotulano::test;
using test::ChildRun;
using test::folderEntries;
using test::kFull;
using test::kFullCause;
using test::kTag;
using test::RenderFiles;

struct InputCase {
    const char* name;
    const char* input;  // "order", "settings" or "logo"
    std::function<bool(const std::string&)> make;
    int exitCode;
    const char* message;  // after the tag; PATH stands for the name given
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

class InputKinds : public RenderFiles, public ::testing::WithParamInterface<InputCase> {};

std::string replacedPath(std::string text, const std::string& path) {
    const std::size_t at = text.find("PATH");
    return at == std::string::npos ? text : text.replace(at, 4, path);
}

// An order or settings file that is a pipe or a device stops the run with its status;
// a logo that is one is left out with the logo warning and the labels still come out.
TEST_P(InputKinds, AreRefusedWithTheirStatusAndNothingWaits) {
    const InputCase& c = GetParam();
    const std::string input = c.input;
    const ChildRun withoutLogo = reference();
    const std::string path = input == "order"      ? file("PIPE.txt")
                             : input == "settings" ? file("PIPE.DAT")
                                                   : file("LOGOVRDL.GRF");
    if (!c.make(path)) {
        GTEST_SKIP() << "the system refuses to make a " << c.name << " here";
    }
    std::vector<std::string> arguments = {input == "order" ? path : order,
                                          "--rows",
                                          "1",
                                          "--settings",
                                          input == "settings" ? path : settings,
                                          "--logo-dir",
                                          dir.path().toStdString()};
    const ChildRun run = test::runRenderProcess(arguments, {});
    EXPECT_EQ(run.exitCode, c.exitCode);
    if (c.exitCode == 0) {
        EXPECT_EQ(run.out, withoutLogo.out);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1),
                  kTag + "aviso: Arquivo do logotipo " + path +
                      " não é um arquivo comum: as etiquetas sairão sem o logotipo\n");
    } else {
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, kTag + replacedPath(c.message, path) + "\n");
    }
}

const char* const kOrderNotOpened =
    "Status [96] Arquivo de Pedidos PATH: o arquivo não pôde ser aberto: não é um arquivo comum "
    "(dispositivo, pipe ou socket)";
const char* const kSettingsNotRead =
    "Status [96] Arquivo de parâmetros PATH: não é um arquivo comum (dispositivo, pipe ou socket)";

bool zeroDevice(const std::string& path) {
    return test::makeCharDevice(path, 1, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InputKinds,
    ::testing::Values(InputCase{"OrderPipe", "order", test::makePipe, 2, kOrderNotOpened},
                      InputCase{"OrderZeroDevice", "order", zeroDevice, 2, kOrderNotOpened},
                      InputCase{"OrderSocket", "order", test::makeSocket, 2, kOrderNotOpened},
                      InputCase{"SettingsPipe", "settings", test::makePipe, 3, kSettingsNotRead},
                      InputCase{"SettingsZeroDevice", "settings", zeroDevice, 3, kSettingsNotRead},
                      InputCase{"LogoPipe", "logo", test::makePipe, 0, ""},
                      InputCase{"LogoZeroDevice", "logo", zeroDevice, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A disk that fills up (a file size limit just below the job's size, in a child that
// ignores the signal): the earlier output file stays whole and nothing is left beside it.
TEST_F(RenderFiles, AFullDiskNeverLeavesHalfAnOutputFile) {
    // With the logo, the job is larger than any one print file the run writes on its way.
    test::writeBytes(file("LOGOVRDL.GRF"), test::readBytes(test::samplePath("LOGOVRDL.GRF")));
    const ChildRun expected = reference();
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    const std::string output = file("job.zpl");
    test::writeBytes(output, "an earlier job");
    const std::vector<std::string> before = folderEntries(dir.path().toStdString());
    const ChildRun cut = render({"-o", output}, static_cast<long long>(expected.out.size()) - 1);
    EXPECT_EQ(cut.exitCode, 4);
    EXPECT_EQ(cut.err.substr(cut.err.rfind(kTag)),
              kTag + "O arquivo de saída " + output + " não pôde ser gravado: " + kFullCause +
                  "; " + kFull + "; o arquivo anterior com esse nome fica como estava\n");
    EXPECT_EQ(test::readBytes(output), "an earlier job");
    EXPECT_EQ(folderEntries(dir.path().toStdString()), before);
}

// With room for the job's bytes but not for its first picture, the run ends with status
// 4, names the picture and says what was already written: the output file, or the
// standard output.
TEST_F(RenderFiles, APictureThatCannotBeWrittenSaysWhatWasWritten) {
    const ChildRun expected = reference();
    const ChildRun whole = render({"-o", file("whole.zpl"), "--png", file("whole")});
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    const auto pictureSize = test::readBytes(file("whole/linha-001-etiqueta.png")).size();
    if (pictureSize <= expected.out.size()) {
        GTEST_SKIP() << "the first picture is no larger than the job's bytes";
    }
    const auto limit = static_cast<long long>(expected.out.size());
    const std::string output = file("job.zpl");
    for (const bool toFile : {true, false}) {
        SCOPED_TRACE(toFile ? "-o" : "standard output");
        const std::string pictures = file(toFile ? "imagens" : "imagens2");
        const ChildRun run = toFile ? render({"-o", output, "--png", pictures}, limit)
                                    : render({"--png", pictures}, limit);
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_EQ(run.out, toFile ? "" : expected.out);
        EXPECT_EQ(run.err.substr(run.err.rfind(kTag)),
                  kTag + "A imagem " + pictures + "/linha-001-etiqueta.png não pôde ser gravada (" +
                      kFull + "); já gravados: " +
                      (toFile ? "o arquivo de saída " + output
                              : std::string("os bytes do trabalho na saída padrão")) +
                      "\n");
        EXPECT_EQ(folderEntries(pictures), std::vector<std::string>{});
    }
    EXPECT_EQ(test::readBytes(output), expected.out);
}

// Names are bytes: an output file and a picture folder named in Latin-1 are written
// under exactly those bytes, never under a decoded name that could be another file.
TEST_F(RenderFiles, OutputNamesThatAreNotUtf8KeepTheirBytes) {
    const ChildRun expected = reference();
    const std::string latin1 = file(
        "sa\xE9"
        "da.zpl");
    const std::string decoded = file(
        "sa\xEF\xBF\xBD"
        "da.zpl");
    test::writeBytes(decoded, "an unrelated file");
    const std::string folder = file("imagens-\xE9");
    const ChildRun run = render({"-o", latin1, "--png", folder});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::readBytes(latin1), expected.out);
    EXPECT_EQ(test::readBytes(decoded), "an unrelated file");
    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"linha-001-etiqueta.png", "linha-001-resumo.png"}));
    // A batch job has no runtime folder: Qt must not complain about it.
    EXPECT_EQ(run.err.find("XDG_RUNTIME_DIR"), std::string::npos) << run.err;
}

struct RowsCase {
    const char* rows;
    int exitCode;
    const char* message;  // after the tag, empty when the rows print
};

// Row numbers take any number of leading zeros; a row past the end is named with the
// order's row count, however long its number.
TEST_F(RenderFiles, RowNumbersOfAnyLength) {
    const ChildRun expected = reference();
    for (const RowsCase& c :
         {RowsCase{"0000001", 0, ""}, RowsCase{"000000000000001", 0, ""},
          RowsCase{"9999999", 1, "A linha 9999999 não existe: o pedido tem 14 linhas"},
          RowsCase{"1,00000000000000000000000000099", 1,
                   "A linha 99 não existe: o pedido tem 14 linhas"}}) {
        SCOPED_TRACE(c.rows);
        const ChildRun run = test::runRenderProcess({order, "--settings", settings, "--logo-dir",
                                                     dir.path().toStdString(), "--rows", c.rows},
                                                    {});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, c.exitCode == 0 ? expected.out : "");
        if (c.exitCode != 0) {
            EXPECT_EQ(run.err, kTag + c.message + "\n");
        }
    }
}

}  // namespace
