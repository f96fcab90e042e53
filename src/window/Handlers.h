#pragma once

#include "window/WindowContext.h"

// The handlers of the event table and the window's subroutines. Each reads and writes
// the controls and shared records of the context it is given.
namespace rotulano::window {

// Start-up and shutdown
void onFormOpened(WindowContext& context);
void onFormClosed(WindowContext& context);
// The operator closes the window: false keeps it open (a print job under way asks whether
// to cancel it first and closes the window itself once cancelled).
bool onCloseRequested(WindowContext& context);
void rotinaAchaTemp(WindowContext& context);  // the window's print folder in TempDir

// Order file: loading (text change of W-NOME-COMPLETO) and choosing
void onOrderPathChanged(WindowContext& context);
void subProcuraArquivo(WindowContext& context);

// The print journal of the order just loaded: the rows it shows printed ("Ø"), possibly
// printed ("?", asked about once) or printed under another version of the order ("≈",
// confirmed by the operator), and the line over the grid. After a job, the line again.
void showOrderJournal(WindowContext& context);
void refreshJournalLine(WindowContext& context);

// Item selection. A click on the grid's cell (`row`, `column`), counted from 1 as the
// grid's design counts them (row 0 is the heading row); `extendsRange` when Shift was held.
void onGridClicked(WindowContext& context, int row, int column, bool extendsRange);
// Space in the grid: ticks or unticks its current row. Menu "Selecionar todos" and
// "Limpar seleção": ticks or unticks every row. Printed rows never change.
void onTickKey(WindowContext& context);
void onSelectAll(WindowContext& context);
void onClearSelection(WindowContext& context);
void subTestaSelecao(WindowContext& context);

// Print job
void onPrint(WindowContext& context);
// "Reimprimir…" (the grid's context menu, BT-REIMPRIME): the current row, printed ("Ø"),
// again with the number of labels the operator chooses (1 offered, at most the row's).
void onReprint(WindowContext& context);

// Label preview (BT-VISUALIZA, menu Visualizar): the next job's first labels as the
// printer will print them, in the window CP21PRV; nothing is printed or changed.
void onPreview(WindowContext& context);

// Settings. At start-up a settings file that cannot be read ends the program; while the
// program runs (entering "Configuração") it is reported once, the window stays open with
// the settings last read, and Save stays enabled to write them afresh.
enum class SettingsRead { AtStartUp, WhileRunning };
void subLeArqprm(WindowContext& context, SettingsRead when = SettingsRead::AtStartUp);
void subGravaArqprm(WindowContext& context);
void onSaveSettings(WindowContext& context);
void onSettingChanged(WindowContext& context);
// Whether a save would store something other than the settings last read or saved (a
// stored letter shown as its list position is no change).
bool shownSettingsDiffer(const WindowContext& context);
// BT-GRAVA is on exactly when a save would change the file, or must write it afresh.
void updateSaveButton(WindowContext& context);
void showStoredSettings(WindowContext& context);
// Before the operator leaves unsaved settings (another page, the window's close): save,
// discard (the stored settings are shown again) or stay. True when the operator may go.
bool leaveUnsavedSettings(WindowContext& context);

// The margin field whose value changed: W-PRMMARG-ESQ or W-PRMMARG-SUP.
enum class MarginField { Left, Second };
void onMarginEdited(WindowContext& context, MarginField field);
void onPrinterModelChanged(WindowContext& context);
void onLanguageChanged(WindowContext& context);

// The Portas window (BT-PORTAS): where each port name's bytes go.
void onPorts(WindowContext& context);

// Menu and exit. "Histórico" opens the History window CP21HIS on the print journal.
void onMenuPrint(WindowContext& context);
void onMenuConfigure(WindowContext& context);
void onMenuAbout(WindowContext& context);
void onHistory(WindowContext& context);
void onExit(WindowContext& context);

}  // namespace rotulano::window
