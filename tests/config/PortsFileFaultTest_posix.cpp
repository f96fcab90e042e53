#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <functional>

#include "config/PortsFile.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

using rotulano::config::PortsFile;
using rotulano::config::PortsTable;
using rotulano::test::readBytes;
using rotulano::test::writeBytes;

namespace {

const std::string kUseInstead =
    ", não um dispositivo de caracteres (use um dispositivo como /dev/ttyUSB0, "
    "tcp://ENDEREÇO[:PORTA] ou cups://FILA).";

// Loads `path` as the file beside the settings and as the one --ports names: both must
// fail with the same message, and the table must stay as it was.
std::string failureOf(const std::string& path) {
    std::string messages[2];
    for (const bool mustExist : {false, true}) {
        PortsTable table;
        table.set("COM1", rotulano::core::PortDestination{});
        std::string& message = messages[mustExist ? 1 : 0];
        EXPECT_FALSE(PortsFile(path).load(table, message, mustExist)) << path;
        EXPECT_NE(table.find("COM1"), nullptr) << "the table was changed";
    }
    EXPECT_EQ(messages[0], messages[1]);
    return messages[0];
}

struct FileKindCase {
    const char* name;
    std::function<bool(const std::string& path, const std::string& dir)> make;
    std::string expectedAfterPath;
};

class PortsFileThatCannotBeRead : public ::testing::TestWithParam<FileKindCase> {};

const FileKindCase kFileKinds[] = {
    {"BrokenLink",
     [](const std::string& path, const std::string& dir) {
         return ::symlink((dir + "/nao-existe.ini").c_str(), path.c_str()) == 0;
     },
     " é um link para um arquivo que não existe: corrija o link ou apague-o."},
    {"BrokenChainOfLinks",
     [](const std::string& path, const std::string& dir) {
         return ::symlink("passo.ini", path.c_str()) == 0 &&
                ::symlink((dir + "/fim/nao-existe.ini").c_str(), (dir + "/passo.ini").c_str()) == 0;
     },
     " é um link para um arquivo que não existe: corrija o link ou apague-o."},
    {"LinkLoop",
     [](const std::string& path, const std::string& dir) {
         return ::symlink("volta.ini", path.c_str()) == 0 &&
                ::symlink(path.c_str(), (dir + "/volta.ini").c_str()) == 0;
     },
     " é um laço de links: corrija o link ou apague-o."},
    {"Folder",
     [](const std::string& path, const std::string&) { return QDir().mkdir(path.c_str()); },
     " não é um arquivo comum."},
    {"LinkToAFolder",
     [](const std::string& path, const std::string& dir) {
         return QDir().mkdir((dir + "/pasta").c_str()) && ::symlink("pasta", path.c_str()) == 0;
     },
     " não é um arquivo comum."},
    {"Fifo",
     [](const std::string& path, const std::string&) { return rotulano::test::makePipe(path); },
     " não é um arquivo comum."},
};

}  // namespace

