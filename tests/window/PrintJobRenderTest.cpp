#include <gtest/gtest.h>

#include <QDir>

#include "orders/ItemTable.h"
#include "rotulano-render/RenderJob.h"
#include "window/PrintJobTestSupport.h"

// The window's print job and rotulano-render share one path from a row to the port: for
// the sample order, with every label type, both must put the same bytes on the port.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::sampleLines;
using rotulano::test::samplePath;
using rotulano::test::settingsRecord;
namespace orders = rotulano::orders;
namespace render = rotulano::render;

struct PortCase {
    int model;
    int port;
    const char* portName;
};

TEST(PrintJobAgainstRenderer, EveryRowOfTheSampleOrderSendsWhatRotulanoRenderRenders) {
    const std::vector<std::string> lines = sampleLines();
    ASSERT_GT(lines.size(), 10U);
    const std::vector<std::string> items(lines.begin() + 1, lines.end());
    for (const PortCase& printer :
         {PortCase{1, 1, "LPT1"}, PortCase{2, 2, "LPT2"}, PortCase{3, 1, "LPT1"},
          PortCase{4, 2, "LPT2"}, PortCase{5, 1, "LPT1"}, PortCase{6, 2, "LPT2"}}) {
        SCOPED_TRACE(printer.model);
        PrintJobWindow window;
        const std::string settings = settingsRecord(printer.model, printer.port);
        window.open(settings);
        window.loadOrder(lines);
        ASSERT_EQ(window.grid().rowCount(), static_cast<int>(items.size()));
        render::RenderRequest request;
        for (int row = 1; row <= window.grid().rowCount(); ++row) {
            window.clickCell(row, orders::kColSel);
            request.rows.push_back(row);
        }
        window.clickPage(2);
        window.clickPrint();
        EXPECT_TRUE(window.messageBox.shown.empty());

        request.items = items;
        request.orderNumber = lines[0].substr(46, 6);
        request.settings = rotulano::core::PrinterSettings(settings);
        request.logoDir = samplePath("");
        const render::RenderResult rendered = render::RenderJob().run(request);
        ASSERT_TRUE(rendered.ok()) << rendered.error;
        EXPECT_EQ(window.port(printer.portName), rendered.bytes);
        EXPECT_FALSE(rendered.bytes.empty());
    }
}

}  // namespace
