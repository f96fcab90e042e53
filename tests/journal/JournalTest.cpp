#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include "JournalTestSupport.h"
#include "journal/JournalFiles.h"
#include "journal/JournalMessages.h"
#include "journal/JournalQuery.h"
#include "journal/JournalSchema.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

// The journal's file: how it is made, brought up to date, written row by row, and what
// becomes of a journal that cannot keep entries.
namespace rotulano::test {
namespace {

using journal::Database;
using journal::Journal;

std::string pragmaText(Database& db, const std::string& pragma) {
    journal::Statement query(db, "PRAGMA " + pragma);
    return query.step() == SQLITE_ROW ? query.text(0) : std::string("none");
}

long long pragmaNumber(Database& db, const std::string& pragma) {
    long long value = -1;
    db.queryInt("PRAGMA " + pragma, value);
    return value;
}

TEST(JournalFile, NewJournalIsWalWithFullSyncAndTheCurrentVersion) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false)) << journal.message();
    EXPECT_EQ(journal.message(), "");
    EXPECT_TRUE(journal.writable());
    EXPECT_EQ(pragmaText(journal.database(), "journal_mode"), "wal");
    EXPECT_EQ(pragmaNumber(journal.database(), "synchronous"), 2);  // FULL
    EXPECT_EQ(pragmaNumber(journal.database(), "user_version"), journal::kSchemaVersion);
    EXPECT_EQ(journal::kSchemaVersion, 3);
}

TEST(JournalFile, NetworkFolderUsesTheRollbackJournal) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), true)) << journal.message();
    EXPECT_EQ(pragmaText(journal.database(), "journal_mode"), "delete");
    EXPECT_EQ(pragmaNumber(journal.database(), "synchronous"), 2);
}

TEST(JournalFile, TemporaryFolderIsNoNetworkFolder) {
    JournalFolder folder;
    EXPECT_FALSE(journal::onNetworkFolder(folder.path()));
}

TEST(JournalFile, JournalOfTheFirstVersionIsMigratedWithItsEntriesKept) {
    JournalFolder folder;
    {
        Database db;
        ASSERT_EQ(db.open(folder.file(), false), SQLITE_OK);
        ASSERT_EQ(journal::migrate(db, 1), SQLITE_OK);
        ASSERT_EQ(pragmaNumber(db, "user_version"), 1);
        ASSERT_EQ(db.exec("INSERT INTO job (started, ended, program, user_name, order_file, "
                          "order_number, supplier, order_sha256, model, port, destination) "
                          "VALUES ('2026-01-02 03:04:05', '2026-01-02 03:04:09', 'janela', 'ana', "
                          "'P.txt', '000042', 'S', 'ff', 1, 'LPT1', '/dev/lp0');"
                          "INSERT INTO job_row (job_id, row_number, item_code, label_type, labels, "
                          "state, state_time) VALUES (1, 7, '1234567890', '1', 3, 'impressa', "
                          "'2026-01-02 03:04:06');"),
                  SQLITE_OK);
    }
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false)) << journal.message();
    EXPECT_EQ(pragmaNumber(journal.database(), "user_version"), 3);
    std::vector<journal::HistoryJob> jobs;
    ASSERT_TRUE(journal::readHistory(journal.database(), std::string("000042"), jobs));
    ASSERT_EQ(jobs.size(), 1U);
    EXPECT_EQ(jobs[0].entry.user, "ana");
    EXPECT_EQ(jobs[0].ended, "2026-01-02 03:04:09");
    ASSERT_EQ(jobs[0].rows.size(), 1U);
    EXPECT_EQ(jobs[0].rows[0].row, 7);
    EXPECT_EQ(jobs[0].rows[0].labels, 3);
    EXPECT_EQ(jobs[0].rows[0].state, journal::RowState::Printed);
    EXPECT_FALSE(jobs[0].rows[0].reprint);
    // The order's history is answered through its index.
    journal::Statement plan(journal.database(),
                            "EXPLAIN QUERY PLAN SELECT id FROM job WHERE order_number = '1'");
    ASSERT_EQ(plan.step(), SQLITE_ROW);
    EXPECT_NE(plan.text(3).find("job_by_order"), std::string::npos) << plan.text(3);
}

