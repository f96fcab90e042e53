#include "rotulano-render/RenderOptions.h"

#include <algorithm>

namespace rotulano::render {

namespace {

bool isHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

bool looksLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

// Reads the command line one argument at a time; the first problem ends it.
class OptionReader {
  public:
    explicit OptionReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    ParsedOptions run() {
        bool optionsEnded = false;
        for (next_ = 0; next_ < arguments_.size() && parsed_.ok(); ++next_) {
            const std::string& argument = arguments_[next_];
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && looksLikeOption(argument)) {
                readOption(argument);
            } else {
                readOrderPath(argument);
            }
        }
        if (parsed_.ok() && parsed_.options.orderPath.empty()) {
            parsed_.error = "Informe o arquivo de pedidos a imprimir";
        }
        if (parsed_.ok()) {
            checkSendOptions();
        }
        return parsed_;
    }

  private:
    // --port and --ports only make sense when sending; a sent job writes no output.
    void checkSendOptions() {
        const RenderOptions& options = parsed_.options;
        if (!options.send && (options.port || options.portsPath)) {
            parsed_.error = std::string("A opção ") + (options.port ? "--port" : "--ports") +
                            " só vale com --send";
        } else if (options.send && (options.outputPath || options.pngDir)) {
            parsed_.error = std::string("A opção --send não combina com ") +
                            (options.outputPath ? "-o" : "--png") +
                            ": as etiquetas vão para a impressora";
        }
    }

    void readOrderPath(const std::string& argument) {
        if (!parsed_.options.orderPath.empty()) {
            parsed_.error = "Só um arquivo de pedidos por vez: \"" + argument + "\" está sobrando";
        } else if (argument.empty()) {
            parsed_.error = "O nome do arquivo de pedidos está em branco";
        } else {
            parsed_.options.orderPath = argument;
        }
    }

    void readOption(const std::string& argument) {
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        std::optional<std::string> inlineValue;
        if (equals != std::string::npos && name.rfind("--", 0) == 0) {
            inlineValue = argument.substr(equals + 1);
        }
        const std::string key = inlineValue ? name : argument;
        RenderOptions& options = parsed_.options;
        if (key == "--settings") {
            takeValue(key, inlineValue, options.settingsPath);
        } else if (key == "--logo-dir") {
            takeLogoDir(key, inlineValue);
        } else if (key == "-o" || key == "--output") {
            takeValue(key, inlineValue, options.outputPath);
        } else if (key == "--png") {
            takeValue(key, inlineValue, options.pngDir);
        } else if (key == "--rows") {
            takeRows(key, inlineValue);
        } else if (key == "--port") {
            takeValue(key, inlineValue, options.port);
        } else if (key == "--ports") {
            takeValue(key, inlineValue, options.portsPath);
        } else if (key == "--send" && !inlineValue) {
            if (seen(key)) {
                options.send = true;
            }
        } else {
            parsed_.error = "Opção desconhecida: " + argument;
        }
    }

    // The option's value: after "=", or the next argument.
    bool value(const std::string& key, const std::optional<std::string>& inlineValue,
               std::string& text) {
        if (inlineValue) {
            text = *inlineValue;
        } else if (next_ + 1 < arguments_.size()) {
            text = arguments_[++next_];
        } else {
            parsed_.error = "A opção " + key + " precisa de um valor";
            return false;
        }
        if (text.empty()) {
            parsed_.error = "O valor da opção " + key + " está em branco";
            return false;
        }
        return seen(key);
    }

    bool seen(const std::string& key) {
        const std::string canonical = key == "--output" ? "-o" : key;
        if (std::find(seen_.begin(), seen_.end(), canonical) != seen_.end()) {
            parsed_.error = "A opção " + key + " foi dada mais de uma vez";
            return false;
        }
        seen_.push_back(canonical);
        return true;
    }

    void takeValue(const std::string& key, const std::optional<std::string>& inlineValue,
                   std::optional<std::string>& target) {
        std::string text;
        if (value(key, inlineValue, text)) {
            target = text;
        }
    }

    void takeLogoDir(const std::string& key, const std::optional<std::string>& inlineValue) {
        std::string text;
        if (value(key, inlineValue, text)) {
            parsed_.options.logoDir = text;
        }
    }

    void takeRows(const std::string& key, const std::optional<std::string>& inlineValue) {
        std::string text;
        if (value(key, inlineValue, text)) {
            RowSelection::parse(text, parsed_.options.rows, parsed_.error);
        }
    }

    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
    std::vector<std::string> seen_;
    ParsedOptions parsed_;
};

}  // namespace

ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (isHelp(argument)) {
            ParsedOptions help;
            help.options.help = true;
            return help;
        }
    }
    return OptionReader(arguments).run();
}

