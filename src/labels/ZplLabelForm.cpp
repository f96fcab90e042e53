#include "labels/ZplLabelForm.h"

#include "labels/CopyRules.h"
#include "labels/HeaderRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

LabelOutput ZplLabelForm::build(const core::LabelRequest& request) const {
    const std::string home = zplLabelHomeCommand(request.settings, homeDigits);
    LabelOutput output;
    output.logo = logo;
    auto& lines = output.lines;
    lines.reserve(fields.size() * static_cast<std::size_t>(columns) + 13);
    lines.insert(lines.end(), {"^XA", zplDarknessCommand(request.settings), printWidth, home,
                               zplSpeedCommand(request.settings), barCodeDefaults});
    for (int column = 0; column < columns; ++column) {
        for (const ZplField& field : fields) {
            lines.push_back(field.command(column * pitch));
        }
    }
    const long long quantity = labelQuantity(request.line.get(core::item::kQuantity));
    lines.push_back("^PQ" + countText(copiesFor(quantity, columns)));
    lines.insert(lines.end(), {"^XZ", "^XA", home, summary.command(0), "^PQ0001", "^XZ"});
    return output;
}

core::OrderLine zplSafeLine(const core::OrderLine& line) {
    return core::OrderLine(zplFieldText(line.bytes()));
}

}  // namespace rotulano::labels
