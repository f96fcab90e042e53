#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "config/ParameterFile.h"
#include "core/PrinterSettings.h"
#include "labels/RoutineChoice.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"

using rotulano::config::ParameterFile;
using rotulano::core::PrinterSettings;
namespace core = rotulano::core;
namespace labels = rotulano::labels;

namespace {

// A stored record under key "1": model 01, port 03, darkness 12, pause "N", margins 04
// and 02, speed "D", language 2, then a filler that the program never writes itself.
std::string storedRecord() {
    std::string record =
        "10103"
        "12"
        "N"
        "04"
        "02"
        "D"
        "2";
    for (int i = 0; record.size() < PrinterSettings::kLength; ++i) {
        record.push_back(static_cast<char>('a' + i % 26));
    }
    return record;
}

struct SizeCase {
    std::size_t size;
    const char* status;  // of reading and of saving over it
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.size << " bytes";
}

// The file's bytes: the stored record cut at `size`, or followed by other bytes up to it.
std::string fileOfSize(std::size_t size) {
    std::string bytes = storedRecord().substr(0, size);
    while (bytes.size() < size) {
        bytes.push_back(static_cast<char>(bytes.size() % 251));
    }
    return bytes;
}

class HostileParameterFiles : public ::testing::TestWithParam<SizeCase> {
  protected:
    rotulano::test::ScopedWorkingDir dir;
};

// A file too short to hold the record is reported and never written over; a longer one
// gives its first 146 bytes, and a save keeps exactly the record, filler included.
TEST_P(HostileParameterFiles, ReadTheRecordOrReportItsAbsence) {
    const SizeCase& c = GetParam();
    const std::string bytes = fileOfSize(c.size);
    rotulano::test::writeBytes(dir.file("CD21PRM.DAT"), bytes);
    const ParameterFile file(dir.file("CD21PRM.DAT"));

    PrinterSettings settings = PrinterSettings::defaults();
    EXPECT_EQ(file.read(settings), c.status);
    const bool holdsRecord = std::string(c.status) == "00";
    EXPECT_EQ(settings.record(),
              holdsRecord ? bytes.substr(0, 146) : PrinterSettings::defaults().record());

    settings.setModel(6);
    EXPECT_EQ(file.rewrite(settings), c.status);
    const std::string after = rotulano::test::readBytes(dir.file("CD21PRM.DAT"));
    if (!holdsRecord) {
        EXPECT_EQ(after, bytes);
        return;
    }
    ASSERT_EQ(after.size(), 146U);
    EXPECT_EQ(after.substr(0, 3), "106");
    EXPECT_EQ(after.substr(3), bytes.substr(3, 143));
}

INSTANTIATE_TEST_SUITE_P(Sizes, HostileParameterFiles,
                         ::testing::Values(SizeCase{0, "23"}, SizeCase{1, "23"},
                                           SizeCase{145, "23"}, SizeCase{146, "00"},
                                           SizeCase{147, "00"}, SizeCase{10000, "00"}));

TEST(HostileParameterRecord, LettersWhereDigitsGoReadAsZeroAndStayInTheRecord) {
    rotulano::test::ScopedWorkingDir dir;
    std::string record = storedRecord();
    record.replace(1, 13,
                   "AB"
                   "CD"
                   "XY"
                   "?"
                   "ab"
                   "cd"
                   "#"
                   "Z");
    rotulano::test::writeBytes(dir.file("CD21PRM.DAT"), record);
    PrinterSettings settings;
    ASSERT_EQ(ParameterFile(dir.file("CD21PRM.DAT")).read(settings), "00");
    EXPECT_EQ(settings.record(), record);
    EXPECT_EQ(settings.model(), 0);
    EXPECT_EQ(settings.port(), 0);
    EXPECT_EQ(settings.darkness(), 0);
    EXPECT_FALSE(settings.pause());
    EXPECT_EQ(settings.leftMargin(), 0);
    EXPECT_EQ(settings.topMargin(), 0);
    EXPECT_EQ(settings.language(), 0);
}

// The header commands of one label of `model` printed with `record` as the settings.
std::vector<std::string> headerLines(int model, const std::string& record) {
    const core::LabelRequest request{core::OrderLine(rotulano::test::itemLine('1')),
                                     PrinterSettings(record)};
    const labels::LabelOutput output = labels::chooseLabelRoutine(model, '1')(request);
    return std::vector<std::string>(output.lines.begin(), output.lines.begin() + 12);
}

// A parameter file edited by hand, or damaged, may hold any byte where the darkness and
// the speed go. The label commands copy these settings, but a "^" or "~" (a ZPL command
// prefix) or a control byte (which ends a DPL record) must never become a command.
TEST(HostileParameterRecord, CommandBytesInTheSettingsNeverBecomeCommands) {
    for (const std::string& bad :
         {std::string("^X"), std::string("~J"), std::string("\r\n"), std::string("\x02L", 2)}) {
        SCOPED_TRACE(bad);
        std::string record = storedRecord();
        record.replace(1, 2, "06");
        record.replace(5, 2, bad);
        record[12] = bad[0];
        for (const std::string& line : headerLines(6, record)) {
            const bool zplCommand = line.rfind("^MD", 0) == 0 || line.rfind("^PR", 0) == 0;
            if (zplCommand) {
                EXPECT_EQ(std::count(line.begin(), line.end(), '^'), 1) << line;
                EXPECT_EQ(line.find_first_of("~\r\n\x02"), std::string::npos) << line;
            }
        }
        record.replace(1, 2, "01");
        for (const std::string& line : headerLines(1, record)) {
            if (line.rfind("H", 0) == 0 || line.rfind("P", 0) == 0) {
                EXPECT_EQ(line.find_first_of(std::string("\r\n\x02\x01", 4)), std::string::npos)
                    << line;
            }
        }
    }
}

}  // namespace