std::string renderHelpText() {
    return R"(Uso: rotulano-render PEDIDO.txt [--settings ARQUIVO] [--rows LISTA]
                      [--logo-dir PASTA] [-o ARQUIVO] [--png PASTA]
     rotulano-render PEDIDO.txt --send [--port PORTA] [--ports ARQUIVO]
                      [--settings ARQUIVO] [--rows LISTA] [--logo-dir PASTA]

Escreve exatamente os bytes que o Rotulano envia à porta da impressora quando as
linhas escolhidas do pedido estão marcadas e a pausa após cada item está desligada:
para cada linha, na ordem da grade, o download do logotipo quando o leiaute o usa e
ele ainda não foi enviado neste trabalho, e depois o arquivo de etiquetas da linha
(etiqueta do item e etiqueta de resumo do pedido), cada comando terminado em CR LF.
Nada é enviado a nenhuma impressora e não há esperas, a menos que se use --send.

  PEDIDO.txt          arquivo de pedidos LOJASVERDELIS, lido e conferido como na
                      janela do programa. A quantidade de cada linha é a do arquivo e
                      o número do pedido (do cabeçalho) vai nas posições 295-300.
  --settings ARQUIVO  arquivo de parâmetros (formato do CD21PRM.DAT): modelo da
                      impressora (1-4 DPL, 5-6 ZPL), temperatura, margens e
                      velocidade. Sem esta opção vale o CD21PRM.DAT da pasta atual,
                      se existir; senão, os parâmetros iniciais do programa (Datamax
                      - ALEGRO, LPT1). O arquivo nunca é criado nem alterado.
  --rows LISTA        linhas da grade a imprimir, numeradas a partir de 1 e separadas
                      por vírgula (1,3,12; zeros à esquerda valem), ou all (o
                      padrão). A saída segue sempre a ordem da grade, e cada
                      linha sai uma vez.
  --logo-dir PASTA    pasta dos arquivos do logotipo LOGOVRDL.GRF (ZPL) e
                      LOGOVRDL.BMP (DPL); padrão: a pasta atual. Sem o arquivo, as
                      etiquetas saem sem o download do logotipo, com um aviso.
  -o, --output ARQUIVO
                      grava os bytes neste arquivo em vez da saída padrão. Um
                      arquivo comum só é substituído depois que todos os bytes foram
                      gravados, com o dono, o grupo e as permissões que tinha. Um
                      dispositivo de caracteres, um terminal ou um pipe recebe os
                      bytes sem ser substituído; um pipe espera até alguém o ler.
                      - , /dev/stdout e /dev/fd/1 são a saída padrão. Uma pasta, um
                      dispositivo de blocos ou um socket são recusados, e também o
                      próprio arquivo de pedidos, de parâmetros ou do logotipo.
  --png PASTA         grava também uma imagem PNG de cada etiqueta (a do item e a de
                      resumo de cada linha): linha-NNN-etiqueta.png e
                      linha-NNN-resumo.png, cada uma como o arquivo de -o. A pasta é
                      criada se preciso.
  --send              envia as linhas escolhidas à impressora, como a janela do
                      programa: pela porta gravada nos parâmetros e pelo destino
                      que o arquivo de portas dá a ela (uma conexão por linha na
                      rede, um trabalho por linha na fila de impressão). A pausa
                      após cada item é ignorada; a preparação da porta serial é
                      feita uma vez, sem pedir confirmação. Uma linha por linha
                      enviada vai para a saída de erros; a primeira linha que não
                      chega à impressora encerra o envio com a mensagem da janela.
                      Não combina com -o nem com --png.
  --port PORTA        com --send, a porta em vez da gravada: um nome (LPT1, LPT2,
                      COM1 a COM4), procurado no arquivo de portas, ou um destino
                      escrito como no arquivo de portas: /dev/ttyUSB0,
                      tcp://ENDEREÇO[:PORTA] ou cups://FILA.
  --ports ARQUIVO     com --send, o arquivo de portas a usar; padrão: o
                      rotulano-portas.ini da pasta do arquivo de parâmetros. O
                      arquivo dado tem de existir.
  -h, --help          mostra este texto.

O valor de uma opção pode vir no argumento seguinte ou depois de "=" (--rows=1,2).
Avisos e erros vão para a saída de erros; os avisos não mudam os bytes gerados.
A preparação da porta serial (COM), feita uma vez por execução do programa, não faz
parte da saída.

Situação de saída:
  0  bytes gerados (com --send: todas as linhas entregues à impressora)
  1  linha de comando inválida (opção desconhecida, lista de linhas inválida, linha
     que não existe no pedido, saída recusada, --port ou --ports sem --send,
     --send com -o ou --png, porta que não é nome nem destino)
  2  arquivo de pedidos que não pôde ser aberto ou que o programa recusa
  3  arquivo de parâmetros que não pôde ser lido, ou porta de saída inválida nele;
     arquivo de portas ausente (quando dado por --ports) ou inválido
  4  arquivo de saída ou imagem que não pôde ser gravado
  5  com --send: uma linha não chegou à impressora, ou a porta serial não pôde
     ser preparada
)";
}

}  // namespace rotulano::render