TEST(JournalFile, NewerJournalIsOpenedReadOnlyAndLeftAsItIs) {
    JournalFolder folder;
    {
        Database db;
        ASSERT_EQ(db.open(folder.file(), false), SQLITE_OK);
        ASSERT_EQ(db.exec("CREATE TABLE future (x); PRAGMA user_version = 9"), SQLITE_OK);
    }
    const std::string before = readBytes(folder.file());
    Journal journal;
    EXPECT_FALSE(journal.open(folder.file(), false));
    EXPECT_FALSE(journal.writable());
    EXPECT_EQ(journal.message(), "O diário de impressão " + folder.file() +
                                     " é de uma versão mais nova do programa e foi aberto só "
                                     "para leitura: a impressão continua e as marcas das linhas "
                                     "ficam só na memória");
    EXPECT_EQ(pragmaNumber(journal.database(), "user_version"), 9);
    long long id = 0;
    EXPECT_FALSE(journal.startJob(jobEntry(), id));
    EXPECT_EQ(readBytes(folder.file()), before);
}

TEST(JournalFile, FolderAtAnyOfTheJournalsNamesIsRefusedBeforeSqliteOpensIt) {
    for (const std::string suffix : {"", "-wal", "-shm", "-journal"}) {
        JournalFolder folder;
        const std::string name = folder.file() + suffix;
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(name)));
        Journal journal;
        EXPECT_FALSE(journal.open(folder.file(), false)) << suffix;
        EXPECT_EQ(journal.message(), "O diário de impressão " + name +
                                         " não é um arquivo comum (uma pasta): a impressão "
                                         "continua e as marcas das linhas ficam só na memória");
        EXPECT_EQ(fileKind(folder.file()), suffix.empty() ? "directory" : "missing") << suffix;
    }
}

TEST(JournalFile, DamagedJournalIsMovedAsideWithItsCompanionsAndANewOneMade) {
    JournalFolder folder;
    const std::string garbage(8192, 'G');
    writeBytes(folder.file(), garbage);
    writeBytes(folder.file() + "-wal", "wal bytes");
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false)) << journal.message();
    EXPECT_TRUE(journal.writable());
    const QRegularExpression expected(
        QRegularExpression::escape(QString::fromStdString("O diário de impressão " + folder.file() +
                                                          " estava danificado: foi guardado como " +
                                                          folder.file() + ".corrompido-")) +
        "(\\d{8}-\\d{6}) e um diário novo foi criado$");
    const auto match = expected.match(QString::fromStdString(journal.message()));
    ASSERT_TRUE(match.hasMatch()) << journal.message();
    const std::string aside = folder.file() + ".corrompido-" + match.captured(1).toStdString();
    EXPECT_EQ(readBytes(aside), garbage);
    EXPECT_EQ(readBytes(aside + "-wal"), "wal bytes");
    long long id = 0;
    EXPECT_TRUE(journal.startJob(jobEntry(), id));
    EXPECT_EQ(id, 1);
}

TEST(JournalRows, EachRowIsSendingUntilItsOutcomeComesWithTheNextRow) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    long long job = 0;
    long long row1 = 0;
    long long row2 = 0;
    ASSERT_TRUE(journal.startJob(jobEntry(), job));
    ASSERT_TRUE(journal.rowSending(job, {1, "111", "1", 2, false}, nullptr, row1));
    EXPECT_EQ(rowStates(folder.file()), (std::vector<std::string>{"1:enviando"}));
    const journal::RowOutcomeEntry printed{row1, journal::RowState::Printed};
    ASSERT_TRUE(journal.rowSending(job, {2, "222", "1", 2, false}, &printed, row2));
    EXPECT_EQ(rowStates(folder.file()), (std::vector<std::string>{"1:impressa", "2:enviando"}));
    ASSERT_TRUE(journal.endJob(job, {{row2, journal::RowState::MaybePartly}}));
    EXPECT_EQ(rowStates(folder.file()),
              (std::vector<std::string>{"1:impressa", "2:talvez-em-parte"}));
}

TEST(JournalRows, RecordedJobKeepsEveryRowAndPrintsTheSameBytes) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    const printing::JobRequest request = jobOfRows(3);
    const RecordedJob job = runRecorded(journal, request);
    EXPECT_EQ(job.report.end, printing::JobEnd::Normal);
    EXPECT_EQ(job.messages, std::vector<std::string>{});
    EXPECT_EQ(job.bytes, bytesWithoutJournal(request));
    EXPECT_EQ(rowStates(folder.file()),
              (std::vector<std::string>{"1:impressa", "2:impressa", "3:impressa"}));
}

TEST(JournalRows, RowSentAgainAfterItWasPrintedIsAReprint) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    runRecorded(journal, jobOfRows(1));
    runRecorded(journal, jobOfRows(2));
    std::vector<journal::HistoryJob> jobs;
    ASSERT_TRUE(journal::readHistory(journal.database(), std::nullopt, jobs));
    ASSERT_EQ(jobs.size(), 2U);
    ASSERT_EQ(jobs[0].rows.size(), 2U);
    EXPECT_TRUE(jobs[0].rows[0].reprint);
    EXPECT_FALSE(jobs[0].rows[1].reprint);
    EXPECT_FALSE(jobs[1].rows[0].reprint);
}

