#pragma once

#include <map>
#include <string>
#include <vector>

#include "config/PortsTable.h"
#include "core/PrinterSettings.h"
#include "journal/Journal.h"

namespace rotulano::journal {

// The journal knows an order by its file's bytes: the same file gives the same rows. The
// SHA-256 of the file at `path` as lower-case hex; empty when it cannot be read.
std::string orderFileSha256(const std::string& path);

// The SHA-256 of one order line as the programs hold it (a 300-byte record, blanks to the
// right), so that a line read from the file and the same line padded hash alike.
std::string orderLineSha256(const std::string& line);

// The user a job or an answer is kept under, as the system's session names it.
std::string journalUser();

// The words of the operator's answers (row_answer).
inline constexpr const char* kQuestionUncertain = "incerta";
inline constexpr const char* kQuestionAmended = "alterada";
inline constexpr const char* kAnswerPrinted = "impressa";
inline constexpr const char* kAnswerLeave = "imprimir";

// An order as the journal finds it: its file's SHA-256, and the order number and supplier
// (UTF-8) that an amended file of the same order keeps.
struct OrderIdentity {
    std::string sha256;
    std::string orderNumber;
    std::string supplier;
};

// What the grid shows of a row from the journal.
enum class JournalMark {
    Printed,    // printed, or answered printed: cannot be ticked
    Uncertain,  // left "sending" or possibly printed, not yet answered: cannot be ticked
    Amended,    // its line matches a printed line of another version of the order
};

struct OrderKnowledge {
    std::map<int, JournalMark> marks;  // the rows the journal knows; others are ordinary
    long long lastRowId = 0;           // the newest row entry read: answers cover up to it
    std::string lastPrinted;           // when a row of this file was last printed; empty: never
    std::string lastPort;              // the port of that job
    bool amended = false;              // another version of the order has printed rows
};

// What the journal says of the order's rows, `lines` being its order lines from row 1.
// Printed wins over everything; a row left uncertain stays so until answered; a row of an
// amended order whose line was printed before is Amended until confirmed. False when the
// journal could not be read.
bool readOrderKnowledge(Database& db, const OrderIdentity& order,
                        const std::vector<std::string>& lines, OrderKnowledge& known);

// The order a job prints, as the journal keeps it: its file, the header's number, the
// supplier's name (Latin-1, as read) and the SHA-256 of the file's bytes.
struct JobOrder {
    std::string file;
    std::string number;
    std::string supplierLatin1;
    std::string sha256;
};

// A job's entry, the same for every program: the order, the settings' model and port, and
// the destination the ports table gives that port (`usualDevice` when it names none).
JobEntry jobEntryOf(const std::string& program, const JobOrder& order,
                    const core::PrinterSettings& settings, const config::PortsTable& ports,
                    const std::string& usualDevice);

}  // namespace rotulano::journal
