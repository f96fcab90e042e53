#include <QPushButton>
#include <QSpinBox>

#include "config/ParameterFile.h"
#include "config/PortsFile.h"
#include "window/AboutWindow.h"
#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/PortsWindow.h"

namespace rotulano::window {

void onSettingChanged(WindowContext& context) {
    context.controls.btGrava->setEnabled(true);
}

void onMarginEdited(WindowContext& context, MarginField field) {
    const Controls& controls = context.controls;
    const bool left = field == MarginField::Left;
    const int shown = (left ? controls.wPrmmargEsq : controls.wPrmmargSup)->value();
    const core::PrinterSettings& stored = context.session.settings;
    const int saved = left ? stored.leftMargin() : stored.topMargin();
    if (shown != saved) {
        controls.btGrava->setEnabled(true);
    }
}

void onPrinterModelChanged(WindowContext& context) {
    context.controls.btGrava->setEnabled(true);
    applySecondMarginCaption(context);
}

void onMenuPrint(WindowContext& context) {
    context.controls.tbOpera->setPage(2);
}

void onMenuConfigure(WindowContext& context) {
    context.controls.tbOpera->setPage(3);
    context.controls.wPrmtipoimp->setFocus();
}

void onMenuAbout(WindowContext& context) {
    AboutWindow::open(context.controls.window);
}

void onPorts(WindowContext& context) {
    const std::string portsFile =
        config::PortsFile::besideSettings(config::ParameterFile::kFileName);
    PortsWindow::open(context.controls.window, portsFile, context.session.settings,
                      portugueseSelected(context.controls),
                      {context.platform, context.messageBox, nullptr});
}

void onExit(WindowContext& context) {
    context.controls.window->close();
}

}  // namespace rotulano::window
