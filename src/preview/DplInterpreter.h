#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "preview/DplRecordBuilder.h"
#include "preview/DplStreamReader.h"
#include "preview/GraphicStore.h"
#include "preview/PreviewLabel.h"

namespace rotulano::preview {

// Runs DPL commands as a Datamax or Argox printer does and collects the labels they
// print: every STX "L" ... "E" format is one label. Images downloaded with STX "I" go to
// the graphic store, where "Y" records find them; STX "q" clears a memory module.
class DplInterpreter {
  public:
    explicit DplInterpreter(GraphicStore& graphics) : graphics_(graphics) {}

    void run(const std::string& bytes);

    // The labels printed so far; a format still open is given as incomplete.
    std::vector<PreviewLabel> takeLabels();

  private:
    void systemCommand(const std::string& text, DplStreamReader& reader);
    void formatLine(const std::string& line);
    bool formatSetting(const std::string& line);
    void downloadImage(const std::string& text, DplStreamReader& reader);
    void selectSymbolSet(const std::string& text);
    void startFormat();
    void endFormat(bool complete);
    void warn(const QString& warning);

    GraphicStore& graphics_;
    bool metric_ = false;
    PrinterCodePage codePage_ = PrinterCodePage::Pc850;
    QPoint offsetUnits_;  // "C" and "R" of the open format, in its units
    std::optional<PreviewLabel> label_;
    std::vector<PreviewLabel> labels_;
    QStringList pendingWarnings_;
};

}  // namespace rotulano::preview
