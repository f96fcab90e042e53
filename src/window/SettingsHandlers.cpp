#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "window/Handlers.h"
#include "window/Messages.h"

namespace rotulano::window {

namespace {

const char* const kParameterFileLabel = "Arquivo de parâmetros";
const char* const kReadFailedText = "Impossível inicializar sistema, erro Fatal !";
const char* const kUpdateOpenLabel = "Erro Fatal do Arquivo de Parametros (02)";
const char* const kUpdateReadLabel = "Impossivel Atualizar sistema erro Fatal !";

void reportStatus(WindowContext& context, const core::FileStatus& status, const char* label) {
    context.session.fileStatus = status;
    context.session.statusFileLabel = QString::fromUtf8(label);
    rotinaStatus(context);
}

// Reads the record into the shared settings; a failure is reported and ends the program
// once the handler in hand returns (the settings keep what they held).
void readSettings(WindowContext& context) {
    const config::ParameterFile file;
    const core::FileStatus opened = file.openCheck();
    if (opened != core::kStatusOk) {
        reportStatus(context, opened, kParameterFileLabel);
        context.session.closeRequested = true;
    }
    const core::FileStatus read = file.read(context.session.settings);
    context.session.fileStatus = read;
    if (read != core::kStatusOk) {
        context.session.message.text = QString::fromUtf8(kReadFailedText);
        rotinaMsg(context);
        context.session.closeRequested = true;
    }
}

void fillDarknessList(DropDownList* list, int model) {
    list->clear();
    for (const std::string& item : config::PrinterLists::darknessItems(model)) {
        list->addItem(QString::fromStdString(item));
    }
}

// Shows the settings in the controls of the configuration page. Each selection runs its
// handler, as a choice of the operator would.
void showSettings(WindowContext& context) {
    const Controls& controls = context.controls;
    const core::PrinterSettings& settings = context.session.settings;
    controls.wPrmmargEsq->setValue(settings.leftMargin());
    controls.wPrmmargSup->setValue(settings.topMargin());
    controls.wPrmtipoimp->setSelection(settings.model());
    controls.wPrmportaimp->setSelection(settings.port());
    controls.wPrmlingua->setSelection(settings.language());
    controls.wPrmpara->setChecked(settings.pause());
    fillDarknessList(controls.wPrmtemp, settings.model());
    controls.wPrmtemp->setSelection(settings.darkness());
    controls.wPrmvel->setSelection(config::PrinterLists::speedPosition(settings.speed()));
}

// The controls' values written over `settings`; positions are stored as they come.
void takeSettings(const Controls& controls, core::PrinterSettings& settings) {
    settings.setModel(controls.wPrmtipoimp->selection());
    settings.setPort(controls.wPrmportaimp->selection());
    settings.setDarkness(controls.wPrmtemp->selection());
    settings.setLeftMargin(controls.wPrmmargEsq->value());
    settings.setTopMargin(controls.wPrmmargSup->value());
    settings.setLanguage(controls.wPrmlingua->selection());
    settings.setPause(controls.wPrmpara->isChecked());
    settings.setSpeed(config::PrinterLists::speedLetter(controls.wPrmvel->selection()));
}

}  // namespace

void subLeArqprm(WindowContext& context) {
    readSettings(context);
    showSettings(context);
    context.controls.btGrava->setEnabled(false);
}

// A save that fails at any step is reported and changes nothing: the file keeps its old
// record, the shared settings keep what is in the file, BT-GRAVA stays enabled so that the
// operator can try again, and the window stays open with the order and its printed marks.
void subGravaArqprm(WindowContext& context) {
    const config::ParameterFile file;
    const core::FileStatus opened = file.openCheck();
    if (opened != core::kStatusOk) {
        reportStatus(context, opened, kUpdateOpenLabel);
        return;
    }
    core::PrinterSettings record = context.session.settings;
    const core::FileStatus read = file.read(record);
    if (read != core::kStatusOk) {
        reportStatus(context, read, kUpdateReadLabel);
        return;
    }
    takeSettings(context.controls, record);
    const core::FileStatus written = file.rewrite(record);
    if (written != core::kStatusOk) {
        reportStatus(context, written, kParameterFileLabel);
        return;
    }
    context.session.fileStatus = written;
    // Another port needs its own serial set-up before the next label goes to it.
    if (record.port() != context.session.settings.port()) {
        context.session.channel.serialPortConfigured = false;
    }
    context.session.settings = record;
    context.controls.btGrava->setEnabled(false);
}

void onSaveSettings(WindowContext& context) {
    subGravaArqprm(context);
}

}  // namespace rotulano::window
