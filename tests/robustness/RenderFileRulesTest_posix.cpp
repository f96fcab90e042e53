#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "core/OutputTarget.h"
#include "robustness/RenderFiles.h"

// rotulano-render run as a process on what an operator may name as its output: devices,
// pipes and the files it reads. Every node, pipe and file lives in the test's own folder.
namespace {

namespace core = rotulano::core;
namespace test = rotulano::test;
using test::ChildRun;
using test::kTag;
using test::RenderFiles;

struct OutputCase {
    const char* name;
    std::function<bool(const std::string&)> make;
    int exitCode;
    const char* refusal;  // what the message calls a refused name, nullptr when written
    const char* kindAfter;
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class OutputKinds : public RenderFiles, public ::testing::WithParamInterface<OutputCase> {};

// A device or a pipe is written into and stays what it was; a block device, a socket or
// a directory is refused as a command-line error before anything is written.
TEST_P(OutputKinds, AreWrittenIntoOrRefusedNeverReplaced) {
    const OutputCase& c = GetParam();
    const std::string target = file("saida");
    if (!c.make(target)) {
        GTEST_SKIP() << "the system refuses to make a " << c.name << " here";
    }
    const ChildRun expected = reference();
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    const bool pipe = std::string(c.kindAfter) == "pipe";
    std::future<std::string> reader;
    if (pipe && c.refusal == nullptr) {
        reader = std::async(std::launch::async, [&] { return test::readBytes(target); });
    }
    const ChildRun run = render({"-o", target});
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, "");
    if (c.refusal != nullptr) {
        EXPECT_EQ(run.err, kTag + "O arquivo de saída " + target + " é " + c.refusal +
                               ": use um arquivo comum, um dispositivo de caracteres, um pipe "
                               "ou - (a saída padrão)\n");
    } else {
        EXPECT_EQ(run.err, expected.err);
    }
    if (reader.valid()) {
        EXPECT_EQ(reader.get(), expected.out);
    }
    EXPECT_EQ(test::fileKind(target), c.kindAfter);
}

bool linkToPipe(const std::string& path) {
    return test::makePipe(path + ".fifo") && ::symlink((path + ".fifo").c_str(), path.c_str()) == 0;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OutputKinds,
    ::testing::Values(
        // A node of the null device inside the test's folder stands for a printer port.
        OutputCase{"NullDeviceNode",
                   [](const std::string& p) { return test::makeCharDevice(p, 1, 3); }, 0, nullptr,
                   "char"},
        OutputCase{"NamedPipe", test::makePipe, 0, nullptr, "pipe"},
        OutputCase{"LinkToANamedPipe", linkToPipe, 0, nullptr, "pipe"},
        // A loop device number with no disk behind it on this machine: even a write that
        // got through could reach nothing.
        OutputCase{"BlockDevice",
                   [](const std::string& p) {
                       return !std::filesystem::exists("/sys/dev/block/7:250") &&
                              test::makeBlockDevice(p, 7, 250);
                   },
                   1, "um dispositivo de blocos", "block"},
        OutputCase{"Socket", test::makeSocket, 1, "um socket", "socket"},
        OutputCase{"Directory",
                   [](const std::string& p) { return std::filesystem::create_directory(p); }, 1,
                   "uma pasta", "directory"}),
    [](const auto& info) { return std::string(info.param.name); });

// "-" is the standard output as the shell opened it, and so are /dev/stdout and
// /dev/fd/1, which are never opened by name (only looked at here, never written).
TEST_F(RenderFiles, StandardOutputByAnyOfItsNames) {
    const ChildRun expected = reference();
    const ChildRun run = render({"-o", "-"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, expected.out);
    for (const char* name : {"-", "/dev/stdout", "/dev/fd/1"}) {
        EXPECT_EQ(core::OutputTarget(name).kind(), core::OutputTarget::Kind::Standard) << name;
    }
}

struct SameFileCase {
    const char* name;
    const char* words;  // how the message names the file that was hit
    bool pictureLink;   // the picture name in the --png folder is a link to it
};

void PrintTo(const SameFileCase& c, std::ostream* os) {
    *os << c.name;
}

class FilesTheRunReads : public RenderFiles, public ::testing::WithParamInterface<SameFileCase> {};

// The order, the settings and a logo are never written over, whatever name reaches them
// (the same name, a hard link, a symbolic link, a picture's name): refused with the
// option errors' status before any byte is written anywhere.
TEST_P(FilesTheRunReads, AreRefusedAsOutputBeforeAnythingIsWritten) {
    const SameFileCase& c = GetParam();
    const std::string logo = file("LOGOVRDL.GRF");
    test::writeBytes(logo, test::readBytes(test::samplePath("LOGOVRDL.GRF")));
    const std::string hit = std::string(c.words).find("pedidos") != std::string::npos ? order
                            : std::string(c.words).find("parâm") != std::string::npos ? settings
                                                                                      : logo;
    const std::string before = test::readBytes(hit);
    std::string named = hit;
    std::vector<std::string> more;
    const std::string pictures = file("imagens");
    if (c.pictureLink) {
        std::filesystem::create_directory(pictures);
        named = pictures + "/linha-001-resumo.png";
        ASSERT_EQ(::symlink(hit.c_str(), named.c_str()), 0);
        more = {"-o", file("job.out"), "--png", pictures};
    } else if (std::string(c.name) == "HardLinkToTheOrder") {
        named = file("outro-nome.txt");
        ASSERT_EQ(::link(hit.c_str(), named.c_str()), 0);
        more = {"-o", named};
    } else if (std::string(c.name) == "SymbolicLinkToTheSettings") {
        named = file("link.dat");
        ASSERT_EQ(::symlink(hit.c_str(), named.c_str()), 0);
        more = {"-o", named};
    } else {
        more = {"-o", hit};
    }
    const ChildRun run = render(more);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    const std::string what = c.pictureLink ? "A imagem " : "O arquivo de saída ";
    EXPECT_EQ(run.err.substr(run.err.rfind(kTag)),
              kTag + what + named + " é o próprio " + c.words + " " + hit + ": nada foi gravado\n");
    EXPECT_EQ(test::readBytes(hit), before);
    EXPECT_EQ(test::fileKind(file("job.out")), "missing");
    if (c.pictureLink) {
        EXPECT_EQ(test::fileKind(pictures + "/linha-001-etiqueta.png"), "missing");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, FilesTheRunReads,
    ::testing::Values(SameFileCase{"TheOrderItself", "arquivo de pedidos", false},
                      SameFileCase{"HardLinkToTheOrder", "arquivo de pedidos", false},
                      SameFileCase{"TheSettings", "arquivo de parâmetros", false},
                      SameFileCase{"SymbolicLinkToTheSettings", "arquivo de parâmetros", false},
                      SameFileCase{"TheLogo", "arquivo do logotipo", false},
                      SameFileCase{"PictureLinkedToTheOrder", "arquivo de pedidos", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
