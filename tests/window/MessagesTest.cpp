#include <gtest/gtest.h>

#include "support/WindowFakes.h"
#include "window/Messages.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::rotinaMsg;
using rotulano::window::rotinaStatus;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

TEST(RotinaMsg, DefaultsToAnInformationBoxTitledMensagemDoSistema) {
    TestWindow test;
    auto& request = test.session().message;
    request.text = QStringLiteral("Erro na Estrutura do Arquivo");
    rotinaMsg(test.context());
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Erro na Estrutura do Arquivo"));
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Mensagem do Sistema"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x40);
}

TEST(RotinaMsg, KeepsTheCallersStyleAndTitle) {
    TestWindow test;
    auto& request = test.session().message;
    request.type = 0x30;
    request.title = utf8("ATENÇÃO");
    request.text = utf8("VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS");
    rotinaMsg(test.context());
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].title, utf8("ATENÇÃO"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS"));
}

TEST(RotinaMsg, ShowsNoTrailingBlanksStoresTheAnswerAndClearsTheRequest) {
    TestWindow test;
    test.messageBox.answer = 1;
    auto& request = test.session().message;
    request.title = QStringLiteral("Confirmação") + QString(39, QLatin1Char(' '));
    request.text = QStringLiteral("Texto") + QString(95, QLatin1Char(' '));
    request.answer = 0;
    rotinaMsg(test.context());
    EXPECT_EQ(test.messageBox.shown[0].title, utf8("Confirmação"));
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Texto"));
    EXPECT_EQ(request.answer, 1);
    EXPECT_EQ(request.type, 0);
    EXPECT_TRUE(request.title.trimmed().isEmpty());
    EXPECT_TRUE(request.text.trimmed().isEmpty());
}

TEST(RotinaMsg, BlankTitleOfSpacesCountsAsNoTitle) {
    TestWindow test;
    test.session().message.title = QString(50, QLatin1Char(' '));
    test.session().message.text = QStringLiteral("x");
    rotinaMsg(test.context());
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Mensagem do Sistema"));
}

struct StatusCase {
    const char* status;
    const char* title;
};

class RotinaStatusTitles : public ::testing::TestWithParam<StatusCase> {};

TEST_P(RotinaStatusTitles, ShowTheStatusMeaningOverTheStatusFrame) {
    const StatusCase& c = GetParam();
    TestWindow test;
    test.session().fileStatus = c.status;
    test.session().statusFileLabel = utf8("Arquivo de parâmetros");
    rotinaStatus(test.context());
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].title, utf8(c.title));
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Status [") +
                                                 QString::fromLatin1(c.status) +
                                                 utf8("] Arquivo de parâmetros"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x10);
}

// The table itself is tested with core::fileStatusTitle; these check that the box shows it.
INSTANTIATE_TEST_SUITE_P(
    FileStatusTable, RotinaStatusTitles,
    ::testing::Values(StatusCase{"23", "Registro não existe no arquivo"},
                      StatusCase{"35", "Arquivo não existe em disco e não pode ser criado"},
                      StatusCase{"39", "Atributos do arquivo conflitantes com o programa ("},
                      StatusCase{"00", "Erro Indefinido"}, StatusCase{"9A", "Erro Indefinido"}),
    [](const ::testing::TestParamInfo<StatusCase>& info) {
        return std::string("Status") + info.param.status;
    });

TEST(RotinaStatus, CallersTitleAndStyleSuppressTheTableAndAreThenCleared) {
    TestWindow test;
    auto& request = test.session().message;
    request.type = 0x30;
    request.title = QStringLiteral("Meu titulo");
    request.text = QStringLiteral("texto do chamador");
    test.session().fileStatus = "99";
    test.session().statusFileLabel = QStringLiteral("Arquivo de Pedidos");
    rotinaStatus(test.context());
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Meu titulo"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Status [99] Arquivo de Pedidos"));
    EXPECT_EQ(request.type, 0);
    EXPECT_TRUE(request.title.trimmed().isEmpty());
    EXPECT_EQ(request.text, QStringLiteral("texto do chamador"));
    EXPECT_EQ(test.session().statusFileLabel, QStringLiteral("Arquivo de Pedidos"));
}

TEST(RotinaStatus, PaddedLabelShowsWithoutItsTrailingBlanks) {
    TestWindow test;
    test.session().fileStatus = "35";
    test.session().statusFileLabel =
        QStringLiteral("Erro Fatal do Arquivo de Parametros (02)") + QString(10, QLatin1Char(' '));
    rotinaStatus(test.context());
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Status [35] Erro Fatal do Arquivo de Parametros (02)"));
}

TEST(RotinaStatus, ALabelLongerThanItsFieldIsShownWhole) {
    TestWindow test;
    const QString path = QStringLiteral("/pedidos/") + QString(80, QLatin1Char('p'));
    test.session().fileStatus = "35";
    test.session().statusFileLabel = path;
    rotinaStatus(test.context());
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Status [35] ") + path);
}

}  // namespace
