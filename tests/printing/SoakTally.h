#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "NetworkPrinter.h"

namespace rotulano::test {

// One row sent once by a print job: what the job sent for it (its logo download
// included when the row brought it), when the engine started and ended it, and what
// the job reported.
struct SoakAttempt {
    enum class Outcome {
        Printed,  // marked "Ø"
        NotSent,  // reported not sent, without the warning: the operator prints it again
        Warned,   // reported with the warning that the printer may have part of it
    };
    using Clock = std::chrono::steady_clock;

    int row = 0;
    std::string expected;
    Clock::time_point started;
    Clock::time_point ended;
    Outcome outcome = Outcome::Printed;
    bool refused = false;  // the connection was refused: nothing was listening
};

// What became of the rows, from what the job reported and what the printer read.
struct SoakTally {
    int rows = 0;
    int attempts = 0;
    int connections = 0;
    int printedOnce = 0;      // rows marked "Ø", read whole then and at no other time
    int notSentNotRead = 0;   // attempts reported not sent, of which nothing was read
    int warnedNotRead = 0;    // attempts reported with the warning, nothing read
    int warnedReadPart = 0;   // ... read in part
    int warnedReadWhole = 0;  // ... read whole
    int lost = 0;             // attempts marked "Ø" that were not read whole
    int silentDouble = 0;     // attempts reported not sent, without the warning, but read
    int readWholeTwice = 0;   // rows read whole more than once
    int unmatched = 0;        // connections whose bytes are no attempt's (the soak's fault)
    int sharedBytes = 0;      // attempts whose bytes another row sends too (the soak's fault)

    int faults() const { return lost + silentDouble; }
};

// Each connection the printer read is the attempt it came from: the first attempt, after
// the one of the connection before, that was not refused, had started when the
// connection was accepted, was still running when its listening socket opened, and of
// whose bytes the connection read a beginning. Connections are accepted in the order
// they were made; those the printer dropped unread are skipped by that rule.
SoakTally tallySoak(const std::vector<SoakAttempt>& attempts,
                    const std::vector<ReadConnection>& connections, int rows);

// The tallies as lines for a person, one figure a line.
std::string describeTally(const SoakTally& tally);
// One such line: `what`, then its value in a column of its own.
void describeLine(std::ostream& out, const char* what, const std::string& value);

}  // namespace rotulano::test