TEST(JournalRows, OrderRowsCombineEveryJobOfTheSameFile) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    long long job = 0;
    long long id = 0;
    ASSERT_TRUE(journal.startJob(jobEntry("sha1"), job));
    // Row 1 printed, then sent again and not sent: still printed. Row 2 left sending, then
    // not sent: still uncertain. Row 3 not sent only. Row 4 partly, then printed.
    const std::vector<std::pair<int, journal::RowState>> entries = {
        {1, journal::RowState::Printed}, {1, journal::RowState::NotSent},
        {2, journal::RowState::Sending}, {2, journal::RowState::NotSent},
        {3, journal::RowState::NotSent}, {4, journal::RowState::MaybePartly},
        {4, journal::RowState::Printed}};
    for (const auto& [row, state] : entries) {
        ASSERT_TRUE(journal.rowSending(job, {row, "", "1", 1, false}, nullptr, id));
        if (state != journal::RowState::Sending) {
            ASSERT_TRUE(journal.endJob(job, {{id, state}}));
        }
    }
    long long other = 0;
    ASSERT_TRUE(journal.startJob(jobEntry("sha2"), other));
    ASSERT_TRUE(journal.rowSending(other, {5, "", "1", 1, false}, nullptr, id));
    std::map<int, journal::RowState> rows;
    ASSERT_TRUE(journal::rowsOfOrder(journal.database(), "sha1", rows));
    const std::map<int, journal::RowState> expected = {{1, journal::RowState::Printed},
                                                       {2, journal::RowState::Sending},
                                                       {3, journal::RowState::NotSent},
                                                       {4, journal::RowState::Printed}};
    EXPECT_EQ(rows, expected);
}

TEST(JournalFaults, JournalHeldPastTheBusyTimeoutIsToldOnceAndPrintingGoesOn) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    Database holder;
    ASSERT_EQ(holder.open(folder.file(), false), SQLITE_OK);
    ASSERT_EQ(holder.exec("BEGIN IMMEDIATE"), SQLITE_OK);
    const printing::JobRequest request = jobOfRows(2);
    const RecordedJob job = runRecorded(journal, request);
    EXPECT_EQ(job.report.end, printing::JobEnd::Normal);
    EXPECT_EQ(job.bytes, bytesWithoutJournal(request));
    EXPECT_EQ(job.messages, std::vector<std::string>{journal::journalMessages::notWritten(
                                folder.file(), "em uso por outro programa por mais de 5 s")});
    EXPECT_EQ(job.messages[0], "O diário de impressão " + folder.file() +
                                   " não pôde ser gravado (em uso por outro programa por mais "
                                   "de 5 s): a impressão continua e as marcas das linhas ficam "
                                   "só na memória");
    ASSERT_EQ(holder.exec("ROLLBACK"), SQLITE_OK);
    // The next job writes again.
    const RecordedJob next = runRecorded(journal, jobOfRows(1));
    EXPECT_EQ(next.messages, std::vector<std::string>{});
    EXPECT_EQ(rowStates(folder.file(), 1), (std::vector<std::string>{"1:impressa"}));
}

TEST(JournalFaults, JournalThatCannotBeOpenedIsToldAndPrintingGoesOn) {
    JournalFolder folder;
    Journal journal;
    const std::string path =
        folder.file("no-such-folder/" + std::string(journal::kJournalFileName));
    EXPECT_FALSE(journal.open(path, false));
    EXPECT_EQ(journal.message(), "O diário de impressão " + path +
                                     " não pôde ser aberto (a pasta não existe ou não permite "
                                     "criar arquivos): a impressão continua e as marcas das "
                                     "linhas ficam só na memória");
    const printing::JobRequest request = jobOfRows(2);
    const RecordedJob job = runRecorded(journal, request);
    EXPECT_EQ(job.report.end, printing::JobEnd::Normal);
    EXPECT_EQ(job.bytes, bytesWithoutJournal(request));
    EXPECT_EQ(job.messages, std::vector<std::string>{journal.message()});
}

TEST(JournalFile, JournalBesideTheSettings) {
    EXPECT_EQ(journal::journalBesideSettings("CD21PRM.DAT"), "rotulano-diario.db");
    EXPECT_EQ(journal::journalBesideSettings("/srv/loja/CD21PRM.DAT"),
              "/srv/loja/rotulano-diario.db");
    EXPECT_EQ(journal::journalBesideSettings("C:\\Loja\\CD21PRM.DAT"),
              "C:\\Loja\\rotulano-diario.db");
}

}  // namespace
}  // namespace rotulano::test
