#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "robustness/RenderFiles.h"

// rotulano-render's output file and pictures checked against each other and against
// what is already at their names, before anything is written: a picture is only ever a
// regular file, no output lands on another, and a file nobody may write to is kept.
namespace {

namespace test = rotulano::test;
using test::ChildRun;
using test::folderEntries;
using test::kTag;
using test::RenderFiles;

// The names a case works with: the output file, the pictures' folder and its pictures.
struct Names {
    std::string output;
    std::string pictures;
    std::string itemPicture;
    std::string summaryPicture;
};

struct ClashCase {
    const char* name;
    // Lays out the names in the work folder; false when the system refuses to.
    std::function<bool(Names&)> make;
    std::function<std::string(const Names&)> message;  // after the tag
};

void PrintTo(const ClashCase& c, std::ostream* os) {
    *os << c.name;
}

class OutputClashes : public RenderFiles, public ::testing::WithParamInterface<ClashCase> {
  protected:
    // What every file under the work folder holds, and what each name is.
    std::vector<std::string> snapshot() const {
        std::vector<std::string> seen;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(dir.path().toStdString())) {
            const std::string path = entry.path().string();
            const std::string kind = entry.is_symlink() ? "link" : test::fileKind(path);
            seen.push_back(path + " " + kind +
                           (kind == "regular" ? " " + test::readBytes(path) : std::string()));
        }
        std::sort(seen.begin(), seen.end());
        return seen;
    }
};

const char* const kNothing = ": nada foi gravado";

// Refused with the option errors' status, naming what clashes, and nothing at all
// written: not the output file, not one picture.
TEST_P(OutputClashes, AreRefusedBeforeAnythingIsWritten) {
    const ClashCase& c = GetParam();
    const std::string pictures = file("P");
    const Names names{file("job.zpl"), pictures, pictures + "/linha-001-etiqueta.png",
                      pictures + "/linha-001-resumo.png"};
    std::filesystem::create_directory(pictures);
    Names used = names;
    if (!c.make(used)) {
        GTEST_SKIP() << "the system refuses to lay out " << c.name << " here";
    }
    const std::vector<std::string> before = snapshot();
    const ChildRun run = render({"-o", used.output, "--png", used.pictures});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    // The run's warnings (no logo in the work folder) come before its last line.
    EXPECT_EQ(run.err.substr(run.err.rfind(kTag)), kTag + c.message(used) + "\n");
    EXPECT_EQ(snapshot(), before);
}

bool protect(const std::string& path) {
    test::writeBytes(path, "kept as its owner marked it");
    return ::chmod(path.c_str(), 0444) == 0;
}

INSTANTIATE_TEST_SUITE_P(
    Names, OutputClashes,
    ::testing::Values(
        ClashCase{"OutputIsAPicture",
                  [](Names& n) {
                      n.output = n.itemPicture;
                      return true;
                  },
                  [](const Names& n) {
                      return "O arquivo de saída " + n.output + " é a própria imagem " +
                             n.itemPicture + kNothing + "; use um nome fora da pasta das imagens";
                  }},
        ClashCase{
            "OutputLinkedToAPicture",
            [](Names& n) { return ::symlink(n.summaryPicture.c_str(), n.output.c_str()) == 0; },
            [](const Names& n) {
                return "O arquivo de saída " + n.output + " é a própria imagem " +
                       n.summaryPicture + kNothing + "; use um nome fora da pasta das imagens";
            }},
        ClashCase{"OutputIsThePictureFolder",
                  [](Names& n) {
                      std::filesystem::remove(n.pictures);
                      n.output = n.pictures;
                      return true;
                  },
                  [](const Names& n) {
                      return "O arquivo de saída " + n.output + " é a própria pasta das imagens" +
                             kNothing;
                  }},
        ClashCase{"PicturesLinkedToEachOther",
                  [](Names& n) {
                      return ::symlink("linha-001-etiqueta.png", n.summaryPicture.c_str()) == 0;
                  },
                  [](const Names& n) {
                      return "A imagem " + n.summaryPicture + " é a própria imagem " +
                             n.itemPicture + kNothing;
                  }},
        ClashCase{"PictureIsAFolder",
                  [](Names& n) { return std::filesystem::create_directory(n.itemPicture); },
                  [](const Names& n) {
                      return "A imagem " + n.itemPicture + " é uma pasta" + kNothing +
                             "; retire-a ou use outra pasta em --png";
                  }},
        ClashCase{"PictureIsASocket", [](Names& n) { return test::makeSocket(n.summaryPicture); },
                  [](const Names& n) {
                      return "A imagem " + n.summaryPicture + " é um socket" + kNothing +
                             "; retire-a ou use outra pasta em --png";
                  }},
        ClashCase{"PictureIsADevice",
                  [](Names& n) { return test::makeCharDevice(n.itemPicture, 1, 3); },
                  [](const Names& n) {
                      return "A imagem " + n.itemPicture + " é um dispositivo ou um pipe" +
                             kNothing + "; retire-a ou use outra pasta em --png";
                  }},
        ClashCase{"PictureIsALoopOfLinks",
                  [](Names& n) {
                      return ::symlink("linha-001-resumo.png", n.summaryPicture.c_str()) == 0;
                  },
                  [](const Names& n) {
                      return "A imagem " + n.summaryPicture + " é um laço de links" + kNothing +
                             "; retire-a ou use outra pasta em --png";
                  }},
        ClashCase{"WriteProtectedOutput", [](Names& n) { return protect(n.output); },
                  [](const Names& n) {
                      return "O arquivo de saída " + n.output + " está protegido contra gravação" +
                             kNothing + "; libere a gravação do arquivo ou use outro nome";
                  }},
        ClashCase{"WriteProtectedPicture", [](Names& n) { return protect(n.summaryPicture); },
                  [](const Names& n) {
                      return "A imagem " + n.summaryPicture + " está protegida contra gravação" +
                             kNothing +
                             "; libere a gravação do arquivo ou use outra pasta em --png";
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
