#pragma once

#include <QString>
#include <string>
#include <vector>

namespace rotulano::preview {

// A one-dimensional bar code as runs of modules: a bar, a space, a bar..., each run
// as wide as its number of modules, and the digits a reader gets back.
struct BarcodeRuns {
    std::vector<int> modules;
    QString text;
    QString error;  // why the data make no symbol, in libzint's words

    bool valid() const { return error.isEmpty() && !modules.empty(); }
};

// Bar code symbols, encoded by libzint as the printer encodes them.
class BarcodeEncoder {
  public:
    // EAN-13 from 12 digits, the check digit added (13 digits: the check is verified).
    static BarcodeRuns ean13(const std::string& digits);

    // Interleaved 2 of 5: an odd number of digits gets a leading zero, as the printers
    // do; with `addCheckDigit` the modulo 10 check digit is appended first.
    static BarcodeRuns interleaved2of5(const std::string& digits, bool addCheckDigit);

    // Run widths in dots when every module is `module` dots wide (EAN-13).
    static std::vector<int> modulesToDots(const BarcodeRuns& runs, int module);

    // Run widths in dots for a two-width symbol (Interleaved 2 of 5): one-module runs
    // are narrow, wider runs are wide.
    static std::vector<int> narrowWideToDots(const BarcodeRuns& runs, int narrow, int wide);

  private:
    static BarcodeRuns encode(int symbology, const std::string& data, int option2);
};

}  // namespace rotulano::preview
