// Arbitrary bytes as a print job for the label preview, which draws what a printer would
// print from them. The logo files of samples/, when there, stand for what the printer
// already holds. Properties checked:
//   - nothing the bytes hold makes the preview fail;
//   - every label is drawn, on a picture of its size kept within the preview's bound.
#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "preview/LabelPreview.h"

namespace {

using rotulano::fuzz::require;
namespace preview = rotulano::preview;

const preview::PreviewResources& resources() {
    static const preview::PreviewResources logos =
        preview::PreviewResources::fromDirectory(QStringLiteral(ROTULANO_SAMPLES));
    return logos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The preview takes its fonts from the GUI layer, headless.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rotulano::fuzz::bytesOf(data, size);
    for (const preview::PreviewLabel& label : preview::parseJob(bytes, resources())) {
        const QImage image = preview::renderLabel(label);
        const QSize bounded(std::clamp(label.size.width(), 1, preview::kMaxLabelDots),
                            std::clamp(label.size.height(), 1, preview::kMaxLabelDots));
        require(!image.isNull() && image.size() == bounded, "picture not of the label's size",
                bytes);
    }
    return 0;
}
