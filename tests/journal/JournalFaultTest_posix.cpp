#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "JournalTestSupport.h"
#include "journal/JournalQuery.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

// The journal's faults that need the system's help: a full disk (a file-size limit), a
// folder the operator may not write to, a damaged journal another program holds, and two
// writers at once.
namespace rotulano::test {
namespace {

const std::string kMarksInMemory =
    ": a impressão continua e as marcas das linhas ficam só na memória";

// A job of `rows` rows in a child, its journal at `path`, as the child saw it: the journal's
// messages, then "printed: N" and whether the bytes were those of a job without journal.
std::string jobInChild(const std::string& path, int rows) {
    journal::Journal journal;
    journal.open(path, false);
    const printing::JobRequest request = jobOfRows(rows);
    const RecordedJob job = runRecorded(journal, request);
    std::string answer;
    for (const std::string& message : job.messages) {
        answer += message + "\n";
    }
    const bool same = job.bytes == bytesWithoutJournal(request);
    return answer + "printed: " + std::to_string(job.report.rows.size()) +
           (same && job.report.end == printing::JobEnd::Normal ? " whole" : " broken");
}

// Waits for `child` at most `limit`; kills it after that. Its exit status, or -1.
int waitForChild(pid_t child, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(JournalSystemFaults, FullDiskIsToldOnceAndPrintingGoesOn) {
    JournalFolder folder;
    {
        journal::Journal made;
        ASSERT_TRUE(made.open(folder.file(), false)) << made.message();
    }
    ChildSetup setup;
    setup.fileSizeLimit = 2048;
    const ChildRun run = answerFromChild(setup, [&] { return jobInChild(folder.file(), 3); });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "O diário de impressão " + folder.file() +
                           " não pôde ser aberto (erro de leitura ou gravação no disco: disco "
                           "cheio ou com defeito)" +
                           kMarksInMemory + "\nprinted: 3 whole");
}

TEST(JournalSystemFaults, FullDiskAfterTheJobStartedIsToldOnceAndPrintingGoesOn) {
    JournalFolder folder;
    ChildSetup setup;
    // Room for the new journal and its first entries, not for 200 rows of entries.
    setup.fileSizeLimit = 64 * 1024;
    const ChildRun run = answerFromChild(setup, [&] { return jobInChild(folder.file(), 200); });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "O diário de impressão " + folder.file() +
                  " não pôde ser gravado (erro de leitura ou gravação no disco: disco cheio ou com "
                  "defeito)" +
                  kMarksInMemory + "\nprinted: 200 whole");
}

TEST(JournalSystemFaults, ReadOnlyFolderIsToldOnceAndPrintingGoesOn) {
    if (!operatorRunsPossible()) {
        GTEST_SKIP() << "no user without the administrator's rights to run as";
    }
    JournalFolder folder;
    ASSERT_TRUE(openToOperator(folder.path()));
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const ChildRun run =
        answerAsOperator(folder.path(), [&] { return jobInChild(folder.file(), 2); });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "O diário de impressão " + folder.file() +
                           " não pôde ser aberto (a pasta não existe ou não permite criar "
                           "arquivos)" +
                           kMarksInMemory + "\nprinted: 2 whole");
    ::chmod(folder.path().c_str(), 0755);
}

TEST(JournalSystemFaults, DamagedJournalThatAnotherProgramHoldsIsNotMoved) {
    JournalFolder folder;
    const std::string garbage(4096, 'X');
    writeBytes(folder.file(), garbage);
    // Another program's SQLite holds a shared lock on the database's lock bytes until the
    // test closes the pipe to it.
    int ready[2];
    int done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const int fd = ::open(folder.file().c_str(), O_RDWR);
        struct flock lock {};
        lock.l_type = F_RDLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = 0x40000002;
        lock.l_len = 510;
        const char held = ::fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
        ::close(done[1]);
        (void)!::write(ready[1], &held, 1);
        char end = 0;
        (void)!::read(done[0], &end, 1);  // returns once the test closes its end
        ::_exit(0);
    }
    ::close(done[0]);
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    journal::Journal journal;
    EXPECT_FALSE(journal.open(folder.file(), false));
    EXPECT_EQ(journal.message(), "O diário de impressão " + folder.file() +
                                     " está danificado e em uso por outro programa" +
                                     kMarksInMemory);
    EXPECT_EQ(readBytes(folder.file()), garbage);
    const RecordedJob job = runRecorded(journal, jobOfRows(2));
    EXPECT_EQ(job.report.end, printing::JobEnd::Normal);
    EXPECT_EQ(job.messages, std::vector<std::string>{journal.message()});
    ::close(done[1]);
    EXPECT_EQ(waitForChild(holder, std::chrono::seconds(60)), 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

// A writer as the window or rotulano-render writes: one job of `rows` rows, each row's
// "sending" entry with the previous row's outcome.
pid_t startWriter(const std::string& path, const std::string& sha, int rows) {
    const pid_t child = ::fork();
    if (child != 0) {
        return child;
    }
    journal::Journal journal;
    long long job = 0;
    long long row = 0;
    bool ok = journal.open(path, false) && journal.startJob(jobEntry(sha), job);
    journal::RowOutcomeEntry previous;
    for (int number = 1; ok && number <= rows; ++number) {
        ok = journal.rowSending(job, {number, "1234567890", "1", 1, false},
                                number == 1 ? nullptr : &previous, row);
        previous = {row, journal::RowState::Printed};
    }
    ok = ok && journal.endJob(job, {previous});
    ::_exit(ok ? 0 : 1);
}

TEST(JournalSystemFaults, TwoWritersAtOnceLoseNothing) {
    JournalFolder folder;
    {
        journal::Journal made;
        ASSERT_TRUE(made.open(folder.file(), false)) << made.message();
    }
    const pid_t first = startWriter(folder.file(), "first", 500);
    const pid_t second = startWriter(folder.file(), "second", 500);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(waitForChild(first, std::chrono::seconds(240)), 0);
    EXPECT_EQ(waitForChild(second, std::chrono::seconds(240)), 0);
    journal::Journal journal;
    ASSERT_TRUE(journal.open(folder.file(), false));
    for (const std::string sha : {"first", "second"}) {
        std::map<int, journal::RowState> rows;
        ASSERT_TRUE(journal::rowsOfOrder(journal.database(), sha, rows));
        ASSERT_EQ(rows.size(), 500U) << sha;
        EXPECT_EQ(rows.begin()->first, 1);
        EXPECT_EQ(rows.rbegin()->first, 500);
        for (const auto& [row, state] : rows) {
            EXPECT_EQ(state, journal::RowState::Printed) << sha << " row " << row;
        }
    }
    long long entries = 0;
    journal.database().queryInt("SELECT count(*) FROM job_row", entries);
    EXPECT_EQ(entries, 1000);
}

}  // namespace
}  // namespace rotulano::test
