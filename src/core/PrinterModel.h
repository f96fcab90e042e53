#pragma once

namespace rotulano::core {

// What the printer model chosen on the "Configuração" page (its 1-based list position,
// as the settings record stores it) means for the bytes sent to it. Positions 1 to 4 are
// the Datamax and Argox models, which read DPL; 5 and up are the Zebra models, which read
// ZPL. Any position below 5, stored ones outside the list included, is treated as DPL.
class PrinterModel {
  public:
    static constexpr int kFirstZpl = 5;
    static constexpr int kDplDarknessSteps = 15;
    static constexpr int kZplDarknessSteps = 30;

    constexpr explicit PrinterModel(int position) : position_(position) {}

    constexpr int position() const { return position_; }

    // The printer language: ZPL for the Zebra models, DPL for the others.
    constexpr bool printsZpl() const { return position_ >= kFirstZpl; }

    // The darkness list runs from 1 to 15 on the DPL models and to 30 on the ZPL ones.
    constexpr int darknessSteps() const {
        return printsZpl() ? kZplDarknessSteps : kDplDarknessSteps;
    }

    // The DPL logo download starts with its SOH "D" record, except on the "Datamax -
    // I-CLASS" (position 2), which takes the image without it.
    constexpr bool sendsDplLogoPrefix() const { return position_ != kDplWithoutLogoPrefix; }

    // DPL labels set the start-of-print and stop positions, except on the "Datamax -
    // PRODIGY" (position 3), which takes neither command.
    constexpr bool sendsDplPrintPositions() const { return position_ != kDplWithoutPrintPositions; }

  private:
    static constexpr int kDplWithoutLogoPrefix = 2;
    static constexpr int kDplWithoutPrintPositions = 3;

    int position_;
};

}  // namespace rotulano::core
