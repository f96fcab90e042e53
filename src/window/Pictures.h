#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

// The program's pictures: the button bitmaps, the chain's wordmark and one picture per
// label type, kept as resources under their form names ("IMG-TAG", "IMG-TAG-A", ...).
namespace rotulano::window {

// Registers the picture resources of the window library; needed once before the first
// picture is drawn (MainWindow does it itself). Safe to call again.
void initWindowResources();

// True when a picture of that name exists (trailing blanks ignored).
bool hasPicture(const QString& name);

// The picture drawn to fit `size`, its proportions kept; a null pixmap when unknown.
QPixmap loadPicture(const QString& name, const QSize& size);

// Shows the picture `name` (a 15-character picture field, trailing blanks ignored) in
// `label`, fitted to the label; an unknown name leaves the label empty.
void showPicture(QLabel* label, const QString& name);

// Removes the picture from `label`.
void clearPicture(QLabel* label);

// The name of the picture that `label` shows; empty when it shows none.
QString pictureName(const QLabel* label);

}  // namespace rotulano::window
