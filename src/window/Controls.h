#pragma once

#include "window/DisplayField.h"
#include "window/DropDownList.h"
#include "window/ItemTableView.h"
#include "window/NumericField.h"
#include "window/PageControl.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace rotulano::window {

// ControlTable: the window and the controls that the handlers read and write, named as
// in the form design (objectName is the design name, e.g. "W-NOME-COMPLETO"). Frames and
// static captions that no handler touches are children of the window but not listed.
// Program changes that must raise the control's event go through DisplayField::setText,
// DropDownList::setSelection and PageControl::setPage.
struct Controls {
    QWidget* window = nullptr;  // CP21000

    // Order-file and order-header group
    DisplayField* wNomeCompleto = nullptr;
    DisplayField* supplierNameField = nullptr;  // W-HEARAZ
    DisplayField* supplierCnpjField = nullptr;  // W-HEACGC
    DisplayField* orderNumberField = nullptr;   // W-HEAPED
    DisplayField* orderDateField = nullptr;     // W-HEADAT-PED
    DisplayField* wHeadatEmail = nullptr;
    DisplayField* wNomarq = nullptr;
    DisplayField* wNomfor = nullptr;
    DisplayField* wPedido = nullptr;
    DisplayField* wPedido1 = nullptr;
    DisplayField* wData = nullptr;

    QLabel* cmImage1 = nullptr;  // the chain's wordmark
    QPushButton* btSaida = nullptr;
    PageControl* tbOpera = nullptr;  // pages 1 Seleção, 2 Impressão, 3 Configuração

    // Page 1, Seleção
    ItemTableView* tabPedido = nullptr;  // its items() hold the loaded order's rows
    QPushButton* btSelecionar = nullptr;
    QLabel* journalLine = nullptr;  // LBL-DIARIO, above the grid: what the journal knows

    // Page 2, Impressão
    DisplayField* wDetqtd = nullptr;
    DisplayField* wEtiqueta = nullptr;
    DisplayField* wQtdimp = nullptr;
    QLabel* cmImage2 = nullptr;
    QPushButton* btImprime = nullptr;
    QPushButton* btVisualiza = nullptr;        // opens the label preview CP21PRV
    QPushButton* btReimprime = nullptr;        // prints a printed row again ("Reimprimir…")
    DisplayField* remainingCaption = nullptr;  // CmStatic6, "Falta imprimir"
    DisplayField* nextJobCaption = nullptr;    // CmStatic7, "Próxima impressão"
    DisplayField* labelTypeCaption = nullptr;  // CmStatic8, "Tipo da etiqueta"
    DisplayField* quantityCaption = nullptr;   // CmStatic9, "Quantidade"

    // Page 3, Configuração
    DropDownList* wPrmtipoimp = nullptr;
    DropDownList* wPrmportaimp = nullptr;
    DropDownList* wPrmtemp = nullptr;
    DropDownList* wPrmvel = nullptr;
    DropDownList* wPrmlingua = nullptr;
    QCheckBox* wPrmpara = nullptr;
    NumericField* wPrmmargEsq = nullptr;
    NumericField* wPrmmargSup = nullptr;
    QPushButton* btGrava = nullptr;
    QPushButton* btPortas = nullptr;  // opens the Portas window CP21PRT
    DisplayField* wPadrao = nullptr;
    DisplayField* wPorta = nullptr;
    DisplayField* wTemperatura = nullptr;
    DisplayField* wVelocidade = nullptr;
    DisplayField* wMargens = nullptr;
    DisplayField* wMargem1 = nullptr;
    DisplayField* wMargem2 = nullptr;

    // Menu CfMenu1
    QMenuBar* cfMenu1 = nullptr;
    QMenu* menuArquivo = nullptr;  // "Arquivo", holds Menu1
    QAction* menuImprimir = nullptr;
    QAction* menuVisualizar = nullptr;  // opens the label preview CP21PRV
    QAction* menuAbrir = nullptr;
    QAction* menuSelecionarTodos = nullptr;  // ticks every row not printed (Ctrl+A)
    QAction* menuLimparSelecao = nullptr;    // unticks every row (Ctrl+Shift+A)
    QAction* menuConfiguracao = nullptr;
    QAction* menuSair = nullptr;
    QAction* menuSobre = nullptr;
    QAction* gridReprint = nullptr;  // "Reimprimir…" in the grid's context menu
};

}  // namespace rotulano::window
