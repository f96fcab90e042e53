#include <QPushButton>
#include <QSpinBox>

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "core/FixedRecord.h"
#include "printing/PortJob.h"
#include "window/Handlers.h"
#include "window/Messages.h"
#include "window/Pictures.h"

namespace rotulano::window {

namespace {

// The shared work fields back to blank and zero, and the run flags to "no". The settings
// record is not touched.
void resetWorkFields(Session& session) {
    session.orderNumber = "000000";
    session.lastSelRow = 0;
    session.settingsLossReported = false;
    session.closeRequested = false;
    session.channel = printing::ChannelState();
}

void fillList(DropDownList* list, const std::vector<std::string>& items) {
    list->clear();
    for (const std::string& item : items) {
        list->addItem(QString::fromStdString(item));
    }
}

// The fixed lists of the configuration page; the darkness list is the reader's. Choosing
// the first model and the first language runs their handlers: the captions become
// Portuguese.
void fillLists(const Controls& controls) {
    fillList(controls.wPrmtipoimp, config::PrinterLists::modelItems());
    controls.wPrmtipoimp->setSelection(1);
    fillList(controls.wPrmlingua, config::PrinterLists::languageItems());
    controls.wPrmlingua->setSelection(1);
    fillList(controls.wPrmportaimp, config::PrinterLists::portItems());
    fillList(controls.wPrmvel, config::PrinterLists::speedItems());
}

// Creates the parameter file with the default record when it is missing. A file that
// cannot be made is reported here, with the cause of the failed creation; any other fault
// of the file is the reader's to report, so that the operator hears of it once.
void checkParameterFile(WindowContext& context) {
    const config::ParameterFile file;
    if (file.openCheck() != core::kStatusNotFound) {
        return;
    }
    const core::FileStatus created = file.create(core::PrinterSettings::defaults());
    if (created != core::kStatusOk) {
        reportStartUpSettingsFault(context.messageBox, created, file.path(), true);
        context.session.closeRequested = true;
    }
}

}  // namespace

// The print files go into a folder of the window's own (mode 0700) inside the system's
// temporary directory: another running copy of the program, or anyone else, never meets
// them there. The whole path is kept, however long: a temporary directory cut short could
// name another directory, and the print files would be written there. When no folder can
// be made, the next print job says so.
void rotinaAchaTemp(WindowContext& context) {
    printing::openPrintFolder(context.session.channel, context.platform,
                              printing::kWindowFolderPrefix);
}

void onFormOpened(WindowContext& context) {
    Controls& controls = context.controls;
    resetWorkFields(context.session);
    rotinaAchaTemp(context);
    controls.btImprime->setEnabled(false);
    controls.wDetqtd->setNumber(0);
    controls.wPrmmargEsq->setValue(0);
    controls.wPrmmargSup->setValue(0);
    controls.wEtiqueta->setText(QString());
    clearPicture(controls.cmImage2);
    controls.tabPedido->items()->clear();
    fillLists(controls);
    checkParameterFile(context);
    subLeArqprm(context);
}

// The last print file goes, then the window's print folder with anything left in it.
void onFormClosed(WindowContext& context) {
    printing::ChannelState& channel = context.session.channel;
    printing::PrintChannel(channel, context.platform).deletePrintFile();
    channel.printFolder.reset();
}

}  // namespace rotulano::window
