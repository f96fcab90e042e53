#include <gtest/gtest.h>

#include "printing/PrinterStatus.h"
#include "printing/PrinterStatusMessages.h"

// The printers' status answers read into faults, and the words the operator gets for
// them.
namespace {

namespace printing = rotulano::printing;
namespace status = rotulano::printing::printerStatus;
using Fault = printing::PrinterFault;
using Kind = printing::PrinterStatus::Kind;

// A ~HS answer with the given first and second lines.
std::string zplAnswer(const std::string& first, const std::string& second) {
    return "\x02" + first + "\x03\r\n\x02" + second + "\x03\r\n\x02" + "1234,0,1,0\x03\r\n";
}

const std::string kFirstHealthy = "030,0,0,0245,000,0,0,0,000,0,0,0";
const std::string kSecondHealthy = "001,0,0,0,1,2,6,0,00000000,1,000";

// The healthy line with field `index` set to `value`.
std::string withField(std::string line, int index, const std::string& value) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.find(',', start) + 1;
    }
    const std::size_t end = line.find(',', start);
    return line.replace(start, end == std::string::npos ? end : end - start, value);
}

struct ZplCase {
    const char* name;
    std::string answer;
    Kind kind;
    std::vector<Fault> faults;
};

class ZplStatusTest : public ::testing::TestWithParam<ZplCase> {};

TEST_P(ZplStatusTest, AnswerGivesItsFaults) {
    const printing::PrinterStatus read = status::parseZpl(GetParam().answer);
    EXPECT_EQ(read.kind, GetParam().kind);
    EXPECT_EQ(read.faults, GetParam().faults);
    EXPECT_TRUE(status::complete(true, GetParam().answer) || GetParam().kind == Kind::Garbled);
}

const std::string kHealthy = zplAnswer(kFirstHealthy, kSecondHealthy);

