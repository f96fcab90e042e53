#pragma once

#include <cstddef>
#include <string>

namespace rotulano::labels {

// One DPL label record: the 15-character prefix (rotation, font or identifier, width and
// height multipliers, size, row, column) followed by its data, which runs to the end of
// the line. Rows and columns are in tenths of a millimetre.
class DplRecord {
  public:
    static constexpr std::size_t kPrefixLength = 15;

    DplRecord(std::string prefix, std::string data);

    // The same record with its row increased by `tenths` (the large adhesive moves every
    // record but the logo down by 3 mm).
    DplRecord withRowIncreasedBy(int tenths) const;

    // The record as written in the column that lies `offset` tenths of a millimetre to
    // the right of the first one.
    std::string line(int offset) const;

  private:
    std::string prefix_;
    std::string data_;
};

}  // namespace rotulano::labels
