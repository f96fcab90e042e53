#pragma once

#include <string>
#include <vector>

namespace rotulano::render {

// The grid rows that the renderer prints, as if the operator had ticked them: every row
// of the order, or the rows named by their numbers (from 1, as the "Item" column shows
// them).
class RowSelection {
  public:
    // Every row of the order.
    RowSelection() = default;

    // Reads "all" or a comma-separated list of row numbers ("1,3,12", leading zeros
    // allowed). False, with the reason in `error` (UTF-8), for anything else.
    static bool parse(const std::string& text, RowSelection& selection, std::string& error);

    // The rows to print for an order of `rowCount` rows: in grid order and each once,
    // as the print job scans the ticked rows from the top. False, with the reason in
    // `error`, when a named row is not in the order.
    bool resolve(int rowCount, std::vector<int>& rows, std::string& error) const;

    bool isAll() const { return all_; }
    const std::vector<int>& named() const { return named_; }

  private:
    bool all_ = true;
    std::vector<int> named_;
    std::string beyondEveryOrder_;  // the first named row too long to be any order's
};

}  // namespace rotulano::render
