#include "rotulano-render/RowSelection.h"

#include <algorithm>

namespace rotulano::render {

namespace {

// No order holds more than 999 rows; longer numbers are refused before they can
// overflow.
constexpr std::size_t kMaxRowDigits = 6;

bool isDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string listError(const std::string& text) {
    return "Lista de linhas inválida em --rows: \"" + text +
           "\" (use all ou números de linha a partir de 1 separados por vírgula, como 1,3,12)";
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
        if (!isDigits(part) || part.size() > kMaxRowDigits) {
            error = listError(text);
            return false;
        }
        const int row = std::stoi(part);
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
            error = "A linha " + std::to_string(row) + " não existe: o pedido tem " +
                    std::to_string(rowCount) + (rowCount == 1 ? " linha" : " linhas");
            return false;
        }
    }
    rows = named_;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return true;
}

}  // namespace rotulano::render
