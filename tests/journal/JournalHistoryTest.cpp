#include <gtest/gtest.h>

#include <sstream>

#include "JournalTestSupport.h"
#include "journal/HistoryText.h"
#include "journal/JournalQuery.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

// rotulano-render --history: the journal's jobs, newest first, as text and as CSV.
namespace rotulano::test {
namespace {

struct HistoryRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

HistoryRun history(const std::vector<std::string>& arguments) {
    const render::ParsedOptions parsed = render::parseRenderOptions(arguments);
    if (!parsed.ok()) {
        return {1, "", parsed.error};
    }
    std::ostringstream out;
    std::ostringstream err;
    const render::RenderExit status = render::runRender(parsed.options, out, err);
    return {static_cast<int>(status), out.str(), err.str()};
}

// Two jobs with fixed times: order 004711 (row 1 printed, row 2 may be partly printed, row 1
// again as a reprint), then order 000042 whose supplier needs quoting in CSV, stopped with
// its row still sending.
void writeJournal(const std::string& path) {
    journal::Journal journal;
    ASSERT_TRUE(journal.open(path, false)) << journal.message();
    long long job = 0;
    long long row = 0;
    ASSERT_TRUE(journal.startJob(jobEntry("ab12"), job));
    ASSERT_TRUE(journal.rowSending(job, {1, "1234567890", "1", 2, false}, nullptr, row));
    journal::RowOutcomeEntry outcome{row, journal::RowState::Printed};
    ASSERT_TRUE(journal.rowSending(job, {2, "0012345679", "A", 1, false}, &outcome, row));
    outcome = {row, journal::RowState::MaybePartly};
    ASSERT_TRUE(journal.rowSending(job, {1, "1234567890", "1", 2, true}, &outcome, row));
    ASSERT_TRUE(journal.endJob(job, {{row, journal::RowState::Printed}}));
    journal::JobEntry other = jobEntry("cd34");
    other.orderNumber = "000042";
    other.supplier = "LOJA \"BOA\"; FILIAL";
    other.program = "janela";
    ASSERT_TRUE(journal.startJob(other, job));
    ASSERT_TRUE(journal.rowSending(job, {5, "555", "2", 10, false}, nullptr, row));
    ASSERT_EQ(journal.database().exec(
                  "UPDATE job SET started = '2026-12-01 08:00:0' || id, ended = CASE id WHEN 1 "
                  "THEN '2026-12-01 08:05:00' ELSE '' END;"
                  "UPDATE job_row SET state_time = '2026-12-01 08:01:0' || id;"),
              SQLITE_OK);
}

const std::string kJob2Text =
    "Trabalho 2: 2026-12-01 08:00:02 a (não terminou), janela, usuário maria\n"
    "  Pedido 000042, fornecedor LOJA \"BOA\"; FILIAL, arquivo PEDIDO.txt, SHA-256 cd34\n"
    "  Modelo 5, porta LPT1, destino tcp://127.0.0.1:9100\n"
    "  Linha 5: item 555, tipo 2, 10 etiquetas, enviando em 2026-12-01 08:01:04\n";
const std::string kJob1Text =
    "Trabalho 1: 2026-12-01 08:00:01 a 2026-12-01 08:05:00, rotulano-render, usuário maria\n"
    "  Pedido 004711, fornecedor CONFECÇÕES ALVORADA LTDA, arquivo PEDIDO.txt, SHA-256 ab12\n"
    "  Modelo 5, porta LPT1, destino tcp://127.0.0.1:9100\n"
    "  Linha 1: item 1234567890, tipo 1, 2 etiquetas, impressa em 2026-12-01 08:01:01\n"
    "  Linha 2: item 0012345679, tipo A, 1 etiqueta, talvez impressa em parte em 2026-12-01 "
    "08:01:02\n"
    "  Linha 1: item 1234567890, tipo 1, 2 etiquetas, impressa em 2026-12-01 08:01:03 "
    "(reimpressão)\n";

TEST(JournalHistory, TextListsTheJobsNewestFirstWithTheirRows) {
    JournalFolder folder;
    writeJournal(folder.file());
    const HistoryRun run = history({"--history", "--journal", folder.file()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kJob2Text + "\n" + kJob1Text);
}

TEST(JournalHistory, OrderKeepsThatOrdersJobsWithOrWithoutItsZeros) {
    JournalFolder folder;
    writeJournal(folder.file());
    for (const std::string number : {"4711", "004711"}) {
        const HistoryRun run =
            history({"--history", "--order", number, "--journal", folder.file()});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, kJob1Text) << number;
    }
    const HistoryRun none = history({"--history", "--order", "7", "--journal", folder.file()});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "Nenhum trabalho do pedido 000007 no diário.\n");
}

TEST(JournalHistory, CsvHasABomSemicolonsAndQuotingAsRfc4180) {
    JournalFolder folder;
    writeJournal(folder.file());
    const HistoryRun run = history({"--history", "--format", "csv", "--journal", folder.file()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string job1 =
        "1;2026-12-01 08:00:01;2026-12-01 08:05:00;rotulano-render;maria;004711;CONFECÇÕES "
        "ALVORADA LTDA;PEDIDO.txt;ab12;5;LPT1;tcp://127.0.0.1:9100;";
    EXPECT_EQ(run.out,
              "\xEF\xBB\xBFtrabalho;início;fim;programa;usuário;pedido;fornecedor;arquivo;sha256;"
              "modelo;porta;destino;linha;item;tipo;etiquetas;situação;hora;reimpressão\r\n"
              "2;2026-12-01 08:00:02;;janela;maria;000042;\"LOJA \"\"BOA\"\"; FILIAL\";PEDIDO.txt;"
              "cd34;5;LPT1;tcp://127.0.0.1:9100;5;555;2;10;enviando;2026-12-01 08:01:04;não\r\n" +
                  job1 + "1;1234567890;1;2;impressa;2026-12-01 08:01:01;não\r\n" + job1 +
                  "2;0012345679;A;1;talvez impressa em parte;2026-12-01 08:01:02;não\r\n" + job1 +
                  "1;1234567890;1;2;impressa;2026-12-01 08:01:03;sim\r\n");
}

TEST(JournalHistory, MissingJournalEndsWithStatus8) {
    JournalFolder folder;
    const HistoryRun run = history({"--history", "--journal", folder.file()});
    EXPECT_EQ(run.exitCode, 8);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "rotulano-render: O diário de impressão " + folder.file() + " não existe\n");
}

// Five ended or stopped jobs, one of each outcome, made as the print job makes them; their
// start times are then set when given, so that days can be told apart (job N: starts[N-1]).
void writeOutcomes(const std::string& path, const std::vector<std::string>& starts) {
    journal::Journal journal;
    ASSERT_TRUE(journal.open(path, false)) << journal.message();
    const journal::RowState last[] = {journal::RowState::Printed, journal::RowState::NotSent,
                                      journal::RowState::MaybePartly};
    for (int number = 1; number <= 3; ++number) {
        long long job = 0;
        long long row = 0;
        ASSERT_TRUE(journal.startJob(jobEntry(), job));
        ASSERT_TRUE(journal.rowSending(job, {1, "111", "1", number, false}, nullptr, row));
        journal::RowOutcomeEntry outcome{row, journal::RowState::Printed};
        ASSERT_TRUE(journal.rowSending(job, {2, "222", "2", 10, number == 1}, &outcome, row));
        ASSERT_TRUE(journal.endJob(job, {{row, last[number - 1]}}));
    }
    long long job = 0;
    long long row = 0;
    ASSERT_TRUE(journal.startJob(jobEntry(), job));  // stopped: its row stays "sending"
    ASSERT_TRUE(journal.rowSending(job, {7, "777", "1", 4, false}, nullptr, row));
    ASSERT_TRUE(journal.startJob(jobEntry(), job));  // ended before any row went out
    ASSERT_TRUE(journal.endJob(job, {}));
    for (std::size_t index = 0; index < starts.size(); ++index) {
        ASSERT_EQ(journal.database().exec("UPDATE job SET started = '" + starts[index] +
                                          "' WHERE id = " + std::to_string(index + 1)),
                  SQLITE_OK);
    }
}

struct ListedJob {
    long long id;
    long long rows;
    long long labels;
    const char* outcome;
};

std::vector<journal::JobSummary> listed(const std::string& path,
                                        const journal::HistoryFilter& filter) {
    journal::Journal journal;
    EXPECT_TRUE(journal.openForReading(path)) << journal.message();
    std::vector<journal::JobSummary> jobs;
    EXPECT_TRUE(journal::listJobs(journal.database(), filter, jobs));
    return jobs;
}

TEST(JournalJobList, SumsEachJobsRowsNewestFirstWithItsOutcome) {
    JournalFolder folder;
    writeOutcomes(folder.file(), {});
    const ListedJob expected[] = {{5, 0, 0, "nada enviado"},
                                  {4, 1, 4, "não terminou"},
                                  {3, 2, 13, "talvez impresso em parte"},
                                  {2, 2, 12, "interrompido"},
                                  {1, 2, 11, "tudo impresso"}};
    const std::vector<journal::JobSummary> jobs = listed(folder.file(), {});
    ASSERT_EQ(jobs.size(), std::size(expected));
    for (std::size_t index = 0; index < jobs.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(jobs[index].job.id, expected[index].id);
        EXPECT_EQ(jobs[index].rows, expected[index].rows);
        EXPECT_EQ(jobs[index].labels, expected[index].labels);
        EXPECT_STREQ(journal::outcomeText(journal::jobOutcome(jobs[index])),
                     expected[index].outcome);
        EXPECT_TRUE(jobs[index].job.rows.empty()) << "a list reads no row";
        EXPECT_EQ(jobs[index].job.entry.supplier, "CONFECÇÕES ALVORADA LTDA");
    }
    EXPECT_EQ(jobs[4].printed, 2);
    EXPECT_EQ(jobs[3].notSent, 1);
    EXPECT_EQ(jobs[2].maybePartly, 1);
    EXPECT_EQ(jobs[1].sending, 1);
}

struct DayCase {
    const char* name;
    std::optional<std::string> firstDay;
    std::optional<std::string> lastDay;
    std::vector<long long> ids;
};

void PrintTo(const DayCase& range, std::ostream* out) {
    *out << range.name;
}

class JournalDayFilter : public ::testing::TestWithParam<DayCase> {};

// Jobs at the very ends of days: a day's first and last second both belong to it.
TEST_P(JournalDayFilter, KeepsBothEndsOfTheRange) {
    JournalFolder folder;
    writeOutcomes(folder.file(),
                  {"2026-11-30 23:59:59", "2026-12-01 00:00:00", "2026-12-03 23:59:59",
                   "2026-12-04 00:00:00", "2027-01-01 12:00:00"});
    journal::HistoryFilter filter;
    filter.firstDay = GetParam().firstDay;
    filter.lastDay = GetParam().lastDay;
    std::vector<long long> ids;
    for (const journal::JobSummary& job : listed(folder.file(), filter)) {
        ids.push_back(job.job.id);
    }
    EXPECT_EQ(ids, GetParam().ids);
    journal::Journal journal;
    ASSERT_TRUE(journal.openForReading(folder.file()));
    std::vector<journal::HistoryJob> jobs;
    ASSERT_TRUE(journal::readHistory(journal.database(), filter, jobs));
    ids.clear();
    for (const journal::HistoryJob& job : jobs) {
        ids.push_back(job.id);
    }
    EXPECT_EQ(ids, GetParam().ids) << "the history with rows keeps the same jobs";
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, JournalDayFilter,
    ::testing::Values(DayCase{"ThreeDays", "2026-12-01", "2026-12-03", {3, 2}},
                      DayCase{"OneDay", "2026-11-30", "2026-11-30", {1}},
                      DayCase{"FromOnly", "2026-12-03", std::nullopt, {5, 4, 3}},
                      DayCase{"ToOnly", std::nullopt, "2026-12-01", {2, 1}},
                      DayCase{"AcrossTheYear", "2026-12-04", "2027-01-01", {5, 4}},
                      DayCase{"Reversed", "2026-12-03", "2026-12-01", {}},
                      DayCase{"NoDayHasJobs", "2026-12-02", "2026-12-02", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JournalJobList, OrderFilterKeepsThatOrderAndCombinesWithDays) {
    JournalFolder folder;
    writeJournal(folder.file());
    journal::HistoryFilter filter;
    filter.orderNumber = journal::keptOrderNumber("42");
    std::vector<journal::JobSummary> jobs = listed(folder.file(), filter);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].job.id, 2);
    EXPECT_EQ(jobs[0].job.entry.orderNumber, "000042");
    filter.firstDay = "2026-12-02";
    EXPECT_TRUE(listed(folder.file(), filter).empty());
}

TEST(JournalJobList, OpeningAJobReadsOnlyItsRows) {
    JournalFolder folder;
    writeJournal(folder.file());
    journal::Journal journal;
    ASSERT_TRUE(journal.openForReading(folder.file()));
    journal::HistoryJob job;
    job.id = 1;
    job.rows.push_back({});  // left from before: replaced
    ASSERT_TRUE(journal::readJobRows(journal.database(), job));
    ASSERT_EQ(job.rows.size(), 3u);
    EXPECT_EQ(job.rows[1].row, 2);
    EXPECT_EQ(job.rows[1].itemCode, "0012345679");
    EXPECT_EQ(job.rows[1].state, journal::RowState::MaybePartly);
    EXPECT_TRUE(job.rows[2].reprint);
}

TEST(JournalJobList, TypedOrderNumbersGetTheHeadersSixDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"7", "000007"}, {"4711", "004711"}, {"004711", "004711"}, {"1234567", "1234567"}};
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(journal::keptOrderNumber(typed), kept) << typed;
    }
}

