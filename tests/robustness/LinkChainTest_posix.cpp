#include <gtest/gtest.h>

#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "config/ParameterFile.h"
#include "core/PrinterSettings.h"
#include "robustness/RenderFiles.h"

// Names that are chains of symbolic links, and names as long as the file system takes:
// rotulano-render's -o and the parameter file's save and first creation write the file
// at the end of the chain, as the system would open it, and never turn a link of the
// chain into a file; a loop of links is refused with what it is.
namespace {

namespace core = rotulano::core;
namespace test = rotulano::test;
using rotulano::config::ParameterFile;
using test::ChildRun;
using test::folderEntries;
using test::kTag;
using test::RenderFiles;

// A link at `name` holding `target`; "BASE" in the target stands for the test's folder.
struct Link {
    const char* name;
    const char* target;
};

struct ChainCase {
    const char* name;
    std::vector<Link> links;  // the first one is the name given
    const char* end;          // the file the chain ends at, nullptr for a loop
    bool endExists;
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << c.name;
}

std::string withBase(std::string target, const std::string& base) {
    const std::size_t at = target.find("BASE");
    return at == std::string::npos ? target : target.replace(at, 4, base);
}

std::string linkTarget(const std::string& path) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(path, error);
    return error ? "not a link" : target.string();
}

// A folder laid out as the case says, with "a" and "other" in it; the end holds `old`.
class ChainFolder {
  public:
    ChainFolder(const ChainCase& c, const std::string& old) : case_(c) {
        std::filesystem::create_directory(base() + "/a");
        std::filesystem::create_directory(base() + "/other");
        for (const Link& link : c.links) {
            const std::string target = withBase(link.target, base());
            laidOut_ = laidOut_ && ::symlink(target.c_str(), path(link.name).c_str()) == 0;
        }
        if (c.endExists) {
            test::writeBytes(path(c.end), old);
        }
    }

    bool laidOut() const { return laidOut_; }
    std::string base() const { return dir_.path().toStdString(); }
    std::string path(const std::string& name) const { return base() + "/" + name; }
    std::string given() const { return path(case_.links.front().name); }

    // Every link of the chain is still the link it was.
    void expectLinksKept() const {
        for (const Link& link : case_.links) {
            EXPECT_EQ(linkTarget(path(link.name)), withBase(link.target, base())) << link.name;
        }
    }

    // The end holds `bytes`, and the folders hold the links and the end only.
    void expectEndHolds(const std::string& bytes) const {
        EXPECT_EQ(test::fileKind(path(case_.end)), "regular");
        EXPECT_EQ(test::readBytes(path(case_.end)), bytes);
        std::vector<std::string> names = {case_.end};
        for (const Link& link : case_.links) {
            const std::string name = link.name;
            if (name.rfind("a/", 0) == 0 || name.rfind("other/", 0) == 0) {
                names.push_back(name);
            }
        }
        std::vector<std::string> found;
        for (const char* folder : {"a", "other"}) {
            for (const std::string& entry : folderEntries(path(folder))) {
                found.push_back(std::string(folder) + "/" + entry);
            }
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(found, names);
    }

  private:
    const ChainCase& case_;
    QTemporaryDir dir_;
    bool laidOut_ = true;
};

class LinkChains : public RenderFiles, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(LinkChains, OutputGoesToTheEndOfTheChain) {
    const ChainCase& c = GetParam();
    const ChainFolder folder(c, "an earlier job");
    ASSERT_TRUE(folder.laidOut());
    const ChildRun expected = reference();
    const ChildRun run = render({"-o", folder.given()});
    folder.expectLinksKept();
    if (c.end == nullptr) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, kTag + "O arquivo de saída " + folder.given() +
                               " é um laço de links: use um arquivo comum, um dispositivo de "
                               "caracteres, um pipe ou - (a saída padrão)\n");
        return;
    }
    EXPECT_EQ(run.exitCode, 0) << run.err;
    folder.expectEndHolds(expected.out);
}

// The window's first start creates CD21PRM.DAT, and "Gravar" rewrites it, through the
// same chain.
TEST_P(LinkChains, SettingsAreSavedAtTheEndOfTheChain) {
    const ChainCase& c = GetParam();
    const std::string oldRecord = core::PrinterSettings::defaults().record();
    const ChainFolder folder(c, oldRecord);
    ASSERT_TRUE(folder.laidOut());
    core::PrinterSettings changed = core::PrinterSettings::defaults();
    changed.setModel(6);
    const ParameterFile file(folder.given());
    const core::FileStatus status = c.endExists ? file.rewrite(changed) : file.create(changed);
    folder.expectLinksKept();
    if (c.end == nullptr) {
        EXPECT_NE(status, "00");
        return;
    }
    EXPECT_EQ(status, "00");
    folder.expectEndHolds(changed.record());
}

INSTANTIATE_TEST_SUITE_P(
    Chains, LinkChains,
    ::testing::Values(ChainCase{"TwoHopsToAMissingFileInAnotherFolder",
                                {{"a/out", "hop"}, {"a/hop", "../other/new.bin"}},
                                "other/new.bin",
                                false},
                      ChainCase{"TwoHopsToAnExistingFile",
                                {{"a/out", "hop"}, {"a/hop", "../other/old.bin"}},
                                "other/old.bin",
                                true},
                      ChainCase{"AnAbsoluteHopThenARelativeOne",
                                {{"a/out", "BASE/other/hop"}, {"other/hop", "end.bin"}},
                                "other/end.bin",
                                false},
                      ChainCase{"ThroughALinkedFolder",
                                {{"a/out", "../linked/new.bin"}, {"linked", "other"}},
                                "other/new.bin",
                                false},
                      ChainCase{"ALoop", {{"a/out", "hop"}, {"a/hop", "out"}}, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

class LongNames : public RenderFiles, public ::testing::WithParamInterface<std::size_t> {};

// The file system takes names of up to 255 bytes: so does the output file, whatever
// name the save gives its new bytes on the way, and nothing is left beside it.
TEST_P(LongNames, AreWrittenAndLeaveNothingBeside) {
    const std::string name(GetParam(), 'n');
    const ChildRun expected = reference();
    const ChildRun run = render({"-o", file(name)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::readBytes(file(name)), expected.out);
    EXPECT_EQ(folderEntries(dir.path().toStdString()),
              (std::vector<std::string>{"PEDIDO.txt", "ZEBRA.DAT", name}));
    const std::string settingsName = file(std::string(GetParam() - 4, 's') + ".DAT");
    EXPECT_EQ(ParameterFile(settingsName).create(core::PrinterSettings::defaults()), "00");
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongNames, ::testing::Values(239, 250, 255),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
