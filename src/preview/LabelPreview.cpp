#include "preview/LabelPreview.h"

#include "preview/AcrossCounter.h"
#include "preview/DplInterpreter.h"
#include "preview/GraphicStore.h"
#include "preview/LabelPainter.h"
#include "preview/PictureDecoder.h"
#include "preview/ZplInterpreter.h"

namespace rotulano::preview {

namespace {

constexpr const char* kDplLogoName = "LOGOVRDL";
constexpr char kDplLogoModule = 'C';

std::vector<PreviewLabel> parseZpl(const std::string& bytes, const PreviewResources& resources) {
    GraphicStore graphics;
    if (!resources.zplGraphicFile.empty()) {
        ZplInterpreter earlier(graphics);
        earlier.run(resources.zplGraphicFile);
    }
    ZplInterpreter printer(graphics);
    printer.run(bytes);
    return printer.takeLabels();
}

std::vector<PreviewLabel> parseDpl(const std::string& bytes, const PreviewResources& resources) {
    GraphicStore graphics;
    if (!resources.dplBitmapFile.empty()) {
        const QImage logo = PictureDecoder::fromBitmapFile(resources.dplBitmapFile);
        if (!logo.isNull()) {
            graphics.store(kDplLogoName, kDplLogoModule, logo);
        }
    }
    DplInterpreter printer(graphics);
    printer.run(bytes);
    return printer.takeLabels();
}

}  // namespace

PrinterLanguage detectLanguage(const std::string& bytes) {
    const std::size_t dpl = bytes.find_first_of("\x01\x02");
    const std::size_t zpl = bytes.find_first_of("^~");
    return dpl < zpl ? PrinterLanguage::Dpl : PrinterLanguage::Zpl;
}

std::vector<PreviewLabel> parseJob(const std::string& bytes, const PreviewResources& resources) {
    std::vector<PreviewLabel> labels = detectLanguage(bytes) == PrinterLanguage::Dpl
                                           ? parseDpl(bytes, resources)
                                           : parseZpl(bytes, resources);
    for (PreviewLabel& label : labels) {
        label.across = AcrossCounter::count(label.elements);
    }
    return labels;
}

QImage renderLabel(const PreviewLabel& label) {
    return LabelPainter::paint(label);
}

std::vector<RenderedLabel> renderJob(const std::string& bytes, const PreviewResources& resources) {
    std::vector<RenderedLabel> rendered;
    for (PreviewLabel& label : parseJob(bytes, resources)) {
        RenderedLabel picture;
        picture.image = renderLabel(label);
        picture.copies = label.copies;
        picture.across = label.across;
        picture.complete = label.complete;
        picture.language = label.language;
        // A label that recalls the missing logo in each of its columns says so once.
        picture.warnings = std::move(label.warnings);
        picture.warnings.removeDuplicates();
        rendered.push_back(std::move(picture));
    }
    return rendered;
}

}  // namespace rotulano::preview
