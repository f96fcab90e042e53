#include <gtest/gtest.h>

#include "support/WindowFakes.h"
#include "window/Messages.h"

namespace {

using rotulano::test::FakeMessageBox;
using rotulano::window::rotinaMsg;
using rotulano::window::rotinaStatus;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The one box shown: its text, title and style.
void expectOneBox(const FakeMessageBox& box, const QString& text, const QString& title, int style) {
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, text);
    EXPECT_EQ(box.shown[0].title, title);
    EXPECT_EQ(box.shown[0].style, style);
}

TEST(RotinaMsg, ShowsNoTrailingBlanksAndGivesBackTheAnswer) {
    FakeMessageBox box;
    box.answer = 6;
    rotulano::core::MessageRequest request;
    request.title = QStringLiteral("Confirmação") + QString(39, QLatin1Char(' '));
    request.text = QStringLiteral("Texto") + QString(95, QLatin1Char(' '));
    request.type = 0x24;
    EXPECT_EQ(rotinaMsg(box, request), 6);
    expectOneBox(box, QStringLiteral("Texto"), utf8("Confirmação"), 0x24);
}

TEST(RotinaMsg, BlankTitleOfSpacesCountsAsNoTitleAndNoStyleAsInformation) {
    FakeMessageBox box;
    rotinaMsg(box, QStringLiteral("x"), QString(50, QLatin1Char(' ')));
    expectOneBox(box, QStringLiteral("x"), QStringLiteral("Mensagem do Sistema"), 0x40);
}

TEST(RotinaStatus, TakesTheMeaningOfTheStatusAsTitleAndTheErrorStyle) {
    FakeMessageBox box;
    rotinaStatus(box, "35", QStringLiteral("Arquivo de Pedidos"));
    expectOneBox(box, QStringLiteral("Status [35] Arquivo de Pedidos"),
                 utf8("Arquivo não existe em disco e não pode ser criado"), 0x10);
}

TEST(RotinaStatus, CallersTitleAndStyleSuppressTheTable) {
    FakeMessageBox box;
    rotinaStatus(box, "99", QStringLiteral("Arquivo de Pedidos"), QStringLiteral("Meu titulo  "),
                 0x30);
    expectOneBox(box, QStringLiteral("Status [99] Arquivo de Pedidos"),
                 QStringLiteral("Meu titulo"), 0x30);
}

// A label padded with blanks shows without them; one longer than its field shows whole.
TEST(RotinaStatus, ShowsTheLabelWithoutTrailingBlanksAndWhole) {
    const QString label = QStringLiteral("Erro Fatal do Arquivo de Parametros (02)");
    const QString path = QStringLiteral("/pedidos/") + QString(80, QLatin1Char('p'));
    for (const auto& [given, shown] :
         {std::pair{label + QString(10, QLatin1Char(' ')), label}, std::pair{path, path}}) {
        FakeMessageBox box;
        rotinaStatus(box, "35", given);
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, QStringLiteral("Status [35] ") + shown);
    }
}

}  // namespace

namespace {

using rotulano::window::rotinaStatusFile;
using rotulano::window::shownPath;

struct FileFaultCase {
    const char* name;
    const char* status;
    std::string path;
    const char* cause;
    const char* advice;
    const char* text;
    const char* title;
};

class RotinaStatusFile : public ::testing::TestWithParam<FileFaultCase> {};

// The title stays the status's own, cut at 50 characters as it always was; the second line
// says which file and why, with any odd byte of its name escaped.
TEST_P(RotinaStatusFile, NamesTheFileAndTheCauseBelowTheStatus) {
    const FileFaultCase& c = GetParam();
    FakeMessageBox box;
    rotinaStatusFile(box, c.status, QStringLiteral("Arquivo de Pedidos"), c.path, c.cause,
                     utf8(c.advice));
    expectOneBox(box, utf8(c.text), utf8(c.title), 0x10);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RotinaStatusFile,
    ::testing::Values(
        FileFaultCase{"Permission", "37", "/pedidos/P.txt", "sem permissão", "",
                      "Status [37] Arquivo de Pedidos\n/pedidos/P.txt: sem permissão",
                      "Função especificada não é suportada"},
        FileFaultCase{"TitleCutAt50", "39", "/pedidos", "o nome é de uma pasta", "",
                      "Status [39] Arquivo de Pedidos\n/pedidos: o nome é de uma pasta",
                      "Atributos do arquivo conflitantes com o programa ("},
        FileFaultCase{"OddBytesEscaped", "96", std::string("/p/a\0b\xE9\x1B", 8), "pipe", "",
                      "Status [96] Arquivo de Pedidos\n/p/a\\x00b\\xE9\\x1B: pipe",
                      "Não é um arquivo comum (dispositivo, pipe, socket)"},
        FileFaultCase{"WithAdvice", "34", "/d/CD21PRM.DAT", "disco cheio", "Libere espaço.",
                      "Status [34] Arquivo de Pedidos\n/d/CD21PRM.DAT: disco cheio\nLibere espaço.",
                      "Falta espaço em area de memória"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShownPath, ARelativeNameIsShownFromTheWorkingFolder) {
    rotulano::test::ScopedWorkingDir dir;
    EXPECT_EQ(shownPath("CD21PRM.DAT"), QString::fromStdString(dir.file("CD21PRM.DAT")));
    EXPECT_EQ(shownPath("/abs/\xC3\x81rea"), utf8("/abs/Área"));
}

}  // namespace
