#pragma once

#include <QPoint>
#include <QStringList>
#include <optional>
#include <string>

#include "preview/GraphicStore.h"
#include "preview/LabelElement.h"
#include "preview/PrinterCodePage.h"

namespace rotulano::preview {

// How a DPL record is read: the units of its rows and columns (STX "m" tenths of a
// millimetre, STX "n" hundredths of an inch), the row and column offsets of the format
// in dots, the character set and the stored images.
struct DplRecordContext {
    bool metric = false;
    QPoint offset;  // column ("C") and row ("R") adjustments, in dots
    PrinterCodePage codePage = PrinterCodePage::Pc850;
    const GraphicStore* graphics = nullptr;
};

// Turns one DPL label record into the mark it prints. The record is 15 fixed characters
// (rotation, font or bar code or graphic identifier, width and height multipliers or
// wide and narrow bar widths, size or height, row, column) and then its data.
//
// The element comes back measured from the label's bottom-left corner, rows going up,
// as DPL places it: `box.y()` is the row of its lower edge. The label is turned the
// right way up once all its records are known.
class DplRecordBuilder {
  public:
    static std::optional<LabelElement> record(const std::string& line,
                                              const DplRecordContext& context,
                                              QStringList& warnings);

    // A length of the record (row, column, size) in dots.
    static int toDots(long long value, bool metric);

  private:
    static std::optional<LabelElement> text(char font, const std::string& line,
                                            const DplRecordContext& context);
    static std::optional<LabelElement> graphic(const std::string& line,
                                               const DplRecordContext& context,
                                               QStringList& warnings);
    static std::optional<LabelElement> image(const std::string& line,
                                             const DplRecordContext& context,
                                             QStringList& warnings);
    static std::optional<LabelElement> bars(const std::string& line,
                                            const DplRecordContext& context, QStringList& warnings);
};

}  // namespace rotulano::preview
