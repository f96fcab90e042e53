#include "app/CommandLine.h"

#include <cstring>

#include "core/WorkingFolder.h"

namespace rotulano::app {

EarlyRequest earlyRequest(int argc, char** argv) {
    if (argc < 2) {
        return EarlyRequest::Window;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        return EarlyRequest::Help;
    }
    return std::strcmp(argv[1], "--version") == 0 ? EarlyRequest::Version : EarlyRequest::Window;
}

std::string helpText() {
    return std::string("Uso: rotulano [") + core::kStartMenuFlag + R"(]
     rotulano --help | --version

Abre a janela do Rotulano, que imprime as etiquetas e os rótulos dos pedidos
LOJASVERDELIS em impressoras térmicas (ZPL: Zebra; DPL: Datamax e Argox). O
programa trabalha na pasta atual: lá ficam o arquivo de parâmetros CD21PRM.DAT, o
arquivo de portas rotulano-portas.ini e os logotipos LOGOVRDL.GRF e LOGOVRDL.BMP.

  )" + core::kStartMenuFlag +
           R"(  trabalha na pasta Rotulano da pasta do usuário (~/Rotulano),
                  criada na primeira vez, em vez da pasta atual; é o que o menu
                  do ambiente gráfico usa. Uma pasta que não pode ser usada é
                  informada numa mensagem, com a pasta e a causa.
  -h, --help      mostra este texto.
  --version       mostra o nome e a versão do programa.

Os outros argumentos são ignorados. --help e --version não abrem a tela.

Situação de saída:
  0  a janela foi fechada (ou --help, --version)
  1  a pasta de trabalho do menu não pôde ser usada
  outra  a tela não pôde ser aberta ou foi perdida

Ambiente: TMPDIR, a pasta temporária (padrão /tmp), onde fica a pasta de
impressão rotulano-XXXXXX da janela.
)";
}

std::string versionText() {
    return "rotulano " ROTULANO_VERSION "\n";
}

}  // namespace rotulano::app
