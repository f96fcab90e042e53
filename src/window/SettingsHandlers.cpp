#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/Messages.h"
#include "window/NumericField.h"

namespace rotulano::window {

namespace {

const char* const kUpdateOpenLabel = "Erro Fatal do Arquivo de Parametros (02)";
const char* const kUpdateReadLabel = "Impossivel Atualizar sistema erro Fatal !";
const char* const kDamagedTitle = "ATENÇÃO";
const char* const kDamagedAdvice =
    "Escolha esses valores na página Configuração e clique em Gravar: até lá nada é impresso.";

// The status of the parameter file, naming the file and the cause below the status frame.
void reportStatus(WindowContext& context, const core::FileStatus& status, const char* label,
                  const QString& advice = QString()) {
    const config::ParameterFile file;
    rotinaStatusFile(context.messageBox, status, QString::fromUtf8(label), file.path(),
                     config::ParameterFile::statusCause(status, file.path()), advice);
}

// A file missing while the program runs is no dead end: the next save creates it.
QString adviceWhileRunning(const core::FileStatus& status) {
    return status == core::kStatusNotFound
               ? QStringLiteral("o arquivo será criado ao clicar em Gravar")
               : QString();
}

// Reads the record into the shared settings at start-up; a failure is reported once and
// ends the program once the handler in hand returns (the settings keep what they held).
// A fault the start-up reported already (a file that could not be made) is not read again.
bool readAtStartUp(WindowContext& context) {
    if (context.session.closeRequested) {
        return false;
    }
    const config::ParameterFile file;
    const core::FileStatus read = file.read(context.session.settings);
    if (read != core::kStatusOk) {
        reportStartUpSettingsFault(context.messageBox, read, file.path(), false);
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
        reportStatus(context, status, kParameterFileLabel, adviceWhileRunning(status));
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

// An empty margin field; a save made without a choice writes 00, never the digits that
// happened to stand among the damaged bytes.
void clearMargin(NumericField* field) {
    field->setValue(0);
    field->clear();
}

// Damaged fields are shown unselected (a margin field empty), so that the operator sees
// what to choose; the message is given once per damaged record read, not at every visit
// of the configuration page.
void showDamage(WindowContext& context, const std::vector<core::DamagedField>& fields,
                bool report) {
    const Controls& controls = context.controls;
    for (const core::DamagedField& field : fields) {
        switch (field.kind) {
            case core::DamagedField::Kind::Darkness:
                controls.wPrmtemp->setSelection(0);
                break;
            case core::DamagedField::Kind::LeftMargin:
                clearMargin(controls.wPrmmargEsq);
                break;
            case core::DamagedField::Kind::SecondMargin:
                clearMargin(controls.wPrmmargSup);
                break;
            case core::DamagedField::Kind::Speed:
                controls.wPrmvel->setSelection(0);
                break;
        }
    }
    if (report) {
        const config::ParameterFile file;
        const QString text =
            QString::fromUtf8(kParameterFileLabel) + QLatin1Char(' ') + shownPath(file.path()) +
            QStringLiteral(" danificado:\n") +
            QString::fromStdString(core::PrinterSettings::damageText(fields, "\n")) +
            QLatin1Char('\n') + QString::fromUtf8(kDamagedAdvice);
        rotinaMsg(context.messageBox, text, QString::fromUtf8(kDamagedTitle), core::kStyleWarning);
    }
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
    context.session.settingsMustBeSaved = false;
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
    const std::string heldBefore = context.session.settings.record();
    const bool read = running ? readWhileRunning(context) : readAtStartUp(context);
    showSettings(context);
    const std::vector<core::DamagedField> damaged =
        read ? context.session.settings.damagedFields() : std::vector<core::DamagedField>();
    if (!damaged.empty()) {
        showDamage(context, damaged, !running || heldBefore != context.session.settings.record());
    }
    // Settings that could not be read back may differ from the file: Save stays on, and
    // recreates a file that went away. Damaged fields wait for the operator's choice.
    context.session.settingsMustBeSaved = (!read && running) || !damaged.empty();
    updateSaveButton(context);
}

// A stored speed letter shows as its list position ("0" of a new file as "A"): the same
// position is no change, although a save writes the position's letter.
bool shownSettingsDiffer(const WindowContext& context) {
    const core::PrinterSettings& stored = context.session.settings;
    core::PrinterSettings shown = stored;
    takeSettings(context.controls, shown);
    if (config::PrinterLists::speedPosition(shown.speed()) ==
        config::PrinterLists::speedPosition(stored.speed())) {
        shown.setSpeed(stored.speed());
    }
    return shown.record() != stored.record();
}

void updateSaveButton(WindowContext& context) {
    context.controls.btGrava->setEnabled(context.session.settingsMustBeSaved ||
                                         shownSettingsDiffer(context));
}

// What the operator left unsaved is shown again as stored: captions, the darkness list
// and every choice follow, since each selection runs its handler.
void showStoredSettings(WindowContext& context) {
    showSettings(context);
    updateSaveButton(context);
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

// The darkness list is the chosen model's at once: the step chosen stays where the new
// list has it too, else the new list's last step is chosen, which a save would store.
void onPrinterModelChanged(WindowContext& context) {
    const Controls& controls = context.controls;
    DropDownList* list = controls.wPrmtemp;
    const QString chosen = list->currentText();
    fillDarknessList(list, controls.wPrmtipoimp->selection());
    const int kept = chosen.isEmpty() ? -1 : list->findText(chosen);
    list->setSelection(kept >= 0 ? kept + 1 : list->count());
    applySecondMarginCaption(context);
    updateSaveButton(context);
}

bool leaveUnsavedSettings(WindowContext& context) {
    if (!shownSettingsDiffer(context)) {
        return true;
    }
    switch (askAboutUnsavedSettings(context.messageBox, portugueseSelected(context.controls))) {
        case UnsavedChoice::Save:
            subGravaArqprm(context);
            return !shownSettingsDiffer(context);  // a save that failed was reported
        case UnsavedChoice::Discard:
            showStoredSettings(context);
            return true;
        case UnsavedChoice::Stay:
            break;
    }
    return false;
}

}  // namespace rotulano::window
