#include "window/TitleWidth.h"

#include <QFontMetrics>
#include <QWidget>

namespace rotulano::window {

namespace {
constexpr int kTitleBarControls = 160;
}

int widthForTitle(const QWidget& window, const QString& title) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarControls;
}

}  // namespace rotulano::window
