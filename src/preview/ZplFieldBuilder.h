#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <optional>
#include <string>

#include "preview/LabelElement.h"
#include "preview/ZplState.h"

namespace rotulano::preview {

// Turns ZPL fields and graphic commands into the marks the printer makes.
class ZplFieldBuilder {
  public:
    // The text or bar code of a finished field; nothing (with a warning for a bar code
    // the printer cannot make) when it prints nothing.
    static std::optional<LabelElement> field(const ZplField& field, const ZplPrinterState& state,
                                             QStringList& warnings);

    // "^GB" width, height, thickness, colour at `origin`.
    static LabelElement box(QPoint origin, const std::string& parameters);

    // A stored or inline graphic at `origin`, magnified.
    static LabelElement graphic(QPoint origin, const QImage& picture, int magnifyX, int magnifyY);

    // The font of "^A" + `name` with the given height and width in dots (0: not given).
    static PrinterFont font(char name, int height, int width);

    // N, R, I and B; `fallback` for anything else.
    static Rotation rotation(char orientation, Rotation fallback);

  private:
    static std::optional<LabelElement> text(const ZplField& field, const ZplPrinterState& state);
    static std::optional<LabelElement> bars(const ZplField& field, const ZplPrinterState& state,
                                            QStringList& warnings);
};

}  // namespace rotulano::preview
