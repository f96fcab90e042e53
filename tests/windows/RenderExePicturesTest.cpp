#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "PreviewTestSupport.h"
#include "RenderTestSupport.h"
#include "WineProgram.h"
#include "preview/LabelPreview.h"
#include "preview/PreviewResources.h"
#include "rotulano-render/LabelPictures.h"
#include "rotulano-render/RenderCommand.h"
#include "support/TestSupport.h"

// rotulano-render.exe --png under Wine against the Linux tool: the same pictures, each of
// the same size, whose bar codes read back the same, and whose pixels are the same
// everywhere but where text is drawn. Text is drawn with the fonts of each system, which
// differ in how they lay glyphs out; where it stands comes from the label's own marks (the
// preview's text fields, and the human-readable line of a bar code, whose bars zbar reads
// back instead), each widened for glyphs that reach past their field.
namespace rotulano::test {
namespace {

using preview::LabelElement;
using preview::PreviewLabel;

// A field's text area is its box widened by a few dots, and by a share of its size: the
// same face (the zip carries the preview's fonts) is laid out by each system's own font
// engine, whose rounding of each glyph's advance adds up along a line (Windows ends a
// 48-character line up to 8 dots further than Linux).
constexpr int kTextMarginDots = 4;
constexpr int kTextRunPercent = 3;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The areas where a system's fonts draw on `label`.
std::vector<QRect> textAreas(const PreviewLabel& label) {
    std::vector<QRect> areas;
    for (const LabelElement& element : label.elements) {
        const bool text = element.kind == LabelElement::Kind::Text ||
                          (element.kind == LabelElement::Kind::Bars && !element.text.isEmpty());
        if (text) {
            const int across = kTextMarginDots + element.box.width() * kTextRunPercent / 100;
            const int down = kTextMarginDots + element.box.height() * kTextRunPercent / 100;
            areas.push_back(element.box.adjusted(-across, -down, across, down));
        }
    }
    return areas;
}

bool inAny(const std::vector<QRect>& areas, int x, int y) {
    for (const QRect& area : areas) {
        if (area.contains(x, y)) {
            return true;
        }
    }
    return false;
}

// Pixels outside the text areas: how many differ, how many of them are ink on Linux.
struct PixelComparison {
    int differing = 0;
    int comparedInk = 0;
    QRect differingArea;  // the smallest rectangle holding every differing pixel
};

std::string shown(const QRect& area) {
    return std::to_string(area.x()) + "," + std::to_string(area.y()) + " " +
           std::to_string(area.width()) + "x" + std::to_string(area.height());
}

PixelComparison compareOutsideText(const QImage& linux, const QImage& windows,
                                   const std::vector<QRect>& textAreas) {
    PixelComparison comparison;
    for (int y = 0; y < linux.height(); ++y) {
        for (int x = 0; x < linux.width(); ++x) {
            if (inAny(textAreas, x, y)) {
                continue;
            }
            if (linux.pixel(x, y) != windows.pixel(x, y)) {
                ++comparison.differing;
                comparison.differingArea |= QRect(x, y, 1, 1);
            }
            comparison.comparedInk += preview::test::isInk(linux, x, y) ? 1 : 0;
        }
    }
    return comparison;
}

// The fields next to `area`, for the message of a failure.
std::string nearbyFields(const PreviewLabel& label, const QRect& area) {
    std::string fields;
    const QRect near = area.adjusted(-12, -12, 12, 12);
    for (const LabelElement& element : label.elements) {
        if (element.box.intersects(near)) {
            fields += "[" + shown(element.box) + " kind " +
                      std::to_string(static_cast<int>(element.kind)) + " \"" +
                      element.text.toStdString() + "\"] ";
        }
    }
    return fields;
}

// The labels of the job in the order of their pictures, parsed in-process from the same
// order and settings as the runs.
struct JobLabels {
    std::vector<std::string> pictures;  // file names
    std::vector<PreviewLabel> labels;
};

JobLabels jobLabels(const std::string& settings) {
    render::RenderOptions options;
    options.orderPath = samplePath("PEDIDO.txt");
    options.settingsPath = settings;
    options.logoDir = samplePath("");
    render::RenderRequest request;
    std::ostringstream err;
    JobLabels job;
    if (render::prepareRender(options, request, err) != render::RenderExit::Ok) {
        ADD_FAILURE() << err.str();
        return job;
    }
    const render::RenderResult result = render::RenderJob().run(request);
    const auto resources = preview::PreviewResources::fromDirectoryBytes(options.logoDir);
    for (const std::string& name : render::pictureNames(result, "")) {
        job.pictures.push_back(QFileInfo(qs(name)).fileName().toStdString());
    }
    for (const render::RenderedRow& row : result.rows) {
        const auto labels =
            preview::parseJob(result.bytes.substr(row.offset, row.length), resources);
        job.labels.insert(job.labels.end(), labels.begin(), labels.end());
    }
    return job;
}

QStringList picturesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

class PicturesExeTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { ASSERT_TRUE(unpackedZip().ok()) << unpackedZip().error; }

