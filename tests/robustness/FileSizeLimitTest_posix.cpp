#include <gtest/gtest.h>

#include <unistd.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "config/ParameterFile.h"
#include "core/FileSizeSignal.h"
#include "core/PrinterSettings.h"
#include "robustness/RenderFiles.h"

// The operator's file size limit (ulimit -f) as a shell sets it: the signal it raises
// kills a program that does not ignore it. Both programs ignore it, so that a save that
// meets the limit fails like one on a full disk: status 34, the old bytes kept under
// every name, nothing left beside them.
namespace {

namespace core = rotulano::core;
namespace test = rotulano::test;
using rotulano::config::ParameterFile;
using test::ChildRun;
using test::ChildSetup;
using test::folderEntries;
using test::kFull;
using test::kFullCause;
using test::kTag;
using test::RenderFiles;

struct OutputCase {
    const char* name;
    bool earlierFile;  // a file of that name holds an earlier job
    bool hardLinked;   // it has a second name, so it is rewritten in place
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class OutputUnderALimit : public RenderFiles, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(OutputUnderALimit, FailsLikeAFullDiskAndKeepsTheOldBytes) {
    const OutputCase& c = GetParam();
    const ChildRun expected = reference();
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    const std::string output = file("job.zpl");
    const std::string other = file("other-name.zpl");
    if (c.earlierFile) {
        test::writeBytes(output, "an earlier job");
    }
    if (c.hardLinked) {
        ASSERT_EQ(::link(output.c_str(), other.c_str()), 0);
    }
    const std::vector<std::string> before = folderEntries(dir.path().toStdString());
    const auto limit = static_cast<long long>(expected.out.size()) - 1;
    const ChildRun run = renderIn(ChildSetup{limit, false, {}, true}, {"-o", output});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err.substr(run.err.rfind(kTag)),
              kTag + "O arquivo de saída " + output + " não pôde ser gravado: " + kFullCause +
                  "; " + kFull + "; " +
                  (c.earlierFile ? "o arquivo anterior com esse nome fica como estava"
                                 : "nenhum arquivo foi criado") +
                  "\n");
    EXPECT_EQ(test::fileKind(output), c.earlierFile ? "regular" : "missing");
    if (c.earlierFile) {
        EXPECT_EQ(test::readBytes(output), "an earlier job");
    }
    if (c.hardLinked) {
        EXPECT_EQ(test::readBytes(other), "an earlier job");
        EXPECT_EQ(test::inodeOf(other), test::inodeOf(output));
    }
    EXPECT_EQ(folderEntries(dir.path().toStdString()), before);
}

INSTANTIATE_TEST_SUITE_P(Outputs, OutputUnderALimit,
                         ::testing::Values(OutputCase{"NewFile", false, false},
                                           OutputCase{"ReplacedFile", true, false},
                                           OutputCase{"HardLinkedFile", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Room for the whole job: the limit is no obstacle and the bytes are all there.
TEST_F(RenderFiles, AnOutputWithinTheLimitIsWrittenWhole) {
    const ChildRun expected = reference();
    const std::string output = file("job.zpl");
    const std::string other = file("other-name.zpl");
    test::writeBytes(output, "an earlier job");
    ASSERT_EQ(::link(output.c_str(), other.c_str()), 0);
    const auto limit = static_cast<long long>(expected.out.size());
    const ChildRun run = renderIn(ChildSetup{limit, false, {}, true}, {"-o", output});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::readBytes(other), expected.out);
}

struct SettingsCase {
    const char* name;
    bool hardLinked;
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsUnderALimit : public ::testing::TestWithParam<SettingsCase> {
  protected:
    QTemporaryDir base;
    const std::string folder = base.path().toStdString();
    const std::string path = folder + "/CD21PRM.DAT";
    const std::string other = folder + "/OUTRO.DAT";
};

// The window's "Gravar" below a limit smaller than the record: the program set up as its
// main sets it up goes on with the status of a full disk, and CD21PRM.DAT keeps its old
// record under both names.
TEST_P(SettingsUnderALimit, TheSaveFailsLikeAFullDiskAndTheProgramGoesOn) {
    const std::string oldRecord = core::PrinterSettings::defaults().record();
    test::writeBytes(path, oldRecord);
    if (GetParam().hardLinked) {
        ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    }
    const std::vector<std::string> before = folderEntries(folder);
    core::PrinterSettings changed = core::PrinterSettings::defaults();
    changed.setModel(6);
    const ChildRun run = test::answerFromChild(ChildSetup{100, false, {}, true}, [&] {
        core::ignoreFileSizeSignal();
        return ParameterFile(path).rewrite(changed) + " still running";
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "34 still running");
    EXPECT_EQ(test::readBytes(path), oldRecord);
    if (GetParam().hardLinked) {
        EXPECT_EQ(test::readBytes(other), oldRecord);
    }
    EXPECT_EQ(folderEntries(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, SettingsUnderALimit,
                         ::testing::Values(SettingsCase{"ReplacedBeside", false},
                                           SettingsCase{"HardLinkedRewrittenInPlace", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
