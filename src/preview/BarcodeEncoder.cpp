#include "preview/BarcodeEncoder.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace rotulano::preview {

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

// The bars of the symbol, left to right, as (start, width) in zint's vector units.
std::vector<std::pair<float, float>> barExtents(const zint_symbol& symbol) {
    std::vector<std::pair<float, float>> bars;
    for (const zint_vector_rect* r = symbol.vector->rectangles; r != nullptr; r = r->next) {
        bars.emplace_back(r->x, r->width);
    }
    std::sort(bars.begin(), bars.end());
    // A bar split into pieces (guard bars) shows up once per piece at the same place.
    bars.erase(std::unique(bars.begin(), bars.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               bars.end());
    return bars;
}

// Bars and the spaces between them, in modules.
std::vector<int> runsInModules(const zint_symbol& symbol) {
    const auto bars = barExtents(symbol);
    if (bars.empty() || symbol.width <= 0) {
        return {};
    }
    const float span = bars.back().first + bars.back().second - bars.front().first;
    const float unit = span / static_cast<float>(symbol.width);
    if (unit <= 0.0F) {
        return {};
    }
    auto modules = [unit](float length) {
        return std::max(1, static_cast<int>(std::lround(length / unit)));
    };
    std::vector<int> runs;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (i > 0) {
            runs.push_back(modules(bars[i].first - bars[i - 1].first - bars[i - 1].second));
        }
        runs.push_back(modules(bars[i].second));
    }
    return runs;
}

}  // namespace

BarcodeRuns BarcodeEncoder::encode(int symbology, const std::string& data, int option2) {
    BarcodeRuns result;
    Symbol symbol(ZBarcode_Create());
    if (!symbol) {
        result.error = QStringLiteral("Sem memória para o código de barras");
        return result;
    }
    symbol->symbology = symbology;
    symbol->option_2 = option2;
    const int status =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
    if (status >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR) {
        result.error = QString::fromLatin1(symbol->errtxt);
        return result;
    }
    result.modules = runsInModules(*symbol);
    result.text = QString::fromUtf8(reinterpret_cast<const char*>(symbol->text));
    return result;
}

BarcodeRuns BarcodeEncoder::ean13(const std::string& digits) {
    return encode(BARCODE_EANX, digits, 0);
}

BarcodeRuns BarcodeEncoder::interleaved2of5(const std::string& digits, bool addCheckDigit) {
    return encode(BARCODE_C25INTER, digits, addCheckDigit ? 1 : 0);
}

std::vector<int> BarcodeEncoder::modulesToDots(const BarcodeRuns& runs, int module) {
    std::vector<int> dots;
    dots.reserve(runs.modules.size());
    for (int run : runs.modules) {
        dots.push_back(run * module);
    }
    return dots;
}

std::vector<int> BarcodeEncoder::narrowWideToDots(const BarcodeRuns& runs, int narrow, int wide) {
    std::vector<int> dots;
    dots.reserve(runs.modules.size());
    for (int run : runs.modules) {
        dots.push_back(run == 1 ? narrow : wide);
    }
    return dots;
}

}  // namespace rotulano::preview
