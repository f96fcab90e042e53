#pragma once

#include <QRect>
#include <vector>

namespace rotulano::window {

// The kinds of control of the main window's form.
enum class ControlKind {
    DisplayField,
    Button,
    TabStrip,
    Grid,
    List,
    CheckBox,
    Numeric,
    Picture,
    Frame
};

// Where a control lives: on the window itself, in the order-file and order-header group
// (on the window, over the pages' area), or on a page of TB-OPERA (1 to 3).
constexpr int kOnWindow = -1;
constexpr int kHeaderGroup = 0;

// One control of the form design of CP21000. Texts are UTF-8. `rect` is in window
// coordinates, except for page controls, whose position is relative to the top-left corner
// of the tab strip TB-OPERA.
struct ControlDesign {
    const char* name;
    ControlKind kind;
    const char* caption;  // initial caption or text
    const char* picture;  // edit picture of a display field, or picture / bitmap name
    const char* hint;
    int page;
    QRect rect;
};

// The controls of CP21000 in form-design order (the menu CfMenu1 is built apart).
const std::vector<ControlDesign>& formDesign();

// The design captions of the pages of TB-OPERA, page 1 first.
extern const char* const kPageCaptions[3];

}  // namespace rotulano::window
