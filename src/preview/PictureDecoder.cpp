#include "preview/PictureDecoder.h"

#include <QColor>
#include <algorithm>
#include <vector>

#include "preview/PreviewLabel.h"

namespace rotulano::preview {

namespace {

constexpr QRgb kInk = 0xFF000000;

// Reads the hexadecimal graphic data row by row into 4-bit values.
class HexRows {
  public:
    HexRows(int nibblesPerRow, int rows) : width_(nibblesPerRow), rows_(rows) {
        previous_.assign(static_cast<std::size_t>(width_), 0);
        picture_ = QImage(width_ * 4, rows_, QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
    }

    bool full() const { return row_ >= rows_; }

    void put(int nibble, long long count) {
        for (long long i = 0; i < count && !full(); ++i) {
            current_.push_back(static_cast<unsigned char>(nibble));
            if (static_cast<int>(current_.size()) == width_) {
                finishRow();
            }
        }
    }

    // Fills the rest of the row with `nibble` (0 for ",", 15 for "!").
    void fillRow(int nibble) {
        current_.resize(static_cast<std::size_t>(width_), static_cast<unsigned char>(nibble));
        finishRow();
    }

    // ":" repeats the previous row (its remaining part when a row is under way).
    void repeatRow() {
        const std::size_t done = current_.size();
        current_.insert(current_.end(), previous_.begin() + static_cast<long>(done),
                        previous_.end());
        finishRow();
    }

    QImage finish() {
        if (!current_.empty() && !full()) {
            fillRow(0);
        }
        return picture_;
    }

  private:
    void finishRow() {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(row_));
        for (int n = 0; n < width_; ++n) {
            for (int bit = 0; bit < 4; ++bit) {
                if (current_[static_cast<std::size_t>(n)] & (8 >> bit)) {
                    line[n * 4 + bit] = kInk;
                }
            }
        }
        previous_.swap(current_);
        current_.clear();
        ++row_;
    }

    int width_;
    int rows_;
    int row_ = 0;
    std::vector<unsigned char> current_;
    std::vector<unsigned char> previous_;
    QImage picture_;
};

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The repeat count that a compression letter adds: G-Y 1 to 19, g-z 20 to 400.
int repeatValue(char c) {
    if (c >= 'G' && c <= 'Y') {
        return c - 'F';
    }
    if (c >= 'g' && c <= 'z') {
        return (c - 'f') * 20;
    }
    return 0;
}

void readHex(const std::string& data, HexRows& rows) {
    long long repeat = 0;
    for (char c : data) {
        if (rows.full()) {
            return;
        }
        if (const int count = repeatValue(c); count > 0) {
            repeat += count;
        } else if (const int nibble = hexValue(c); nibble >= 0) {
            rows.put(nibble, std::max(1LL, repeat));
            repeat = 0;
        } else if (c == ',' || c == '!') {
            rows.fillRow(c == ',' ? 0 : 15);
            repeat = 0;
        } else if (c == ':') {
            rows.repeatRow();
            repeat = 0;
        }
    }
}

}  // namespace

QImage PictureDecoder::fromZplHex(const std::string& data, long long totalBytes,
                                  long long bytesPerRow) {
    constexpr long long kWidestRow = kMaxLabelDots / 8;
    if (bytesPerRow <= 0 || bytesPerRow > kWidestRow || totalBytes < bytesPerRow) {
        return {};
    }
    const long long rows = std::min<long long>(totalBytes / bytesPerRow, kMaxLabelDots);
    HexRows reader(static_cast<int>(bytesPerRow * 2), static_cast<int>(rows));
    readHex(data, reader);
    return reader.finish();
}

QImage PictureDecoder::fromBitmapFile(const std::string& bytes) {
    QImage source;
    if (!source.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                             static_cast<int>(bytes.size()), "BMP")) {
        return {};
    }
    if (source.width() > kMaxLabelDots || source.height() > kMaxLabelDots) {
        source = source.copy(0, 0, std::min(source.width(), kMaxLabelDots),
                             std::min(source.height(), kMaxLabelDots));
    }
    const QImage grey = source.convertToFormat(QImage::Format_Grayscale8);
    QImage picture(grey.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            if (in[x] < 128) {
                out[x] = kInk;
            }
        }
    }
    return picture;
}

}  // namespace rotulano::preview