struct RefusedLine {
    const char* name;
    std::vector<std::string> arguments;
    const char* error;
};

class JournalOptionsRefused : public ::testing::TestWithParam<RefusedLine> {};

TEST_P(JournalOptionsRefused, WithTheirMessage) {
    const render::ParsedOptions parsed = render::parseRenderOptions(GetParam().arguments);
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, JournalOptionsRefused,
    ::testing::Values(
        RefusedLine{"HistoryWithOrderFile",
                    {"P.txt", "--history"},
                    "A opção --history não leva arquivo de pedidos: use --order NÚMERO"},
        RefusedLine{
            "HistoryWithSend", {"--history", "--send"}, "A opção --send não combina com --history"},
        RefusedLine{"OrderNotDigits",
                    {"--history", "--order", "12a"},
                    "O número do pedido de --order tem só algarismos: 12a"},
        RefusedLine{"FormatUnknown",
                    {"--history", "--format", "xml"},
                    "O formato de --format é text ou csv, não xml"},
        RefusedLine{"OrderWithoutHistory",
                    {"P.txt", "--order", "1"},
                    "A opção --order só vale com --history"},
        RefusedLine{"JournalWithoutSend",
                    {"P.txt", "--journal", "j.db"},
                    "A opção --journal só vale com --send"},
        RefusedLine{"SkipWithoutSend",
                    {"P.txt", "--skip-printed"},
                    "A opção --skip-printed só vale com --send"},
        RefusedLine{"NoJournalAndSkip",
                    {"P.txt", "--send", "--no-journal", "--skip-printed"},
                    "A opção --no-journal não combina com --skip-printed"},
        RefusedLine{"ResendWithoutSkip",
                    {"P.txt", "--send", "--resend-uncertain"},
                    "A opção --resend-uncertain só vale com --skip-printed"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rotulano::test
