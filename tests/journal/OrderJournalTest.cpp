#include <gtest/gtest.h>

#include "JournalTestSupport.h"
#include "journal/JournalRecorder.h"
#include "journal/JournalSchema.h"
#include "journal/OrderJournal.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"

// What the journal tells the window of an order: each row's mark, the last print, an
// amended order, and the operator's answers.
namespace rotulano::test {
namespace {

using journal::Journal;
using journal::JournalMark;
using journal::RowState;

const std::string kSha(64, 'a');
const std::string kOtherSha(64, 'b');

// Line `n` of a test order: every line differs by its price.
std::string line(int n) {
    return itemLine('1', "000002", "0000" + std::to_string(1000 + n));
}

struct Entry {
    int row;
    RowState state;  // Sending: the job stopped before the row's outcome
};

// One job of the order `sha`, each row's outcome kept as the recorder keeps it.
void recordJob(Journal& journal, const std::string& sha, const std::vector<Entry>& rows) {
    long long jobId = 0;
    ASSERT_TRUE(journal.startJob(jobEntry(sha), jobId)) << journal.message();
    std::vector<journal::RowOutcomeEntry> outcomes;
    for (const Entry& entry : rows) {
        journal::RowEntry row = journal::rowEntryOf(line(entry.row), entry.row, 2);
        long long rowId = 0;
        ASSERT_TRUE(journal.rowSending(jobId, row, nullptr, rowId,
                                       journal::orderLineSha256(line(entry.row))))
            << journal.message();
        if (entry.state != RowState::Sending) {
            outcomes.push_back({rowId, entry.state});
        }
    }
    ASSERT_TRUE(journal.endJob(jobId, outcomes)) << journal.message();
}

journal::OrderKnowledge knowledge(Journal& journal, const std::string& sha = kSha,
                                  const std::string& supplier = jobEntry().supplier) {
    std::vector<std::string> lines;
    for (int row = 1; row <= 6; ++row) {
        lines.push_back(line(row));
    }
    journal::OrderKnowledge known;
    EXPECT_TRUE(
        journal::readOrderKnowledge(journal.database(), {sha, "004711", supplier}, lines, known));
    return known;
}

void answer(Journal& journal, int row, const char* question, const char* what, long long upTo) {
    ASSERT_TRUE(journal.storeAnswers({{kSha, row, question, what, upTo}}, "ana"))
        << journal.message();
}

TEST(OrderJournal, EachRowsMarkFollowsItsEntries) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    recordJob(journal, kSha,
              {{1, RowState::Printed}, {2, RowState::NotSent}, {3, RowState::MaybePartly}});
    recordJob(journal, kSha,
              {{2, RowState::Printed}, {4, RowState::Printed}, {5, RowState::Sending}});
    recordJob(journal, kSha, {{1, RowState::MaybePartly}});
    const std::map<int, JournalMark> expected = {{1, JournalMark::Printed},
                                                 {2, JournalMark::Printed},
                                                 {3, JournalMark::Uncertain},
                                                 {4, JournalMark::Printed},
                                                 {5, JournalMark::Uncertain}};
    const journal::OrderKnowledge known = knowledge(journal);
    EXPECT_EQ(known.marks, expected);
    EXPECT_EQ(known.lastRowId, 7);
    EXPECT_EQ(known.lastPort, "LPT1");
    EXPECT_EQ(known.lastPrinted.size(), 19U) << known.lastPrinted;
    EXPECT_FALSE(known.amended);
    // Another order's file knows nothing of these rows, though its lines are the same.
    EXPECT_TRUE(knowledge(journal, kOtherSha, "OUTRO FORNECEDOR").marks.empty());
}

TEST(OrderJournal, AnswersSettleUncertainRowsUntilALaterJobLeavesThemUncertainAgain) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    recordJob(journal, kSha, {{1, RowState::MaybePartly}, {2, RowState::Sending}});
    answer(journal, 1, journal::kQuestionUncertain, journal::kAnswerPrinted, 2);
    answer(journal, 2, journal::kQuestionUncertain, journal::kAnswerLeave, 2);
    journal::OrderKnowledge known = knowledge(journal);
    EXPECT_EQ(known.marks, (std::map<int, JournalMark>{{1, JournalMark::Printed}}));
    // A row answered printed counts as printed from the time its entry was kept.
    EXPECT_FALSE(known.lastPrinted.empty());
    recordJob(journal, kSha, {{2, RowState::Sending}});
    known = knowledge(journal);
    EXPECT_EQ(known.marks,
              (std::map<int, JournalMark>{{1, JournalMark::Printed}, {2, JournalMark::Uncertain}}));
    journal::Statement stored(journal.database(),
                              "SELECT user_name, answered FROM row_answer WHERE row_number = 2");
    ASSERT_EQ(stored.step(), SQLITE_ROW);
    EXPECT_EQ(stored.text(0), "ana");
    EXPECT_EQ(stored.text(1).size(), 19U);
}

