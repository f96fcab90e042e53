#pragma once

#include <QDialog>
#include <QImage>
#include <vector>

#include "window/LabelPreviewContent.h"

class QComboBox;
class QLabel;
class QListWidget;
class QVBoxLayout;

namespace rotulano::window {

// The label preview CP21PRV: the labels of the next print job's first row drawn to scale
// (at 100% one printer dot is one pixel), each with its size in millimetres and its
// copies, the labels of the whole job, and under the pictures what the printer would not
// print as intended. With no ticked row it says so. It only shows: closing it changes
// nothing.
class LabelPreviewWindow : public QDialog {
    Q_OBJECT

  public:
    LabelPreviewWindow(const LabelPreviewContent& content, bool portuguese,
                       QWidget* parent = nullptr);

    // Shows the preview of `content` over `parent`, modal, without waiting for it to
    // close. A preview still open shows an older state of the grid, so it goes first.
    static LabelPreviewWindow* open(QWidget* parent, const LabelPreviewContent& content,
                                    bool portuguese);

    // The scales the window offers, in percent; the pictures open at 100.
    static const std::vector<int>& zoomLevels();

    // Draws the pictures at `percent` of their size.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

  private:
    QWidget* makeZoomLine(bool portuguese);
    QWidget* makePictures(const LabelPreviewContent& content, bool portuguese);
    QWidget* makeMessage(const LabelPreviewContent& content, bool portuguese);
    void addWarnings(QVBoxLayout* layout, const LabelPreviewContent& content, bool portuguese);

    std::vector<QImage> images_;
    std::vector<QLabel*> pictures_;
    QComboBox* zoomList_ = nullptr;
    int zoom_ = 100;
};

}  // namespace rotulano::window
