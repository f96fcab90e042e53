#include "rotulano-render/RowSelection.h"

#include <algorithm>

namespace rotulano::render {

namespace {

// No order holds more than 999 rows: a number of more digits (leading zeros aside) is
// past the end of any order and is not converted, so that it cannot overflow.
constexpr std::size_t kMaxRowDigits = 9;

bool isDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string listError(const std::string& text) {
    return "Lista de linhas inválida em --rows: \"" + text +
           "\" (use all ou números de linha a partir de 1 separados por vírgula, como 1,3,12)";
}

std::string missingRow(const std::string& row, int rowCount) {
    return "A linha " + row + " não existe: o pedido tem " + std::to_string(rowCount) +
           (rowCount == 1 ? " linha" : " linhas");
}

std::vector<std::string> splitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos;
         comma = text.find(',', start)) {
        parts.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

bool RowSelection::parse(const std::string& text, RowSelection& selection, std::string& error) {
    if (text == "all") {
        selection = RowSelection();
        return true;
    }
    RowSelection named;
    named.all_ = false;
    for (const std::string& part : splitAtCommas(text)) {
        if (!isDigits(part)) {
            error = listError(text);
            return false;
        }
        const std::size_t first = std::min(part.find_first_not_of('0'), part.size());
        const std::string digits = part.substr(first);
        if (digits.size() > kMaxRowDigits) {
            if (named.beyondEveryOrder_.empty()) {
                named.beyondEveryOrder_ = digits;
            }
            continue;
        }
        const int row = digits.empty() ? 0 : std::stoi(digits);
        if (row < 1) {
            error = "A linha 0 não existe em --rows: as linhas são numeradas a partir de 1";
            return false;
        }
        named.named_.push_back(row);
    }
    selection = named;
    return true;
}

bool RowSelection::resolve(int rowCount, std::vector<int>& rows, std::string& error) const {
    rows.clear();
    if (all_) {
        for (int row = 1; row <= rowCount; ++row) {
            rows.push_back(row);
        }
        return true;
    }
    for (int row : named_) {
        if (row > rowCount) {
            error = missingRow(std::to_string(row), rowCount);
            return false;
        }
    }
    if (!beyondEveryOrder_.empty()) {
        error = missingRow(beyondEveryOrder_, rowCount);
        return false;
    }
    rows = named_;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return true;
}

}  // namespace rotulano::render
