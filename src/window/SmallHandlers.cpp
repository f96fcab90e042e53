#include <QPushButton>
#include <QSpinBox>

#include "config/ParameterFile.h"
#include "config/PortsFile.h"
#include "window/AboutWindow.h"
#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/PortsWindow.h"
#include "window/PrintJob.h"

namespace rotulano::window {

void onSettingChanged(WindowContext& context) {
    updateSaveButton(context);
}

void onMarginEdited(WindowContext& context, MarginField) {
    updateSaveButton(context);
}

void onMenuPrint(WindowContext& context) {
    context.controls.tbOpera->setPage(2);
}

void onMenuConfigure(WindowContext& context) {
    context.controls.tbOpera->setPage(3);
    context.controls.wPrmtipoimp->setFocus();
}

void onMenuAbout(WindowContext& context) {
    AboutWindow::open(context.controls.window, portugueseSelected(context.controls));
}

void onPorts(WindowContext& context) {
    const std::string portsFile =
        config::PortsFile::besideSettings(config::ParameterFile::kFileName);
    PortsWindow::open(context.controls.window, portsFile, context.session.settings,
                      portugueseSelected(context.controls),
                      {context.platform, context.messageBox, nullptr});
}

bool onCloseRequested(WindowContext& context) {
    if (context.session.closeRequested) {
        return true;  // a fatal report ends the program: there is nothing to save
    }
    if (context.session.runningJob != nullptr) {
        context.session.runningJob->closeWindowOnCancel();
        return false;
    }
    return leaveUnsavedSettings(context);
}

void onExit(WindowContext& context) {
    context.controls.window->close();
}

}  // namespace rotulano::window
