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
    rotinaStatus(context.messageBox, status, QString::fromUtf8(label));
}

// Reads the record into the shared settings at start-up; a failure is reported and ends
// the program once the handler in hand returns (the settings keep what they held).
bool readAtStartUp(WindowContext& context) {
    const config::ParameterFile file;
    const core::FileStatus opened = file.openCheck();
    if (opened != core::kStatusOk) {
        reportStatus(context, opened, kParameterFileLabel);
        context.session.closeRequested = true;
    }
    const core::FileStatus read = file.read(context.session.settings);
    if (read != core::kStatusOk) {
        rotinaMsg(context.messageBox, QString::fromUtf8(kReadFailedText));
        context.session.closeRequested = true;
        return false;
    }
    return true;
}

// Reads the record again while the program runs. A file that cannot be read is reported
// once (until it is read or saved again) and the window stays open with the settings
// last read: the order and its printed marks must not be lost because the file went away.
bool readWhileRunning(WindowContext& context) {
    Session& session = context.session;
    const config::ParameterFile file;
    core::FileStatus status = file.openCheck();
    if (status == core::kStatusOk) {
        status = file.read(session.settings);
    }
    if (status == core::kStatusOk) {
        session.settingsLossReported = false;
        return true;
    }
    if (!session.settingsLossReported) {
        session.settingsLossReported = true;
        reportStatus(context, status, kParameterFileLabel);
    }
    return false;
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

// The controls' values written over `settings`; positions are stored as they come,
// except a darkness list that shows nothing.
void takeSettings(const Controls& controls, core::PrinterSettings& settings) {
    settings.setModel(controls.wPrmtipoimp->selection());
    settings.setPort(controls.wPrmportaimp->selection());
    // A darkness that the list cannot show (a value of another model's range) is kept:
    // a save of other settings must not turn it into 00.
    if (controls.wPrmtemp->selection() > 0) {
        settings.setDarkness(controls.wPrmtemp->selection());
    }
    settings.setLeftMargin(controls.wPrmmargEsq->value());
    settings.setTopMargin(controls.wPrmmargSup->value());
    settings.setLanguage(controls.wPrmlingua->selection());
    settings.setPause(controls.wPrmpara->isChecked());
    settings.setSpeed(config::PrinterLists::speedLetter(controls.wPrmvel->selection()));
}

// The record as saved becomes the shared settings; another port needs its own serial
// set-up before the next label goes to it.
void keepSaved(WindowContext& context, const core::PrinterSettings& record) {
    if (record.port() != context.session.settings.port()) {
        context.session.channel.serialPortConfigured = false;
    }
    context.session.settings = record;
    context.session.settingsLossReported = false;
    context.controls.btGrava->setEnabled(false);
}

// A file removed while the program runs is made afresh with the settings shown.
void recreateSettings(WindowContext& context) {
    const config::ParameterFile file;
    core::PrinterSettings record = context.session.settings;
    takeSettings(context.controls, record);
    const core::FileStatus created = file.create(record);
    if (created != core::kStatusOk) {
        reportStatus(context, created, kUpdateOpenLabel);
        return;
    }
    keepSaved(context, record);
}

}  // namespace

void subLeArqprm(WindowContext& context, SettingsRead when) {
    const bool running = when == SettingsRead::WhileRunning;
    const bool read = running ? readWhileRunning(context) : readAtStartUp(context);
    showSettings(context);
    // Settings that could not be read back may differ from the file: Save stays on, and
    // recreates a file that went away.
    context.controls.btGrava->setEnabled(!read && running);
}

// A save that fails at any step is reported and changes nothing: the file keeps its old
// record, the shared settings keep what is in the file, BT-GRAVA stays enabled so that the
// operator can try again, and the window stays open with the order and its printed marks.
void subGravaArqprm(WindowContext& context) {
    const config::ParameterFile file;
    const core::FileStatus opened = file.openCheck();
    if (opened == core::kStatusNotFound) {
        recreateSettings(context);
        return;
    }
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
    keepSaved(context, record);
}

void onSaveSettings(WindowContext& context) {
    subGravaArqprm(context);
}

}  // namespace rotulano::window
