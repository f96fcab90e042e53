#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "preview/GraphicStore.h"
#include "preview/PreviewLabel.h"
#include "preview/ZplCommandReader.h"
#include "preview/ZplState.h"

namespace rotulano::preview {

// Runs ZPL commands as a Zebra printer does and collects the labels they print:
// every "^XA" ... "^XZ" format is one label. Graphics downloaded with "~DG" go to the
// graphic store, where "^XG" finds them. Unknown commands are skipped with a warning.
class ZplInterpreter {
  public:
    explicit ZplInterpreter(GraphicStore& graphics) : graphics_(graphics) {}

    void run(const std::string& bytes);

    // The labels printed so far; a format still open is given as incomplete.
    std::vector<PreviewLabel> takeLabels();

  private:
    void execute(const ZplCommand& command);
    bool executeFieldCommand(const ZplCommand& command);
    bool executeSetting(const ZplCommand& command);
    bool executeDownload(const ZplCommand& command);
    void startFormat();
    void endFormat(bool complete);
    void endField();
    void setFont(const ZplCommand& command);
    void setBarDefaults(const std::string& parameters);
    void recallGraphic(const std::string& parameters);
    void inlineGraphic(const std::string& parameters);
    void downloadGraphic(const std::string& parameters);
    void addElement(LabelElement element);
    void warn(const QString& warning);

    GraphicStore& graphics_;
    ZplPrinterState state_;
    ZplField field_;
    std::optional<PreviewLabel> label_;
    std::vector<PreviewLabel> labels_;
    QStringList pendingWarnings_;
};

}  // namespace rotulano::preview
