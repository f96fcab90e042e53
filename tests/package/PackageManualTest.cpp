#include <QRegularExpression>
#include <set>

#include "BuiltPackage.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::test {
namespace {

// The pages' folders: English in man1, Portuguese in pt/man1, each with its headings.
struct PageFolder {
    QString folder;
    QString name;
    QString files;
};
const PageFolder kEnglishPages{"usr/share/man/man1/", "NAME", "FILES"};
const PageFolder kPortuguesePages{"usr/share/man/pt/man1/", "NOME", "ARQUIVOS"};
const PageFolder kPageFolders[] = {kEnglishPages, kPortuguesePages};

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
    for (const PageFolder& folder : kPageFolders) {
        for (const QString page : {"rotulano.1.gz", "rotulano-render.1.gz"}) {
            const CommandRun run = formatPage(package().installed(folder.folder + page));
            EXPECT_EQ(run.exitCode, 0) << page.toStdString();
            EXPECT_EQ(run.err, "") << page.toStdString();
            EXPECT_TRUE(run.out.contains("\n" + folder.name + "\n")) << run.out.toStdString();
        }
    }
}

TEST_F(PackageTest, RendererPageDescribesEveryOptionOfTheHelpText) {
    const std::set<QString> options = helpOptions();
    ASSERT_EQ(options,
              (std::set<QString>{"--format",           "--help",       "--history",   "--journal",
                                 "--logo-dir",         "--no-journal", "--no-status", "--order",
                                 "--output",           "--png",        "--port",      "--ports",
                                 "--resend-uncertain", "--rows",       "--send",      "--settings",
                                 "--skip-printed",     "--version",    "-h",          "-o"}));
    for (const PageFolder& folder : kPageFolders) {
        const QString page =
            formatPage(package().installed(folder.folder + "rotulano-render.1.gz")).out;
        for (const QString& option : options) {
            EXPECT_TRUE(page.contains(QRegularExpression(
                "\n {7}(.*, )?" + QRegularExpression::escape(option) + "[ ,\n]")))
                << folder.folder.toStdString() << ": no entry for " << option.toStdString();
        }
    }
}

TEST_F(PackageTest, RendererPageDescribesEveryExitStatus) {
    using render::RenderExit;
    for (const PageFolder& folder : kPageFolders) {
        const QString page =
            formatPage(package().installed(folder.folder + "rotulano-render.1.gz")).out;
        for (const RenderExit status :
             {RenderExit::Ok, RenderExit::CommandLine, RenderExit::OrderFile, RenderExit::Settings,
              RenderExit::Output, RenderExit::Send, RenderExit::PrinterNotReady}) {
            const QString entry = "\n {7}" + QString::number(static_cast<int>(status)) + " {6}\\S";
            EXPECT_TRUE(page.contains(QRegularExpression(entry)))
                << folder.folder.toStdString() << static_cast<int>(status);
        }
    }
}

TEST_F(PackageTest, ManualPagesNameTheFilesTheProgramsUse) {
    for (const PageFolder& folder : kPageFolders) {
        for (const QString page : {"rotulano.1.gz", "rotulano-render.1.gz"}) {
            const QString text = formatPage(package().installed(folder.folder + page)).out;
            const qsizetype files = text.indexOf("\n" + folder.files + "\n");
            ASSERT_GE(files, 0) << page.toStdString();
            for (const char* name : {"CD21PRM.DAT", "rotulano-portas.ini", "LOGOVRDL.GRF",
                                     "LOGOVRDL.BMP", "/usr/share/rotulano/PEDIDO.txt"}) {
                EXPECT_GT(text.indexOf(name, files), files) << page.toStdString() << ": " << name;
            }
        }
        EXPECT_TRUE(formatPage(package().installed(folder.folder + "rotulano.1.gz"))
                        .out.contains("~/Rotulano"));
    }
}

// An operator sets the printer up from the window's page alone: the ports file and its
// destinations, the groups that open the devices, the window's own file.
TEST_F(PackageTest, WindowPageDescribesThePrinterSetUp) {
    for (const PageFolder& folder : kPageFolders) {
        const QString text = formatPage(package().installed(folder.folder + "rotulano.1.gz")).out;
        for (const char* name :
             {"rotulano-portas.ini", "tcp://", "cups://", " lp", "dialout", "/dev/usb/lp0",
              "/dev/ttyS0", "~/.config/Rotulano/rotulano-janela.ini", "TMPDIR", "CUPS_SERVER"}) {
            EXPECT_TRUE(text.contains(name)) << folder.folder.toStdString() << ": " << name;
        }
    }
}

}  // namespace
}  // namespace rotulano::test