TEST_P(PortsFileThatCannotBeRead, IsAFaultOfTheFileNeverTheUsualDevices) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string path = PortsFile::besideSettings(folder + "/CD21PRM.DAT");
    ASSERT_TRUE(GetParam().make(path, folder));
    EXPECT_EQ(failureOf(path), "Arquivo de portas " + path + GetParam().expectedAfterPath);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PortsFileThatCannotBeRead, ::testing::ValuesIn(kFileKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// A file with no permission to read it, beside the settings: the administrator reads every
// file, so the reading runs as an operator who may not.
TEST(PortsFileThatCannotBeReadBesideTheSettings, NoPermissionIsAFaultToo) {
    if (!rotulano::test::operatorRunsPossible()) {
        GTEST_SKIP() << "no user nobody to read as";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(rotulano::test::openToOperator(dir.path().toStdString()));
    const std::string path = PortsFile::besideSettings(dir.filePath("CD21PRM.DAT").toStdString());
    writeBytes(path, "[LPT1]\ndestino=/dev/usb/lp0\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const auto run = rotulano::test::answerAsOperator(dir.path().toStdString(), [&] {
        PortsTable table;
        std::string message;
        const bool loaded = PortsFile(path).load(table, message, false);
        return (loaded ? "1" : "0") + message;
    });
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0Arquivo de portas " + path + " não pode ser lido [37].");
}

namespace {

struct DestinationCase {
    const char* name;
    // Makes the destination in `dir`; its path, or "" when this system cannot make it.
    std::function<std::string(const std::string& dir)> make;
    std::string refusal;  // empty: accepted when the file is read
};

const DestinationCase kDestinations[] = {
    {"RegularFile",
     [](const std::string& dir) {
         writeBytes(dir + "/impressora", "");
         return dir + "/impressora";
     },
     "é um arquivo comum"},
    {"Folder",
     [](const std::string& dir) {
         return QDir().mkdir((dir + "/usb").c_str()) ? dir + "/usb" : "";
     },
     "é uma pasta"},
    {"Fifo",
     [](const std::string& dir) {
         return rotulano::test::makePipe(dir + "/fila") ? dir + "/fila" : "";
     },
     "é um pipe"},
    {"BlockDevice",
     [](const std::string& dir) {
         return rotulano::test::makeBlockDevice(dir + "/disco", 7, 0) ? dir + "/disco" : "";
     },
     "é um dispositivo de blocos"},
    {"LinkToAFolder",
     [](const std::string& dir) {
         return QDir().mkdir((dir + "/alvo").c_str()) &&
                        ::symlink("alvo", (dir + "/ttyUSB9").c_str()) == 0
                    ? dir + "/ttyUSB9"
                    : "";
     },
     "é uma pasta"},
    {"CharacterDevice",
     [](const std::string& dir) {
         return rotulano::test::makeCharDevice(dir + "/nulo", 1, 3) ? dir + "/nulo" : "";
     },
     ""},
    {"MissingPathMayBePluggedInLater", [](const std::string& dir) { return dir + "/ttyUSB7"; }, ""},
};

class DestinationKindWhenRead : public ::testing::TestWithParam<DestinationCase> {};

}  // namespace

TEST_P(DestinationKindWhenRead, RefusedWithTheFileAndLine) {
    QTemporaryDir dir;
    const std::string destination = GetParam().make(dir.path().toStdString());
    if (destination.empty()) {
        GTEST_SKIP() << "this system does not let the test make it (not root)";
    }
    const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
    writeBytes(path, "; loja\n[COM2]\nvelocidade=9600\ndestino=" + destination + "\n");
    PortsTable table;
    std::string message;
    const bool loaded = PortsFile(path).load(table, message, false);
    if (GetParam().refusal.empty()) {
        EXPECT_TRUE(loaded) << message;
        ASSERT_NE(table.find("COM2"), nullptr);
        EXPECT_EQ(table.find("COM2")->target, destination);
        return;
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(message, "Arquivo de portas " + path + ", linha 4: \"" + destination +
                           "\": " + GetParam().refusal + kUseInstead);
    EXPECT_TRUE(table.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DestinationKindWhenRead, ::testing::ValuesIn(kDestinations),
                         [](const auto& info) { return std::string(info.param.name); });

// Gravar reads what it writes with the same reader: the file stays as it was.
TEST(DestinationKindOnSave, RefusedWithTheLineItWouldHaveAndTheFileKept) {
    for (const DestinationCase& kind : kDestinations) {
        QTemporaryDir dir;
        const std::string destination = kind.make(dir.path().toStdString());
        if (destination.empty() || kind.refusal.empty()) {
            continue;  // cannot be made here, or accepted
        }
        const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
        const std::string before = "; loja\n[LPT1]\ndestino=cups://Zebra\n";
        writeBytes(path, before);
        PortsTable table;
        std::string message;
        ASSERT_TRUE(PortsTable::parse(before, "memória", table, message));
        rotulano::core::PortDestination device;
        device.target = device.text = destination;
        table.set("COM3", device);
        EXPECT_FALSE(PortsFile(path).save(table, message)) << kind.name;
        EXPECT_EQ(message, "Arquivo de portas " + path + ", linha 6: \"" + destination +
                               "\": " + kind.refusal + kUseInstead);
        EXPECT_EQ(readBytes(path), before) << kind.name;
    }
}
TEST(PortsFileMessages, ControlAndLatin1BytesAreShownEscaped) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string("[LPT1]\ndestino=/dev/usb/lp0\nvel\0cidade=9600\n", 40),
         "Arquivo de portas portas.ini, linha 3: chave desconhecida \"vel\\x00cidade\"."},
        {"[COM1]\ndestino=/dev/ttyS0\nparidade=\xE9mpar\n",
         "Arquivo de portas portas.ini, linha 3: paridade inválida \"\\xE9mpar\" (use nenhuma, "
         "par ou impar)."},
        {"[LPT\x1b[2J]\n",
         "Arquivo de portas portas.ini, linha 1: porta desconhecida \"LPT\\x1B[2J\" (use LPT1, "
         "LPT2, COM1, COM2, COM3 ou COM4)."},
    };
    for (const auto& [text, expected] : cases) {
        PortsTable table;
        std::string message;
        EXPECT_FALSE(PortsTable::parse(text, "portas.ini", table, message));
        EXPECT_EQ(message, expected);
    }
}

