#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <string>
#include <vector>

#include "robustness/RenderFiles.h"

// rotulano-render's start: arguments that Qt would take for its own options, Qt's own
// files that would hang it, damaged settings, and refusals that say what was left.
namespace {

namespace test = rotulano::test;
using test::ChildRun;
using test::kFull;
using test::kFullCause;
using test::kTag;
using test::RenderFiles;

class QtOptionLookalikes : public RenderFiles, public ::testing::WithParamInterface<const char*> {};

// "--png -platform --rows 1": the picture folder is named "-platform"; Qt never sees it.
TEST_P(QtOptionLookalikes, AreTheProgramsOwnArguments) {
    // With the logo in place the run has nothing to warn of: Qt's complaints would show.
    test::writeBytes(file("LOGOVRDL.GRF"), test::readBytes(test::samplePath("LOGOVRDL.GRF")));
    const ChildRun expected = reference();
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    const std::string folder = GetParam();
    const ChildRun run =
        test::runRenderProcess({order, "--settings", settings, "--logo-dir",
                                dir.path().toStdString(), "--png", folder, "--rows", "1"},
                               test::ChildSetup{-1, false, dir.path().toStdString()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file(folder + "/linha-001-etiqueta.png"))));
}

INSTANTIATE_TEST_SUITE_P(Options, QtOptionLookalikes,
                         ::testing::Values("-platform", "-style", "-reverse", "-qwindowtitle"),
                         [](const auto& info) { return std::string(info.param).substr(1); });

struct DamageCase {
    const char* name;
    std::size_t position;
    const char* bytes;
    const char* field;  // what the message says of the field
};

class DamagedSettings : public RenderFiles, public ::testing::WithParamInterface<DamageCase> {};

// The label commands would carry these bytes to the printer: nothing is written.
TEST_P(DamagedSettings, StopTheRunWithStatusThreeNamingTheField) {
    const DamageCase& c = GetParam();
    std::string record = test::readBytes(settings);
    record.replace(c.position - 1, std::string(c.bytes).size(), c.bytes);
    test::writeBytes(settings, record);
    const ChildRun run = render({});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, kTag + "Arquivo de parâmetros " + settings + " danificado: " + c.field +
                           " (escolha os valores na janela do Rotulano e clique em Gravar)\n");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedSettings,
    ::testing::Values(
        DamageCase{"Darkness99", 6, "99",
                   "campo temperatura (posições 6-7) = \"99\": deveria ser um número de 01 a 30"},
        DamageCase{"DarknessA5", 6, "A5",
                   "campo temperatura (posições 6-7) = \"A5\": deveria ser um número de 01 a 30"},
        DamageCase{"LeftMargin", 9, "-1",
                   "campo margem esquerda (posições 9-10) = \"-1\": deveria ser dois dígitos "
                   "(milímetros)"},
        DamageCase{"SecondMargin", 11, "\xE9\xE9",
                   "campo margem superior/inferior (posições 11-12) = \"\\xE9\\xE9\": deveria "
                   "ser dois dígitos (milímetros)"},
        DamageCase{"Speed", 13, "~",
                   "campo velocidade (posição 13) = \"~\": deveria ser uma letra de A a S"}),
    [](const auto& info) { return std::string(info.param.name); });

// A new output name on a full disk: no earlier file to keep, and none is said to be kept.
TEST_F(RenderFiles, AFullDiskForANewOutputNameSaysNothingWasCreated) {
    const ChildRun expected = reference();
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    const std::string output = file("novo.zpl");
    const ChildRun cut = render({"-o", output}, static_cast<long long>(expected.out.size()) - 1);
    EXPECT_EQ(cut.exitCode, 4);
    EXPECT_EQ(cut.err.substr(cut.err.rfind(kTag)),
              kTag + "O arquivo de saída " + output + " não pôde ser gravado: " + kFullCause +
                  "; " + kFull + "; nenhum arquivo foi criado\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(output)));
}

// The environment variable put back after the test.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (wasSet_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};

// Qt reads its logging rules as the picture application starts: a named pipe there would
// block it for ever. It is named and Qt gets an empty folder; the pictures come out.
TEST_F(RenderFiles, QtsOwnFileThatIsANamedPipeIsSetAside) {
    test::writeBytes(file("LOGOVRDL.GRF"), test::readBytes(test::samplePath("LOGOVRDL.GRF")));
    const std::string config = file("config");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(config + "/QtProject")));
    const std::string rules = config + "/QtProject/qtlogging.ini";
    ASSERT_TRUE(test::makePipe(rules));
    const ScopedVariable home("XDG_CONFIG_HOME", QByteArray::fromStdString(config));
    const ScopedVariable system("XDG_CONFIG_DIRS", QByteArray::fromStdString(config));
    const ChildRun run = render({"--png", file("imagens")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, kTag + "arquivo do Qt " + rules +
                           " não é um arquivo comum (dispositivo, pipe ou socket): ignorado, o Qt "
                           "usa uma pasta de configuração vazia\n");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file("imagens/linha-001-etiqueta.png"))));
}

// Without its logo, a tag recalls the missing graphic in each of its two columns: the
// picture's warning is given once, and the logo warning names the folder looked in.
TEST_F(RenderFiles, APictureWithoutItsLogoWarnsOnce) {
    const ChildRun run = render({"--png", file("imagens")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string picture = file("imagens/linha-001-etiqueta.png");
    EXPECT_EQ(run.err, kTag + "aviso: Arquivo do logotipo " + file("LOGOVRDL.GRF") +
                           " não encontrado: as etiquetas sairão sem o logotipo\n" + kTag +
                           "aviso: linha-001-etiqueta.png: Gráfico R:LOGOVRDL.GRF não está na "
                           "memória da impressora: não é impresso\n");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(picture)));
}

// An order without line ends after its first item: refused naming the line.
TEST_F(RenderFiles, AnOrderLineWithoutItsEndStopsTheRun) {
    std::string bytes = test::readBytes(order);
    bytes.resize(bytes.find('\n', bytes.find('\n') + 1) + 1);
    bytes += std::string(100000, '\0');
    test::writeBytes(order, bytes);
    const ChildRun run = render({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, kTag +
                           "A linha 3 passa de 600 bytes sem fim de linha: esse não é um arquivo "
                           "de Pedidos LOJASVERDELIS\n");
}

}  // namespace
