#include "SoakTally.h"

#include <iomanip>
#include <map>
#include <sstream>

namespace rotulano::test {

namespace {

constexpr int kNone = -1;

bool couldBe(const SoakAttempt& attempt, const ReadConnection& connection) {
    return !attempt.refused && attempt.started <= connection.accepted &&
           attempt.ended >= connection.listening &&
           attempt.expected.compare(0, connection.bytes.size(), connection.bytes) == 0 &&
           connection.bytes.size() <= attempt.expected.size();
}

// For each attempt, the connection that came from it, or kNone.
std::vector<int> matchConnections(const std::vector<SoakAttempt>& attempts,
                                  const std::vector<ReadConnection>& connections, int& unmatched) {
    std::vector<int> connectionOf(attempts.size(), kNone);
    std::size_t next = 0;
    for (std::size_t c = 0; c < connections.size(); ++c) {
        std::size_t a = next;
        while (a < attempts.size() && !couldBe(attempts[a], connections[c])) {
            ++a;
        }
        if (a == attempts.size()) {
            ++unmatched;
            continue;
        }
        connectionOf[a] = static_cast<int>(c);
        next = a + 1;
    }
    return connectionOf;
}

}  // namespace

SoakTally tallySoak(const std::vector<SoakAttempt>& attempts,
                    const std::vector<ReadConnection>& connections, int rows) {
    SoakTally tally;
    tally.rows = rows;
    tally.attempts = static_cast<int>(attempts.size());
    tally.connections = static_cast<int>(connections.size());
    const std::vector<int> connectionOf = matchConnections(attempts, connections, tally.unmatched);
    std::map<int, int> readWhole;      // row -> connections that read it whole
    std::map<int, bool> printedWhole;  // row -> its "Ø" attempt was read whole
    for (std::size_t a = 0; a < attempts.size(); ++a) {
        const SoakAttempt& attempt = attempts[a];
        const std::string noBytes;
        const std::string& read =
            connectionOf[a] == kNone ? noBytes
                                     : connections[static_cast<std::size_t>(connectionOf[a])].bytes;
        const bool whole = read == attempt.expected;
        readWhole[attempt.row] += whole ? 1 : 0;
        switch (attempt.outcome) {
            case SoakAttempt::Outcome::Printed:
                printedWhole[attempt.row] = whole;
                tally.lost += whole ? 0 : 1;
                break;
            case SoakAttempt::Outcome::NotSent:
                (read.empty() ? tally.notSentNotRead : tally.silentDouble) += 1;
                break;
            case SoakAttempt::Outcome::Warned:
                (read.empty() ? tally.warnedNotRead
                              : (whole ? tally.warnedReadWhole : tally.warnedReadPart)) += 1;
                break;
        }
    }
    std::map<std::string, int> rowOfBytes;
    for (const SoakAttempt& attempt : attempts) {
        const int row = rowOfBytes.emplace(attempt.expected, attempt.row).first->second;
        tally.sharedBytes += row != attempt.row ? 1 : 0;
    }
    for (const auto& [row, times] : readWhole) {
        tally.readWholeTwice += times > 1 ? 1 : 0;
        tally.printedOnce += times == 1 && printedWhole[row] ? 1 : 0;
    }
    return tally;
}

void describeLine(std::ostream& out, const char* what, const std::string& value) {
    out << std::left << std::setw(44) << what << value << '\n';
}

std::string describeTally(const SoakTally& tally) {
    std::ostringstream out;
    const auto line = [&out](const char* what, int value) {
        describeLine(out, what, std::to_string(value));
    };
    line("rows", tally.rows);
    line("rows sent (attempts)", tally.attempts);
    line("connections the printer accepted", tally.connections);
    line("printed and read whole exactly once", tally.printedOnce);
    line("reported not sent, not read at all", tally.notSentNotRead);
    line("reported with the warning, not read", tally.warnedNotRead);
    line("reported with the warning, read in part", tally.warnedReadPart);
    line("reported with the warning, read whole", tally.warnedReadWhole);
    line("LOST (marked printed, not read whole)", tally.lost);
    line("SILENT DOUBLE (not sent, no warning, read)", tally.silentDouble);
    line("rows read whole more than once", tally.readWholeTwice);
    line("connections matching no row", tally.unmatched);
    line("rows sent with another row's bytes", tally.sharedBytes);
    return out.str();
}

}  // namespace rotulano::test
