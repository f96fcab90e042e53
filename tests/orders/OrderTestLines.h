#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Order-file lines for the tests, built field by field at the positions of the chain's
// record layouts, independently of the program's own record helpers.
namespace rotulano::test {

// A line of 300 blanks with texts placed at 1-based positions.
class TestLine {
  public:
    TestLine() : bytes_(300, ' ') {}
    explicit TestLine(std::string start) : bytes_(std::move(start)) { bytes_.resize(300, ' '); }

    TestLine& at(std::size_t position, const std::string& text) {
        bytes_.replace(position - 1, text.size(), text);
        return *this;
    }
    const std::string& str() const { return bytes_; }
    operator std::string() const { return bytes_; }

  private:
    std::string bytes_;
};

// A sound header: CNPJ 12345678000199, supplier "CONFECCOES ALVORADA LTDA", order 004711,
// order date 09/12/2025, e-mail date 10/12/2025, the given format version. Positions
// 53-54, not read, hold "01".
inline TestLine headerLine(const std::string& version = "020500") {
    return TestLine()
        .at(1, "01")
        .at(3, "12345678000199")
        .at(17, "CONFECCOES ALVORADA LTDA")
        .at(47, "004711")
        .at(53, "01")
        .at(55, "09122025")
        .at(63, "10122025")
        .at(251, version);
}

// A standard item line of the given label type code with product code 1234567890.
inline TestLine itemLine(char code, const std::string& quantity = "000010",
                         const std::string& price = "00001990") {
    return TestLine()
        .at(1, std::string("1") + code)
        .at(5, quantity)
        .at(11, "1234567890")
        .at(21, "CAMISETA MANGA CURTA")
        .at(51, price);
}

// The lines joined, each followed by `end`.
inline std::string orderFile(const std::vector<std::string>& lines,
                             const std::string& end = "\r\n") {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + end;
    }
    return bytes;
}

}  // namespace rotulano::test
