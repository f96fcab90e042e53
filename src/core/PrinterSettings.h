#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/PrinterModel.h"

namespace rotulano::core {

// The one 146-character record of the parameter file CD21PRM.DAT. Numbers are
// zero-padded digits; list choices are stored as their 1-based positions.
//   1      key, always "1"
//   2-3    printer model (1-4 DPL, 5-6 ZPL)
//   4-5    port (1 LPT1, 2 LPT2, 3-6 COM1-COM4)
//   6-7    darkness
//   8      pause after each item, "S" or "N"
//   9-10   left margin, mm
//   11-12  top (ZPL) or bottom (DPL) margin, mm
//   13     speed letter "A"-"S"
//   14     language, 1 Português, 2 English
//   15-146 filler, carried unchanged by every save
// A numeric field of the record that holds what no save of the program writes: the label
// commands would carry it to the printer ("^MD99", "H99"), so nothing is printed with it.
struct DamagedField {
    enum class Kind { Darkness, LeftMargin, SecondMargin, Speed };
    Kind kind;
    std::size_t position;  // 1-based, as in the record layout
    std::string value;     // the bytes stored there
};

class PrinterSettings {
  public:
    static constexpr std::size_t kLength = 146;

    PrinterSettings();
    explicit PrinterSettings(std::string record);

    // The record written when the parameter file is missing.
    static PrinterSettings defaults();

    const std::string& record() const { return record_; }

    int model() const;
    int port() const;
    int darkness() const;
    bool pause() const;
    int leftMargin() const;
    int topMargin() const;
    char speed() const;
    int language() const;

    // The stored digits as they stand (the label commands copy them unchecked).
    std::string modelDigits() const;
    std::string portDigits() const;
    std::string darknessDigits() const;
    std::string leftMarginDigits() const;
    std::string topMarginDigits() const;

    void setModel(int position);
    void setPort(int position);
    void setDarkness(int position);
    void setPause(bool pause);
    void setLeftMargin(int millimetres);
    void setTopMargin(int millimetres);
    void setSpeed(char letter);
    void setLanguage(int position);

    // The darkness, margin and speed fields that are damaged, in record order: a darkness
    // that is not two digits from 01 to 30, a margin that is not two digits, a speed that
    // is neither a letter "A" to "S" nor the "0" of the record made at the first start.
    // Model and port are left to the checks of their own users.
    std::vector<DamagedField> damagedFields() const;

    // What the record holds wrong, field after field with `separator` between them: its
    // name, positions, bytes (shown escaped) and what it should hold, in Portuguese (UTF-8).
    static std::string damageText(const std::vector<DamagedField>& fields,
                                  const std::string& separator);

    // What the stored model position means for the bytes sent to the printer.
    PrinterModel printerModel() const { return PrinterModel(model()); }

  private:
    int number(std::size_t position, std::size_t length) const;
    void setNumber(std::size_t position, std::size_t length, int value);

    std::string record_;
};

}  // namespace rotulano::core