TEST(OrderJournal, AmendedOrderMarksTheLinesPrintedUnderItsOtherVersionUntilConfirmed) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    recordJob(journal, kOtherSha,
              {{1, RowState::Printed}, {2, RowState::MaybePartly}, {3, RowState::Printed}});
    recordJob(journal, kSha, {{3, RowState::Printed}});
    journal::OrderKnowledge known = knowledge(journal);
    EXPECT_TRUE(known.amended);
    // Row 2 was never printed whole; row 3 was printed from this very file.
    EXPECT_EQ(known.marks,
              (std::map<int, JournalMark>{{1, JournalMark::Amended}, {3, JournalMark::Printed}}));
    answer(journal, 1, journal::kQuestionAmended, journal::kAnswerPrinted, 0);
    known = knowledge(journal);
    EXPECT_EQ(known.marks,
              (std::map<int, JournalMark>{{1, JournalMark::Printed}, {3, JournalMark::Printed}}));
    // Another supplier's order of the same number is another order.
    EXPECT_FALSE(knowledge(journal, kSha, "OUTRO FORNECEDOR").amended);
}

TEST(OrderJournal, LineHashIsTheSameForTheFilesLineAndThePaddedRecord) {
    const std::string record = line(1);
    std::string trimmed = record;
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    ASSERT_LT(trimmed.size(), record.size());
    EXPECT_EQ(journal::orderLineSha256(trimmed), journal::orderLineSha256(record));
    EXPECT_NE(journal::orderLineSha256(record), journal::orderLineSha256(line(2)));
    EXPECT_EQ(journal::orderLineSha256(record).size(), 64U);
}

TEST(OrderJournal, OrderFileHashIsTheSha256OfItsBytes) {
    JournalFolder folder;
    writeBytes(folder.file("P.txt"), "abc");
    EXPECT_EQ(journal::orderFileSha256(folder.file("P.txt")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(journal::orderFileSha256(folder.file("missing.txt")), "");
}

TEST(JournalFile, JournalOfTheSecondVersionGainsLineHashesAndAnswersAndItsRowsMatchNoLine) {
    JournalFolder folder;
    {
        journal::Database db;
        ASSERT_EQ(db.open(folder.file(), false), SQLITE_OK);
        ASSERT_EQ(journal::migrate(db, 2), SQLITE_OK);
        ASSERT_EQ(db.exec("INSERT INTO job (started, ended, program, user_name, order_file, "
                          "order_number, supplier, order_sha256, model, port, destination) "
                          "VALUES ('2026-01-02 03:04:05', '2026-01-02 03:04:09', 'janela', 'ana', "
                          "'P.txt', '004711', 'CONFECÇÕES ALVORADA LTDA', '" +
                          kOtherSha +
                          "', 1, 'LPT1', '/dev/lp0');"
                          "INSERT INTO job_row (job_id, row_number, item_code, label_type, labels, "
                          "state, state_time, reprint) VALUES (1, 1, '1234567890', '1', 3, "
                          "'impressa', '2026-01-02 03:04:06', 0);"),
                  SQLITE_OK);
    }
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false)) << journal.message();
    journal::Statement version(journal.database(), "PRAGMA user_version");
    ASSERT_EQ(version.step(), SQLITE_ROW);
    EXPECT_EQ(version.integer(0), 3);
    journal::Statement kept(journal.database(), "SELECT row_number, line_sha256 FROM job_row");
    ASSERT_EQ(kept.step(), SQLITE_ROW);
    EXPECT_EQ(kept.integer(0), 1);
    EXPECT_EQ(kept.text(0 + 1), "");
    // The old row of the other version matches no line of this one, though it is line 1.
    const journal::OrderKnowledge known = knowledge(journal);
    EXPECT_TRUE(known.marks.empty());
    EXPECT_FALSE(known.amended);
    answer(journal, 1, journal::kQuestionUncertain, journal::kAnswerLeave, 1);
}

TEST(JournalRows, TheRecorderKeepsTheHashOfEachRowsOrderLine) {
    JournalFolder folder;
    Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    runRecorded(journal, jobOfRows(2));
    journal::Statement kept(journal.database(), "SELECT line_sha256 FROM job_row ORDER BY id");
    for (int row = 1; row <= 2; ++row) {
        ASSERT_EQ(kept.step(), SQLITE_ROW);
        EXPECT_EQ(kept.text(0), journal::orderLineSha256(itemLine('1', "000002")));
    }
    EXPECT_EQ(kept.step(), SQLITE_DONE);
}

}  // namespace
}  // namespace rotulano::test
