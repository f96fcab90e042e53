#include <gtest/gtest.h>

#include <string>

#include "printing/PrintJobMessages.h"

// What the operator reads when a row's labels did not leave the program: the port and
// the device tried, the status, and what to do about it.
namespace {

namespace printing = rotulano::printing;
namespace messages = rotulano::printing::printJobMessages;

struct FailureCase {
    const char* name;
    printing::ChannelStep step;
    const char* status;
    const char* port;
    const char* device;
    const char* text;
};

class ChannelFailureText : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ChannelFailureText, NamesThePortTheDeviceAndTheFix) {
    const FailureCase& c = GetParam();
    printing::ChannelResult result;
    result.fail(c.step, c.status, c.device, c.port);
    const messages::JobMessage message = messages::channelFailure(result);
    EXPECT_EQ(message.text.toStdString(), c.text);
    EXPECT_EQ(message.title.toStdString(), "ATENÇÃO");
    EXPECT_EQ(message.style, 0x30);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ChannelFailureText,
    ::testing::Values(
        FailureCase{"Permission", printing::ChannelStep::PortCopy, "37", "LPT1", "/dev/usb/lp0",
                    "Não foi possível enviar as etiquetas para a porta LPT1 (/dev/usb/lp0) [37]. "
                    "O usuário não tem permissão de escrita no dispositivo: inclua-o no grupo lp "
                    "(portas LPT) ou dialout (portas COM); a mudança vale a partir do próximo "
                    "login."},
        FailureCase{"Missing", printing::ChannelStep::PortCopy, "35", "COM2", "/dev/ttyS1",
                    "Não foi possível enviar as etiquetas para a porta COM2 (/dev/ttyS1) [35]. "
                    "Verifique se a impressora está ligada e tente novamente."},
        FailureCase{"Stalled", printing::ChannelStep::PortCopy, "30", "COM1", "/dev/ttyS0",
                    "Não foi possível enviar as etiquetas para a porta COM1 (/dev/ttyS0) [30]. "
                    "A impressora parou de receber dados. Verifique se está ligada, com papel e "
                    "etiquetas, e tente novamente."},
        FailureCase{"PortIsItsDevice", printing::ChannelStep::PortCopy, "35", "LPT2", "LPT2",
                    "Não foi possível enviar as etiquetas para a porta LPT2 [35]. Verifique se a "
                    "impressora está ligada e tente novamente."},
        FailureCase{"PrintFile", printing::ChannelStep::PrintFile, "34", "LPT1",
                    "/tmp/rotulano-ab12cd/09050703.TXT",
                    "Não foi possível gravar o arquivo de impressão das etiquetas para a porta "
                    "LPT1 [34] em /tmp/rotulano-ab12cd/09050703.TXT. Verifique a pasta "
                    "temporária e tente novamente."}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// A row some of whose bytes had been written may be partly printed: whichever way the
// failure is told, the operator is warned to look before printing it again.
struct PartlySentCase {
    const char* name;
    const char* reason;
    const char* text;
};

class PartlySentText : public ::testing::TestWithParam<PartlySentCase> {};

TEST_P(PartlySentText, WarnsThatThePrinterMayHaveTakenPartOfTheRow) {
    printing::ChannelResult result;
    result.fail(printing::ChannelStep::PortCopy, "30", "/dev/usb/lp0", "LPT1");
    result.reason = GetParam().reason;
    result.bytesWritten = true;
    EXPECT_EQ(messages::channelFailure(result).text.toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PartlySentText,
    ::testing::Values(
        PartlySentCase{"HungUp", "a impressora foi desligada ou desconectada",
                       "Não foi possível enviar as etiquetas para a porta LPT1 (/dev/usb/lp0): a "
                       "impressora foi desligada ou desconectada [30]; a impressora pode ter "
                       "recebido parte das etiquetas desta linha: confira antes de imprimir de "
                       "novo."},
        PartlySentCase{"Stalled", "",
                       "Não foi possível enviar as etiquetas para a porta LPT1 (/dev/usb/lp0) "
                       "[30]; a impressora pode ter recebido parte das etiquetas desta linha: "
                       "confira antes de imprimir de novo. A impressora parou de receber dados. "
                       "Verifique se está ligada, com papel e etiquetas, e tente novamente."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintJobMessages, NoPrintFolderNamesTheTemporaryDirectory) {
    const messages::JobMessage message = messages::noPrintFolder("/var/tmp/");
    EXPECT_EQ(message.text.toStdString(),
              "Não foi possível criar a pasta dos arquivos de impressão em /var/tmp/. Verifique "
              "a pasta temporária e tente novamente.");
    EXPECT_EQ(message.title.toStdString(), "ATENÇÃO");
}

}  // namespace
