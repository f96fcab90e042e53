#include "window/LabelPreviewWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

#include "window/LabelPreviewTexts.h"

namespace rotulano::window {

namespace {

const QString kPreviewName = QStringLiteral("CP21PRV");
constexpr int kDefaultZoom = 100;
constexpr int kWindowWidth = 860;
constexpr int kWindowHeight = 640;
constexpr int kWarningLines = 5;
constexpr int kLargestPictureSide = 6400;

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Item texts and file names come from the order: shown as text, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// One label picture: white stock framed on the scroll area's grey, so that its edges show.
QLabel* makePicture(int number, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("CmEtiqueta%1").arg(number));
    picture->setFrameShape(QFrame::Box);
    picture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return picture;
}

// The label at `percent` of its size, each dot a sharp square of pixels. A picture
// never grows past kLargestPictureSide pixels a side: a label of the largest size the
// preview draws, enlarged four times, would take hundreds of megabytes.
QImage scaledPicture(const QImage& image, int percent) {
    const int side = std::max(image.width(), image.height());
    if (side > 0) {
        percent = std::min(percent, std::max(kLargestPictureSide * kDefaultZoom / side, 1));
    }
    if (percent == kDefaultZoom) {
        return image;
    }
    return image.scaled(image.size() * percent / kDefaultZoom, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

}  // namespace

LabelPreviewWindow::LabelPreviewWindow(const LabelPreviewContent& content, bool portuguese,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(kPreviewName);
    setWindowTitle(previewTexts::windowTitle(portuguese));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel(QStringLiteral("CmResumo"),
                                 previewTexts::jobSummary(content, portuguese), this));
    if (content.failure == LabelPreviewContent::Failure::None) {
        layout->addWidget(makeZoomLine(portuguese));
        layout->addWidget(makePictures(content, portuguese), 1);
    } else {
        layout->addWidget(makeMessage(content, portuguese), 1);
    }
    addWarnings(layout, content, portuguese);

    auto* close = new QPushButton(previewTexts::closeCaption(portuguese), this);
    close->setObjectName(QStringLiteral("BT-FECHA"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(kWindowWidth, kWindowHeight);
}

LabelPreviewWindow* LabelPreviewWindow::open(QWidget* parent, const LabelPreviewContent& content,
                                             bool portuguese) {
    delete parent->findChild<LabelPreviewWindow*>(kPreviewName);
    auto* window = new LabelPreviewWindow(content, portuguese, parent);
    window->QDialog::open();
    return window;
}

const std::vector<int>& LabelPreviewWindow::zoomLevels() {
    static const std::vector<int> levels = {50, kDefaultZoom, 200, 400};
    return levels;
}

void LabelPreviewWindow::setZoom(int percent) {
    zoom_ = percent > 0 ? percent : kDefaultZoom;
    for (std::size_t i = 0; i < images_.size(); ++i) {
        pictures_[i]->setPixmap(QPixmap::fromImage(scaledPicture(images_[i], zoom_)));
    }
    if (zoomList_ != nullptr) {
        zoomList_->setCurrentIndex(zoomList_->findData(zoom_));
    }
}

QWidget* LabelPreviewWindow::makeZoomLine(bool portuguese) {
    auto* line = new QWidget(this);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(previewTexts::zoomCaption(portuguese), line));
    zoomList_ = new QComboBox(line);
    zoomList_->setObjectName(QStringLiteral("W-ESCALA"));
    for (int level : zoomLevels()) {
        zoomList_->addItem(QStringLiteral("%1%").arg(level), level);
    }
    connect(zoomList_, &QComboBox::activated, this,
            [this](int index) { setZoom(zoomList_->itemData(index).toInt()); });
    layout->addWidget(zoomList_);
    layout->addStretch();
    return line;
}

QWidget* LabelPreviewWindow::makePictures(const LabelPreviewContent& content, bool portuguese) {
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("CmEtiquetas"));
    area->setBackgroundRole(QPalette::Dark);
    auto* sheet = new QWidget(area);
    auto* layout = new QVBoxLayout(sheet);
    const std::size_t count = content.labels.size();
    for (std::size_t i = 0; i < count; ++i) {
        const preview::RenderedLabel& label = content.labels[i];
        const int number = static_cast<int>(i) + 1;
        const QString name = previewTexts::labelName(i, count, portuguese);
        QLabel* caption = namedLabel(QStringLiteral("CmLegenda%1").arg(number),
                                     previewTexts::labelCaption(name, label, portuguese), sheet);
        caption->setForegroundRole(QPalette::BrightText);
        layout->addWidget(caption);
        pictures_.push_back(makePicture(number, sheet));
        layout->addWidget(pictures_.back());
        images_.push_back(label.image);
    }
    layout->addStretch();
    area->setWidget(sheet);
    area->setWidgetResizable(true);
    setZoom(kDefaultZoom);
    return area;
}

QWidget* LabelPreviewWindow::makeMessage(const LabelPreviewContent& content, bool portuguese) {
    QLabel* message =
        namedLabel(QStringLiteral("CmMensagem"), previewTexts::failure(content, portuguese), this);
    message->setAlignment(Qt::AlignCenter);
    return message;
}

// Each warning once: the columns of a label repeat the same fields, and their warnings.
void LabelPreviewWindow::addWarnings(QVBoxLayout* layout, const LabelPreviewContent& content,
                                     bool portuguese) {
    layout->addWidget(new QLabel(previewTexts::warningsCaption(portuguese), this));
    QStringList warnings = content.jobWarnings;
    const std::size_t count = content.labels.size();
    for (std::size_t i = 0; i < count; ++i) {
        const QString name = previewTexts::labelName(i, count, portuguese);
        for (const QString& warning : content.labels[i].warnings) {
            warnings << name + QStringLiteral(": ") + warning;
        }
    }
    warnings.removeDuplicates();
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("W-AVISOS"));
    list->setWordWrap(true);
    list->addItems(warnings);
    list->setMaximumHeight(list->fontMetrics().height() * (kWarningLines + 1));
    layout->addWidget(list);
}

}  // namespace rotulano::window
