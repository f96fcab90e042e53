#pragma once

#include "window/WindowContext.h"

// The handlers of the event table and the window's subroutines. Each reads and writes
// the controls and shared records of the context it is given.
namespace rotulano::window {

// Start-up and shutdown
void onFormOpened(WindowContext& context);
void onFormClosed(WindowContext& context);
void rotinaAchaTemp(WindowContext& context);  // TempDir from the system, whole

// Order file: loading (text change of W-NOME-COMPLETO) and choosing
void onOrderPathChanged(WindowContext& context);
void subProcuraArquivo(WindowContext& context);

// Item selection: ticking (reads session.clickedRow/clickedColumn) and the summary
void onGridClicked(WindowContext& context);
void subTestaSelecao(WindowContext& context);

// Print job
void onPrint(WindowContext& context);

// Label preview (BT-VISUALIZA, menu Visualizar): the next job's first labels as the
// printer will print them, in the window CP21PRV; nothing is printed or changed.
void onPreview(WindowContext& context);

// Settings
void subLeArqprm(WindowContext& context);
void subGravaArqprm(WindowContext& context);
void onSaveSettings(WindowContext& context);
void onSettingChanged(WindowContext& context);

// The margin field whose value changed: W-PRMMARG-ESQ or W-PRMMARG-SUP.
enum class MarginField { Left, Second };
void onMarginEdited(WindowContext& context, MarginField field);
void onPrinterModelChanged(WindowContext& context);
void onLanguageChanged(WindowContext& context);

// The Portas window (BT-PORTAS): where each port name's bytes go.
void onPorts(WindowContext& context);

// Menu and exit
void onMenuPrint(WindowContext& context);
void onMenuConfigure(WindowContext& context);
void onMenuAbout(WindowContext& context);
void onExit(WindowContext& context);

}  // namespace rotulano::window
