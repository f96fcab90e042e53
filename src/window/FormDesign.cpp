#include "window/FormDesign.h"

namespace rotulano::window {

namespace {
using K = ControlKind;
constexpr int kWin = kOnWindow;
constexpr int kHdr = kHeaderGroup;
}  // namespace

const char* const kPageCaptions[3] = {"  &Seleção  ", "  &Impressão  ", "  &Configuração  "};

const std::vector<ControlDesign>& formDesign() {
    // clang-format off
    static const std::vector<ControlDesign> design = {
        {"W-HEADAT-PED", K::DisplayField, "", "99/99/9999", "", kHdr, {582, 224, 71, 16}},
        {"W-HEAPED", K::DisplayField, "", "X(06)", "", kHdr, {435, 224, 90, 16}},
        {"W-HEACGC", K::DisplayField, "", "99B999B999B9999B99", "", kHdr, {281, 224, 136, 16}},
        {"W-HEARAZ", K::DisplayField, "", "X(30)", "", kHdr, {20, 224, 244, 16}},
        {"W-NOME-COMPLETO", K::DisplayField, "", "X(150)", "", kHdr, {20, 176, 754, 16}},
        {"BT-SAIDA", K::Button, "Sai", "IMG-SAIDA", "", kWin, {693, 455, 90, 28}},
        {"TB-OPERA", K::TabStrip, "", "", "", kWin, {6, 123, 785, 368}},
        {"TAB-PEDIDO", K::Grid, "", "",
         "Marque os itens que deseja imprimir com um clique na coluna \"Sel.\"", 1,
         {10, 129, 765, 189}},
        {"W-DETQTD", K::DisplayField, "", "ZZZ.ZZZ", "", 2, {23, 208, 105, 28}},
        {"BT-IMPRIME", K::Button, "Im&prime", "IMG-PRINT",
         "Confirme se o dados estão corretos e click aqui para imprimir", 2, {6, 332, 90, 28}},
        {"BT-VISUALIZA", K::Button, "&Visualiza", "IMG-VISUALIZA",
         "Mostra as etiquetas do próximo item como sairão na impressora, sem imprimir", 2,
         {102, 332, 90, 28}},
        {"BT-SELECIONAR", K::Button, "&Arquivo", "IMG-INCLUIR", "Abre um arquivo de pedidos", 1,
         {6, 332, 90, 28}},
        {"W-ETIQUETA", K::DisplayField, "", "X(30)", "", 2, {282, 192, 359, 28}},
        {"W-PADRAO", K::DisplayField, "Padrão de Formatação ", "", "", 3, {150, 157, 173, 21}},
        {"W-PORTA", K::DisplayField, "Porta", "", "", 3, {349, 157, 76, 21}},
        {"W-PRMTIPOIMP", K::List, "", "", "", 3, {150, 183, 173, 22}},
        {"W-PRMPORTAIMP", K::List, "", "", "", 3, {349, 183, 76, 22}},
        {"W-QTDIMP", K::DisplayField, "", "ZZZ.ZZZ", "", 2, {282, 244, 171, 28}},
        {"CmImage1", K::Picture, "", "IMG-Lojasverdelis", "", kWin, {191, 23, 415, 70}},
        {"CmShape1", K::Frame, "", "", "", kWin, {173, 12, 451, 96}},
        {"W-PRMTEMP", K::List, "", "", "", 3, {451, 183, 91, 22}},
        {"W-TEMPERATURA", K::DisplayField, "Temperatura", "", "", 3, {451, 157, 91, 21}},
        {"W-PRMPARA", K::CheckBox, "Pausa na impressão após cada item ser impresso", "", "", 3,
         {150, 234, 378, 19}},
        {"BT-GRAVA", K::Button, "Salva", "IMG-ALTERAR", "", 3, {6, 332, 90, 28}},
        {"BT-PORTAS", K::Button, "Portas", "IMG-PRINT",
         "Para onde vai cada porta: impressora de rede, fila de impressão ou dispositivo", 3,
         {102, 332, 90, 28}},
        {"W-MARGEM1", K::DisplayField, "Esquerda", "", "", 3, {677, 197, 50, 21}},
        {"W-MARGEM2", K::DisplayField, "Superior", "", "", 3, {677, 230, 50, 21}},
        {"W-PRMMARG-ESQ", K::Numeric, "", "9(02)", "", 3, {736, 197, 29, 21}},
        {"W-PRMMARG-SUP", K::Numeric, "", "9(02)", "", 3, {736, 230, 29, 21}},
        {"CmShape2", K::Frame, "", "", "", kHdr, {15, 154, 766, 41}},
        {"W-NOMARQ", K::DisplayField, " Arquivo Selecionado  ", "", "", kHdr, {20, 159, 755, 15}},
        {"W-NOMFOR", K::DisplayField, "Nome do Fornecedor", "", "", kHdr, {20, 206, 244, 15}},
        {"CmShape4", K::Frame, "", "", "", kHdr, {15, 202, 254, 41}},
        {"W-HEACGC15", K::DisplayField, "C.N.P.J", "", "", kHdr, {281, 206, 136, 15}},
        {"CmShape5", K::Frame, "", "", "", kHdr, {276, 202, 147, 40}},
        {"W-DATA", K::DisplayField, "Data", "", "", kHdr, {542, 206, 233, 15}},
        {"CmShape6", K::Frame, "", "", "", kHdr, {537, 202, 244, 41}},
        {"W-PEDIDO", K::DisplayField, "Pedido", "", "", kHdr, {435, 206, 90, 15}},
        {"CmShape7", K::Frame, "", "", "", kHdr, {430, 202, 100, 41}},
        {"CmShape8", K::Frame, "", "", "", 3, {143, 150, 186, 63}},
        {"CmShape9", K::Frame, "", "", "", 3, {665, 150, 107, 114}},
        {"W-MARGENS", K::DisplayField, "Margens (mm)", "", "", 3, {672, 157, 93, 21}},
        {"CmShape10", K::Frame, "", "", "", 3, {444, 150, 106, 64}},
        {"CmShape11", K::Frame, "", "", "", 3, {341, 150, 91, 63}},
        {"CmShape12", K::Frame, "", "", "", 3, {9, 224, 644, 40}},
        {"CmStatic6", K::DisplayField, "Falta Imprimir", "", "", 2, {23, 142, 105, 21}},
        {"CmShape13", K::Frame, "", "", "", 2, {9, 132, 134, 151}},
        {"CmShape14", K::Frame, "", "", "", 2, {154, 132, 620, 151}},
        {"CmStatic7", K::DisplayField, "Próxima Impressão", "", "", 2, {167, 144, 475, 21}},
        {"CmStatic8", K::DisplayField, "Tipo da Etiqueta", "", "", 2, {167, 194, 102, 21}},
        {"CmStatic9", K::DisplayField, "Quantidade", "", "", 2, {167, 246, 102, 21}},
        {"CmShape15", K::Frame, "", "", "", 3, {562, 150, 91, 63}},
        {"W-VELOCIDADE", K::DisplayField, "Velocidade", "", "", 3, {570, 157, 76, 21}},
        {"W-PRMVEL", K::List, "", "", "", 3, {570, 183, 76, 22}},
        {"W-PRMLINGUA", K::List, "", "", "", 3, {15, 183, 109, 22}},
        {"CmStatic11", K::DisplayField, "Idioma/Language", "", "", 3, {15, 157, 109, 21}},
        {"CmShape16", K::Frame, "", "", "", 3, {9, 150, 122, 63}},
        {"CmImage2", K::Picture, "", "IMG-TOALHA", "", 2, {650, 144, 98, 127}},
        {"W-HEADAT-EMAIL", K::DisplayField, "", "99/99/9999", "", kHdr, {703, 224, 71, 16}},
        {"W-PEDIDO1", K::DisplayField, "Pedido", "", "", kHdr, {542, 224, 43, 16}},
        {"CmStatic15", K::DisplayField, "Email", "", "", kHdr, {665, 224, 33, 16}},
    };
    // clang-format on
    return design;
}

}  // namespace rotulano::window