INSTANTIATE_TEST_SUITE_P(
    Flags, ZplStatusTest,
    ::testing::Values(
        ZplCase{"Healthy", kHealthy, Kind::Ready, {}},
        ZplCase{"PaperOut",
                zplAnswer(withField(kFirstHealthy, 1, "1"), kSecondHealthy),
                Kind::Faults,
                {Fault::PaperOut}},
        ZplCase{"Paused",
                zplAnswer(withField(kFirstHealthy, 2, "1"), kSecondHealthy),
                Kind::Faults,
                {Fault::Paused}},
        ZplCase{"BufferFull",
                zplAnswer(withField(kFirstHealthy, 5, "1"), kSecondHealthy),
                Kind::Faults,
                {Fault::BufferFull}},
        ZplCase{"HeadOpen",
                zplAnswer(kFirstHealthy, withField(kSecondHealthy, 2, "1")),
                Kind::Faults,
                {Fault::HeadOpen}},
        ZplCase{"RibbonOutInThermalTransfer",
                zplAnswer(kFirstHealthy, withField(kSecondHealthy, 3, "1")),
                Kind::Faults,
                {Fault::RibbonOut}},
        ZplCase{"RibbonOutInDirectThermalIsNoFault",
                zplAnswer(kFirstHealthy, withField(withField(kSecondHealthy, 3, "1"), 4, "0")),
                Kind::Ready,
                {}},
        ZplCase{"OtherFieldsAreNotFaults",
                zplAnswer("999,0,0,9999,999,0,1,1,999,1,1,1", "999,1,0,0,0,9,9,1,11111111,0,999"),
                Kind::Ready,
                {}},
        ZplCase{"Several",
                zplAnswer(withField(withField(kFirstHealthy, 1, "1"), 2, "1"),
                          withField(kSecondHealthy, 2, "1")),
                Kind::Faults,
                {Fault::PaperOut, Fault::HeadOpen, Fault::Paused}},
        ZplCase{"TwoLinesOnly",
                "\x02" + kFirstHealthy + "\x03\x02" + kSecondHealthy + "\x03",
                Kind::Garbled,
                {}},
        ZplCase{"MissingField",
                zplAnswer("030,0,0,0245,000,0,0,0,000,0,0", kSecondHealthy),
                Kind::Garbled,
                {}},
        ZplCase{"FlagNotZeroOrOne",
                zplAnswer(withField(kFirstHealthy, 1, "2"), kSecondHealthy),
                Kind::Garbled,
                {}},
        ZplCase{"TextOutsideTheFrames", "OK" + kHealthy, Kind::Garbled, {}},
        ZplCase{"UnclosedFrame",
                "\x02" + kFirstHealthy + "\x02" + kSecondHealthy + "\x03\x02x\x03",
                Kind::Garbled,
                {}},
        ZplCase{"DplAnswer", "NNNNNNNN\r", Kind::Garbled, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct DplCase {
    const char* name;
    std::string answer;
    Kind kind;
    std::vector<Fault> faults;
};

class DplStatusTest : public ::testing::TestWithParam<DplCase> {};

TEST_P(DplStatusTest, AnswerGivesItsFaults) {
    const printing::PrinterStatus read = status::parseDpl(GetParam().answer);
    EXPECT_EQ(read.kind, GetParam().kind);
    EXPECT_EQ(read.faults, GetParam().faults);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, DplStatusTest,
    ::testing::Values(
        DplCase{"Healthy", "NNNNNNNN\r", Kind::Ready, {}},
        DplCase{"PaperOut", "NYNNNNNN\r", Kind::Faults, {Fault::PaperOut}},
        DplCase{"RibbonOut", "NNYNNNNN\r", Kind::Faults, {Fault::RibbonOut}},
        DplCase{"Paused", "NNNNNYNN\r", Kind::Faults, {Fault::Paused}},
        DplCase{"BusyBatchLabelWaitingRewinderAreNoFaults", "YNNYYNYY\r", Kind::Ready, {}},
        DplCase{"LongerAnswerReadUpToCr", "NYNNNNNNNNYY0001\r", Kind::Faults, {Fault::PaperOut}},
        DplCase{"AllThree",
                "NYYNNYNN\r",
                Kind::Faults,
                {Fault::PaperOut, Fault::RibbonOut, Fault::Paused}},
        DplCase{"Short", "NNNNNNN\r", Kind::Garbled, {}},
        DplCase{"NotYesOrNo", "NNNNXNNN\r", Kind::Garbled, {}},
        DplCase{"Lowercase", "nnnnnnnn\r", Kind::Garbled, {}},
        DplCase{"NoCr", "NNNNNNNN", Kind::Garbled, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrinterStatusQuery, QueriesAndWholeAnswers) {
    EXPECT_EQ(status::query(true), "~HS");
    EXPECT_EQ(status::query(false), std::string("\x01") + "A");
    EXPECT_FALSE(status::complete(true, "\x02" + kFirstHealthy + "\x03\x02" + kSecondHealthy));
    EXPECT_TRUE(status::complete(true, kHealthy));
    EXPECT_FALSE(status::complete(false, "NNNNNNNN"));
    EXPECT_TRUE(status::complete(false, "NNNNNNNN\r"));
}

TEST(PrinterStatusQuery, OnlyABufferFullAloneIsAskedAgain) {
    EXPECT_TRUE(status::parseZpl(zplAnswer(withField(kFirstHealthy, 5, "1"), kSecondHealthy))
                    .onlyBufferFull());
    EXPECT_FALSE(status::parseZpl(
                     zplAnswer(withField(withField(kFirstHealthy, 5, "1"), 1, "1"), kSecondHealthy))
                     .onlyBufferFull());
}

struct MessageCase {
    const char* name;
    printing::PrinterStatus status;
    const char* text;
};

class PrinterStatusMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(PrinterStatusMessageTest, SaysWhatIsWrong) {
    const printing::StatusCheck check{GetParam().status, "LPT1", "tcp://10.0.0.7:9100",
                                      std::chrono::milliseconds(2000)};
    EXPECT_EQ(printing::printerStatusMessages::text(check), GetParam().text);
    EXPECT_EQ(printing::printerStatusMessages::title(), "Estado da impressora");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrinterStatusMessageTest,
    ::testing::Values(
        MessageCase{"PaperOut",
                    {Kind::Faults, {Fault::PaperOut}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) está sem etiquetas ou com "
                    "falha no papel."},
        MessageCase{"RibbonOut",
                    {Kind::Faults, {Fault::RibbonOut}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) está sem fita ou com falha "
                    "na fita."},
        MessageCase{"HeadOpen",
                    {Kind::Faults, {Fault::HeadOpen}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) está com a cabeça de "
                    "impressão aberta."},
        MessageCase{"Paused",
                    {Kind::Faults, {Fault::Paused}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) está em pausa."},
        MessageCase{"BufferFull",
                    {Kind::Faults, {Fault::BufferFull}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) está com a memória de "
                    "recepção cheia (ainda recebendo um trabalho anterior)."},
        MessageCase{"Three",
                    {Kind::Faults, {Fault::PaperOut, Fault::HeadOpen, Fault::Paused}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) está sem etiquetas ou com "
                    "falha no papel, com a cabeça de impressão aberta e em pausa."},
        MessageCase{"NoAnswer",
                    {Kind::NoAnswer, {}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) não respondeu à consulta "
                    "de estado (sem resposta em 2 s). Ela pode estar desligada, sem etiquetas, "
                    "sem fita ou com a cabeça de impressão aberta (alguns modelos não respondem "
                    "nesses casos), ou ligada por um cabo ou servidor de impressão que só recebe "
                    "dados."},
        MessageCase{"Garbled",
                    {Kind::Garbled, {}, {}},
                    "A impressora da porta LPT1 (tcp://10.0.0.7:9100) deu uma resposta não "
                    "reconhecida à consulta de estado. Confira se o modelo de impressora da "
                    "configuração é o dela."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