TEST(PortsFileMessages, FileNameIsShownEscapedToo) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/port\xE1s.ini";
    writeBytes(path, "[LPT9]\n");
    PortsTable table;
    std::string message;
    EXPECT_FALSE(PortsFile(path).load(table, message, true));
    EXPECT_EQ(message, "Arquivo de portas " + dir.path().toStdString() +
                           "/port\\xE1s.ini, linha 1: porta desconhecida \"LPT9\" (use LPT1, "
                           "LPT2, COM1, COM2, COM3 ou COM4).");
}

// The README's example saved after an edit: every comment and blank line of it stays.
TEST(PortsFileSaveEdits, ReadmeExampleKeepsItsCommentsThroughTheFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
    const std::string example =
        "; LPT1: a network label printer, raw TCP (port 9100 unless another is given)\r\n"
        "[LPT1]\r\n"
        "destino=tcp://192.168.0.50\r\n"
        "\r\n"
        "; LPT2: a queue of the system's print service (CUPS), sent as a raw job\r\n"
        "[LPT2]\r\n"
        "destino=cups://Zebra\r\n";
    writeBytes(path, example);
    PortsTable table;
    std::string message;
    ASSERT_TRUE(PortsFile(path).load(table, message, false)) << message;
    rotulano::core::PortDestination queue = *table.find("LPT2");
    queue.text = "cups://Expedicao";
    queue.target = "Expedicao";
    table.set("LPT2", queue);
    ASSERT_TRUE(PortsFile(path).save(table, message)) << message;
    std::string expected = example;
    expected.replace(expected.find("cups://Zebra"), 12, "cups://Expedicao");
    EXPECT_EQ(readBytes(path), expected);
}

// A file the reader refuses is never replaced by a save: it is fixed by hand first.
TEST(PortsFileSaveEdits, FileTheReaderRefusesIsKept) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
    writeBytes(path, std::string(5000, 'x'));
    PortsTable table;
    std::string message;
    ASSERT_TRUE(PortsTable::parse("[LPT1]\ndestino=cups://Zebra\n", "memória", table, message));
    EXPECT_FALSE(PortsFile(path).save(table, message));
    EXPECT_EQ(message, "Arquivo de portas " + path + ", linha 1: linha não reconhecida \"" +
                           std::string(5000, 'x') + "\".");
    EXPECT_EQ(readBytes(path), std::string(5000, 'x'));
}
