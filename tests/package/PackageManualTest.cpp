#include <QRegularExpression>
#include <set>

#include "BuiltPackage.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::test {
namespace {

const QString kRendererPage = "usr/share/man/man1/rotulano-render.1.gz";

// `man --warnings -l`: the page as a reader sees it (wide, so that no option is broken
// across lines), and what groff found wrong with it.
CommandRun formatPage(const QString& page) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("MANWIDTH", "200");
    environment.insert("MAN_KEEP_FORMATTING", "");
    return runCommand("man", {"--warnings", "-l", page}, environment);
}

// The options that `rotulano-render --help` lists.
std::set<QString> helpOptions() {
    const QString help = QString::fromStdString(render::renderHelpText());
    const QRegularExpression option("(?<![\\w-])(--?[a-z][a-z-]*)",
                                    QRegularExpression::UseUnicodePropertiesOption);
    std::set<QString> options;
    for (auto match = option.globalMatch(help); match.hasNext();) {
        options.insert(match.next().captured(1));
    }
    return options;
}

TEST_F(PackageTest, ManualPagesFormatWithoutWarnings) {
    for (const QString page : {"rotulano.1.gz", "rotulano-render.1.gz"}) {
        const CommandRun run = formatPage(package().installed("usr/share/man/man1/" + page));
        EXPECT_EQ(run.exitCode, 0) << page.toStdString();
        EXPECT_EQ(run.err, "") << page.toStdString();
        EXPECT_TRUE(run.out.contains("\nNOME\n")) << run.out.toStdString();
    }
}

TEST_F(PackageTest, RendererPageDescribesEveryOptionOfTheHelpText) {
    const std::set<QString> options = helpOptions();
    ASSERT_EQ(options, (std::set<QString>{"--help", "--logo-dir", "--no-status", "--output",
                                          "--png", "--port", "--ports", "--rows", "--send",
                                          "--settings", "--version", "-h", "-o"}));
    const QString page = formatPage(package().installed(kRendererPage)).out;
    for (const QString& option : options) {
        EXPECT_TRUE(page.contains(
            QRegularExpression("\n {7}(.*, )?" + QRegularExpression::escape(option) + "[ ,\n]")))
            << "no entry for " << option.toStdString();
    }
}

TEST_F(PackageTest, RendererPageDescribesEveryExitStatus) {
    const QString page = formatPage(package().installed(kRendererPage)).out;
    using render::RenderExit;
    for (const RenderExit status :
         {RenderExit::Ok, RenderExit::CommandLine, RenderExit::OrderFile, RenderExit::Settings,
          RenderExit::Output, RenderExit::Send, RenderExit::PrinterNotReady}) {
        const QString entry = "\n {7}" + QString::number(static_cast<int>(status)) + " {6}\\S";
        EXPECT_TRUE(page.contains(QRegularExpression(entry))) << static_cast<int>(status);
    }
}

TEST_F(PackageTest, ManualPagesNameTheFilesTheProgramsUse) {
    for (const QString page : {"rotulano.1.gz", "rotulano-render.1.gz"}) {
        const QString text = formatPage(package().installed("usr/share/man/man1/" + page)).out;
        const qsizetype files = text.indexOf("\nARQUIVOS\n");
        ASSERT_GE(files, 0) << page.toStdString();
        for (const char* name :
             {"CD21PRM.DAT", "LOGOVRDL.GRF", "LOGOVRDL.BMP", "/usr/share/rotulano/PEDIDO.txt"}) {
            EXPECT_GT(text.indexOf(name, files), files) << page.toStdString() << ": " << name;
        }
    }
    EXPECT_TRUE(formatPage(package().installed("usr/share/man/man1/rotulano.1.gz"))
                    .out.contains("~/Rotulano"));
}

}  // namespace
}  // namespace rotulano::test
