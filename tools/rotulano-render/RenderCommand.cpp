#include "rotulano-render/RenderCommand.h"

#include <QFile>
#include <QSaveFile>

#include "rotulano-render/LabelPictures.h"
#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOrder.h"
#include "rotulano-render/RenderSettings.h"

namespace rotulano::render {

namespace {

RenderExit fail(std::ostream& err, RenderExit status, const std::string& message) {
    err << kRenderTag << message << '\n';
    err.flush();
    return status;
}

void warn(std::ostream& err, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        err << kRenderTag << "aviso: " << warning << '\n';
    }
    err.flush();
}

// Loads the order and the settings and picks the rows: the request, or the exit status.
RenderExit prepare(const RenderOptions& options, RenderRequest& request, std::ostream& err) {
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
    return RenderExit::Ok;
}

// The output file is replaced only once all the bytes are in it: a failed write leaves an
// earlier file of that name as it was. Devices and pipes are written directly.
bool saveOutputFile(const std::string& path, const std::string& bytes) {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.commit();
}

RenderExit writeOutput(const RenderOptions& options, const std::string& bytes, std::ostream& out,
                       std::ostream& err) {
    if (options.outputPath) {
        if (!saveOutputFile(*options.outputPath, bytes)) {
            return fail(err, RenderExit::Output,
                        "O arquivo de saída " + *options.outputPath +
                            " não pôde ser gravado; um arquivo anterior com esse nome fica como "
                            "estava");
        }
        return RenderExit::Ok;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        return fail(err, RenderExit::Output, "A saída padrão não aceitou todos os bytes");
    }
    return RenderExit::Ok;
}

RenderExit writePictures(const RenderOptions& options, const RenderResult& result,
                         std::ostream& err) {
    std::vector<std::string> warnings;
    std::string error;
    const bool written =
        writeLabelPictures(result, options.logoDir, *options.pngDir, warnings, error);
    warn(err, warnings);
    return written ? RenderExit::Ok : fail(err, RenderExit::Output, error);
}

}  // namespace

RenderExit runRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    RenderRequest request;
    const RenderExit prepared = prepare(options, request, err);
    if (prepared != RenderExit::Ok) {
        return prepared;
    }
    const RenderResult result = RenderJob().run(request);
    warn(err, result.warnings);
    if (!result.ok()) {
        return fail(err, RenderExit::Output, result.error);
    }
    const RenderExit written = writeOutput(options, result.bytes, out, err);
    if (written != RenderExit::Ok || !options.pngDir) {
        return written;
    }
    return writePictures(options, result, err);
}

}  // namespace rotulano::render
