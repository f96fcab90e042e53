#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "../CommandRun.h"
#include "ManualPage.h"

namespace rotulano::test {
namespace {

// The section headings of a page, in its language.
struct Language {
    QString folder;  // under the build's packaging/man/
    QString options;
    QString exitStatus;
    QString files;
    QString environment;
};

const Language kEnglish{"en", "OPTIONS", "EXIT STATUS", "FILES", "ENVIRONMENT"};
const Language kPortuguese{"pt", "OPÇÕES", "SITUAÇÃO DE SAÍDA", "ARQUIVOS", "AMBIENTE"};

// A program and what its page must name besides its options and exit statuses.
struct Program {
    QString name;
    QString path;
    QStringList files;
    QStringList environment;
};

const Program kWindow{"rotulano",
                      ROTULANO_WINDOW_PROGRAM,
                      {"CD21PRM.DAT", "rotulano-portas.ini", "rotulano-janela.ini", "LOGOVRDL.GRF",
                       "LOGOVRDL.BMP", "hhmmsscc.TXT", ROTULANO_SAMPLE_DIR "/PEDIDO.txt"},
                      {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "CUPS_SERVER"}};
const Program kRenderer{"rotulano-render",
                        ROTULANO_RENDER_PROGRAM,
                        {"CD21PRM.DAT", "rotulano-portas.ini", "LOGOVRDL.GRF", "LOGOVRDL.BMP",
                         ROTULANO_SAMPLE_DIR "/PEDIDO.txt"},
                        {"TMPDIR", "CUPS_SERVER", "XDG_CONFIG_HOME"}};

struct PageCase {
    Program program;
    Language language;
};

// gtest names a failing case by its page.
void PrintTo(const PageCase& page, std::ostream* out) {
    *out << page.program.name.toStdString() << '(' << page.language.folder.toStdString() << ')';
}

// A set of options as one readable line, for the comparisons' messages.
std::string listed(const std::set<QString>& options) {
    std::string line;
    for (const QString& option : options) {
        line += option.toStdString() + ' ';
    }
    return line;
}

QString pagePath(const PageCase& page) {
    return QStringLiteral(ROTULANO_MAN_DIR "/") + page.language.folder + '/' + page.program.name +
           QStringLiteral(".1");
}

class ManualPagesTest : public ::testing::TestWithParam<PageCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(page_.read()) << pagePath(GetParam()).toStdString(); }

    // The program's --help, run as an operator would, without a display.
    static QString help() {
        const CommandRun run =
            runCommand(GetParam().program.path, {"--help"}, environmentWithoutDisplay());
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, "");
        return run.out;
    }

    ManualPage page_{pagePath(GetParam())};
};

// `man --warnings`: groff's complaints about the page go to the error output.
TEST_P(ManualPagesTest, FormatsWithoutWarnings) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("MANWIDTH", "80");
    const CommandRun run =
        runCommand("man", {"--warnings", "-l", pagePath(GetParam())}, environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.contains(GetParam().language.options)) << run.out.toStdString();
}

TEST_P(ManualPagesTest, TitleNamesTheProgramAndThisVersion) {
    EXPECT_TRUE(page_.titleLine().startsWith(".TH " + GetParam().program.name.toUpper() + " 1 "))
        << page_.titleLine().toStdString();
    EXPECT_TRUE(page_.titleLine().contains("\"Rotulano " ROTULANO_VERSION "\""))
        << page_.titleLine().toStdString();
    EXPECT_FALSE(page_.titleLine().contains('@')) << page_.titleLine().toStdString();
}

TEST_P(ManualPagesTest, DescribesTheOptionsOfTheHelpTextAndNoOther) {
    const std::set<QString> options = optionsIn(help());
    ASSERT_GE(options.size(), 3u);
    EXPECT_EQ(listed(optionsIn(page_.tags(GetParam().language.options))), listed(options));
}

TEST_P(ManualPagesTest, DescribesTheExitStatusesOfTheHelpTextAndNoOther) {
    const std::set<int> statuses = helpStatuses(help(), QString::fromUtf8("Situação de saída:"));
    ASSERT_GE(statuses.size(), 2u);
    EXPECT_EQ(statusesIn(page_.tags(GetParam().language.exitStatus)), statuses);
}

TEST_P(ManualPagesTest, NamesTheFilesAndTheEnvironmentTheProgramReads) {
    const QString files = page_.tags(GetParam().language.files).join('\n');
    for (const QString& file : GetParam().program.files) {
        EXPECT_TRUE(files.contains(file)) << file.toStdString();
    }
    const QString environment = page_.tags(GetParam().language.environment).join('\n');
    for (const QString& variable : GetParam().program.environment) {
        EXPECT_TRUE(environment.contains(variable)) << variable.toStdString();
    }
}

std::string pageName(const ::testing::TestParamInfo<PageCase>& info) {
    QString name = info.param.program.name + '_' + info.param.language.folder;
    return name.replace('-', '_').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, ManualPagesTest,
                         ::testing::Values(PageCase{kWindow, kEnglish},
                                           PageCase{kWindow, kPortuguese},
                                           PageCase{kRenderer, kEnglish},
                                           PageCase{kRenderer, kPortuguese}),
                         pageName);

}  // namespace
}  // namespace rotulano::test
