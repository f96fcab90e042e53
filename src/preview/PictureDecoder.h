#pragma once

#include <QImage>
#include <string>

namespace rotulano::preview {

// Turns the images that a job downloads to the printer into pictures: black where the
// printer burns a dot, clear elsewhere, one pixel per dot.
class PictureDecoder {
  public:
    // ZPL graphic data ("~DG" and "^GFA"): ASCII hexadecimal, `bytesPerRow` bytes per
    // row and `totalBytes` in all, with the printer's compression (repeat letters G-Y
    // and g-z, "," and "!" to fill a row with white or black, ":" to repeat the row).
    // A null image when the sizes make no picture.
    static QImage fromZplHex(const std::string& data, long long totalBytes, long long bytesPerRow);

    // A BMP file, as a DPL image download carries it; dark pixels print. A null image
    // when the bytes are no readable bitmap.
    static QImage fromBitmapFile(const std::string& bytes);
};

}  // namespace rotulano::preview
