#include "app/CommandLine.h"

#include <cstring>

#include "core/WorkingFolder.h"

namespace rotulano::app {

namespace {

// Where the menu's working folder and the print folder are, on each system.
#ifdef _WIN32
const char* const kMenuFolderText = R"(  trabalha na pasta Rotulano da pasta Documentos do
                  usuário, criada na primeira vez, em vez da pasta atual; é o
                  que o atalho do menu Iniciar usa. Uma pasta que não pode ser
                  usada é informada numa mensagem, com a pasta e a causa.)";
const char* const kEnvironmentText =
    R"(Ambiente: TMP e TEMP, a pasta temporária do Windows, onde fica a pasta de
impressão rotulano-XXXXXX da janela.

No Prompt de Comando, "start /wait rotulano --help" mostra o texto antes do
próximo prompt; aberto fora de um console, o texto aparece numa mensagem.
)";
#else
const char* const kMenuFolderText =
    R"(  trabalha na pasta Rotulano da pasta do usuário (~/Rotulano),
                  criada na primeira vez, em vez da pasta atual; é o que o menu
                  do ambiente gráfico usa. Uma pasta que não pode ser usada é
                  informada numa mensagem, com a pasta e a causa.)";
const char* const kEnvironmentText =
    R"(Ambiente: TMPDIR, a pasta temporária (padrão /tmp), onde fica a pasta de
impressão rotulano-XXXXXX da janela.
)";
#endif

}  // namespace

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
           kMenuFolderText + R"(
  -h, --help      mostra este texto.
  --version       mostra o nome e a versão do programa.

Os outros argumentos são ignorados. --help e --version não abrem a tela.

Situação de saída:
  0  a janela foi fechada (ou --help, --version)
  1  a pasta de trabalho do menu não pôde ser usada
  outra  a tela não pôde ser aberta ou foi perdida

)" + kEnvironmentText;
}

std::string versionText() {
    return "rotulano " ROTULANO_VERSION "\n";
}

}  // namespace rotulano::app
