#include "window/FormAnchors.h"

#include <QString>
#include <cmath>
#include <map>

namespace rotulano::window {

namespace {

constexpr Anchor kGrows{0, 0, 1, 1};          // the tab strip and the grid
constexpr Anchor kGrowsWide{0, 0, 1, 0};      // the file name and the supplier name
constexpr Anchor kFollowsRight{1, 0, 1, 0};   // the header fields right of the name
constexpr Anchor kFollowsBottom{0, 1, 0, 1};  // the buttons at the foot of a page
constexpr Anchor kFollowsCorner{1, 1, 1, 1};  // the exit button
constexpr Anchor kCentred{0.5, 0, 0.5, 0};    // the chain's wordmark and its frame

const std::map<QString, Anchor>& anchorTable() {
    static const std::map<QString, Anchor> table = {
        {QStringLiteral("TB-OPERA"), kGrows},
        {QStringLiteral("TAB-PEDIDO"), kGrows},
        {QStringLiteral("BT-SAIDA"), kFollowsCorner},
        {QStringLiteral("CmImage1"), kCentred},
        {QStringLiteral("CmShape1"), kCentred},
        {QStringLiteral("CmShape2"), kGrowsWide},
        {QStringLiteral("W-NOMARQ"), kGrowsWide},
        {QStringLiteral("W-NOME-COMPLETO"), kGrowsWide},
        {QStringLiteral("CmShape4"), kGrowsWide},
        {QStringLiteral("W-NOMFOR"), kGrowsWide},
        {QStringLiteral("W-HEARAZ"), kGrowsWide},
        {QStringLiteral("CmShape5"), kFollowsRight},
        {QStringLiteral("W-HEACGC15"), kFollowsRight},
        {QStringLiteral("W-HEACGC"), kFollowsRight},
        {QStringLiteral("CmShape7"), kFollowsRight},
        {QStringLiteral("W-PEDIDO"), kFollowsRight},
        {QStringLiteral("W-HEAPED"), kFollowsRight},
        {QStringLiteral("CmShape6"), kFollowsRight},
        {QStringLiteral("W-DATA"), kFollowsRight},
        {QStringLiteral("W-PEDIDO1"), kFollowsRight},
        {QStringLiteral("W-HEADAT-PED"), kFollowsRight},
        {QStringLiteral("CmStatic15"), kFollowsRight},
        {QStringLiteral("W-HEADAT-EMAIL"), kFollowsRight},
        {QStringLiteral("LBL-DIARIO"), kGrowsWide},
        {QStringLiteral("BT-SELECIONAR"), kFollowsBottom},
        {QStringLiteral("BT-IMPRIME"), kFollowsBottom},
        {QStringLiteral("BT-VISUALIZA"), kFollowsBottom},
        {QStringLiteral("BT-REIMPRIME"), kFollowsBottom},
        {QStringLiteral("BT-GRAVA"), kFollowsBottom},
        {QStringLiteral("BT-PORTAS"), kFollowsBottom},
    };
    return table;
}

int share(int extra, double part) {
    return static_cast<int>(std::lround(extra * part));
}

}  // namespace

Anchor anchorOf(const char* name) {
    const auto found = anchorTable().find(QString::fromUtf8(name));
    return found == anchorTable().end() ? Anchor{} : found->second;
}

QRect anchoredRect(const QRect& design, const Anchor& anchor, const QSize& extra) {
    const int dx = extra.width() > 0 ? extra.width() : 0;
    const int dy = extra.height() > 0 ? extra.height() : 0;
    const int left = design.left() + share(dx, anchor.left);
    const int top = design.top() + share(dy, anchor.top);
    const int right = design.left() + design.width() + share(dx, anchor.right);
    const int bottom = design.top() + design.height() + share(dy, anchor.bottom);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace rotulano::window
