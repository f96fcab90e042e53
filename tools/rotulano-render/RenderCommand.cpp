#include "rotulano-render/RenderCommand.h"

#include "rotulano-render/LabelPictures.h"
#include "rotulano-render/RenderHistory.h"
#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOrder.h"
#include "rotulano-render/RenderOutputs.h"
#include "rotulano-render/RenderSend.h"
#include "rotulano-render/RenderSettings.h"

namespace rotulano::render {

namespace {

RenderExit fail(std::ostream& err, RenderExit status, const std::string& message) {
    return renderFailure(err, status, message);
}

void warn(std::ostream& err, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        err << kRenderTag << "aviso: " << warning << '\n';
    }
    err.flush();
}

// Every picture is checked, against the output file and the others too, before the
// job's bytes are written; each is checked once more as it is written.
RenderExit checkPictures(const RenderOptions& options, const RenderResult& result,
                         const RenderOutputs& outputs, std::ostream& err) {
    std::string error;
    if (!outputs.checkPictures(pictureNames(result, *options.pngDir), error)) {
        return fail(err, RenderExit::CommandLine, error);
    }
    return RenderExit::Ok;
}

// What was written before a picture failed: the job's bytes and the pictures so far.
std::string alreadyWritten(const RenderOutputs& outputs, int pictures) {
    std::string written = outputs.writtenSoFar();
    if (written.empty()) {
        written = "os bytes do trabalho na saída padrão";
    }
    if (pictures > 0) {
        written += " e " + std::to_string(pictures) + (pictures == 1 ? " imagem" : " imagens");
    }
    return written;
}

RenderExit writePictures(const RenderOptions& options, const RenderResult& result,
                         const RenderOutputs& outputs, std::ostream& err) {
    std::vector<std::string> warnings;
    std::string error;
    int pictures = 0;
    const bool written = writeLabelPictures(result, options.logoDir, *options.pngDir, outputs,
                                            warnings, error, pictures);
    warn(err, warnings);
    if (!written) {
        return fail(err, RenderExit::Output,
                    error + "; já gravados: " + alreadyWritten(outputs, pictures));
    }
    return RenderExit::Ok;
}

}  // namespace

RenderExit renderFailure(std::ostream& err, RenderExit status, const std::string& message) {
    err << kRenderTag << message << '\n';
    err.flush();
    return status;
}

RenderExit prepareRender(const RenderOptions& options, RenderRequest& request, std::ostream& err) {
    RenderOrder order;
    std::string error;
    if (!loadRenderOrder(options.orderPath, order, error)) {
        return fail(err, RenderExit::OrderFile, error);
    }
    if (!loadRenderSettings(options.settingsPath, request.settings, error)) {
        return fail(err, RenderExit::Settings, error);
    }
    if (!options.rows.resolve(static_cast<int>(order.items.size()), request.rows, error)) {
        return fail(err, RenderExit::CommandLine, error);
    }
    request.items = std::move(order.items);
    request.orderNumber = order.orderNumber;
    request.logoDir = options.logoDir;
    request.orderPath = options.orderPath;
    request.supplierName = order.supplierName;
    request.orderSha256 = order.sha256;
    return RenderExit::Ok;
}

RenderExit runRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    if (options.history) {
        return historyRender(options, out, err);
    }
    if (options.send) {
        return sendRender(options, err);
    }
    RenderOutputs outputs(options);
    std::string refusal;
    if (!outputs.checkOutputFile(refusal)) {
        return fail(err, RenderExit::CommandLine, refusal);
    }
    RenderRequest request;
    const RenderExit prepared = prepareRender(options, request, err);
    if (prepared != RenderExit::Ok) {
        return prepared;
    }
    const RenderResult result = RenderJob().run(request);
    warn(err, result.warnings);
    if (!result.ok()) {
        return fail(err, RenderExit::Output, result.error);
    }
    if (options.pngDir) {
        const RenderExit checked = checkPictures(options, result, outputs, err);
        if (checked != RenderExit::Ok) {
            return checked;
        }
    }
    std::string error;
    if (!outputs.writeJob(result.bytes, out, error)) {
        return fail(err, RenderExit::Output, error);
    }
    return options.pngDir ? writePictures(options, result, outputs, err) : RenderExit::Ok;
}

}  // namespace rotulano::render