    QTemporaryDir workDir_;
};

TEST_P(PicturesExeTest, SameSizesBarCodesAndPixelsOutsideText) {
    const std::string settings = workDir_.filePath(QStringLiteral("PARAM.DAT")).toStdString();
    writeBytes(settings, settingsRecord(GetParam()));
    const QString linuxDir = workDir_.filePath(QStringLiteral("linux"));
    const QString windowsDir = workDir_.filePath(QStringLiteral("windows"));
    const RenderRun linux = runRender({qs(samplePath("PEDIDO.txt")), "--settings", qs(settings),
                                       "--logo-dir", qs(samplePath("")), "--png", linuxDir},
                                      workDir_.path());
    const RenderRun windows = runWindowsProgram(
        unpackedZip().render,
        {windowsPath(qs(samplePath("PEDIDO.txt"))), "--settings", windowsPath(qs(settings)),
         "--logo-dir", windowsPath(qs(samplePath(""))), "--png", windowsPath(windowsDir)},
        workDir_.path());
    ASSERT_EQ(linux.exitCode, 0) << linux.err;
    ASSERT_EQ(windows.exitCode, 0) << windows.err;
    EXPECT_EQ(windows.out, linux.out);
    EXPECT_EQ(windows.err, linux.err);

    const JobLabels job = jobLabels(settings);
    ASSERT_EQ(job.pictures.size(), job.labels.size());
    ASSERT_EQ(picturesIn(linuxDir).size(), static_cast<qsizetype>(job.pictures.size()));
    ASSERT_EQ(picturesIn(windowsDir), picturesIn(linuxDir));
    int symbols = 0;
    int comparedInk = 0;
    for (std::size_t i = 0; i < job.pictures.size(); ++i) {
        SCOPED_TRACE(job.pictures[i]);
        const QImage linuxPicture(QDir(linuxDir).filePath(qs(job.pictures[i])));
        const QImage windowsPicture(QDir(windowsDir).filePath(qs(job.pictures[i])));
        ASSERT_FALSE(linuxPicture.isNull());
        ASSERT_EQ(windowsPicture.size(), linuxPicture.size());
        const auto linuxSymbols = preview::test::decodeEachSymbol(job.labels[i], linuxPicture);
        EXPECT_EQ(preview::test::decodeEachSymbol(job.labels[i], windowsPicture), linuxSymbols);
        symbols += static_cast<int>(linuxSymbols.size());
        const PixelComparison pixels =
            compareOutsideText(linuxPicture, windowsPicture, textAreas(job.labels[i]));
        EXPECT_EQ(pixels.differing, 0) << "within " << shown(pixels.differingArea) << " near "
                                       << nearbyFields(job.labels[i], pixels.differingArea);
        comparedInk += pixels.comparedInk;
    }
    // The comparison saw bar codes and marks, not only blank stock.
    EXPECT_GT(symbols, 0);
    EXPECT_GT(comparedInk, 0);
}

INSTANTIATE_TEST_SUITE_P(Models, PicturesExeTest, ::testing::Values(1, 2, 3, 4, 5, 6));

}  // namespace
}  // namespace rotulano::test
