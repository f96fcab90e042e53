#include "window/JournalLine.h"

#include <QLabel>
#include <algorithm>

#include "window/FormDesign.h"
#include "window/PagePlacement.h"

namespace rotulano::window {

namespace {

constexpr int kLineHeight = 16;
constexpr int kGap = 2;

QRect gridDesign() {
    const auto grid =
        std::find_if(formDesign().begin(), formDesign().end(), [](const ControlDesign& design) {
            return QString::fromUtf8(design.name) == QStringLiteral("TAB-PEDIDO");
        });
    return grid->rect;
}

}  // namespace

QRect journalLineDesign(int lines) {
    const QRect grid = gridDesign();
    return QRect(grid.left(), grid.top(), grid.width(), kLineHeight * lines);
}

void showJournalLine(const Controls& controls, const QString& text) {
    auto* placement = controls.tbOpera->findChild<PagePlacement*>();
    const int lines = text.isEmpty() ? 0 : static_cast<int>(text.count(u'\n')) + 1;
    controls.journalLine->setText(text);
    controls.journalLine->setVisible(lines > 0);
    if (placement == nullptr) {
        return;
    }
    const int room = lines > 0 ? kLineHeight * lines + kGap : 0;
    placement->moveTo(controls.journalLine, journalLineDesign(std::max(lines, 1)));
    placement->moveTo(controls.tabPedido, gridDesign().adjusted(0, room, 0, 0));
}

}  // namespace rotulano::window
