#include "rotulano-render/RenderOptions.h"

#include <QCommandLineParser>
#include <iterator>

namespace rotulano::render {

namespace {

// The tool's options; the value names are the help text's. The help text itself stays
// the tool's own Portuguese one.
const QList<QCommandLineOption>& renderOptionList() {
    static const QList<QCommandLineOption> options = {
        {"settings", "", "ARQUIVO"}, {"rows", "", "LISTA"},
        {"logo-dir", "", "PASTA"},   {{"o", "output"}, "", "ARQUIVO"},
        {"png", "", "PASTA"},        {"send", ""},
        {"port", "", "PORTA"},       {"ports", "", "ARQUIVO"},
        {"no-status", ""},           {"journal", "", "ARQUIVO"},
        {"no-journal", ""},          {"skip-printed", ""},
        {"resend-uncertain", ""},    {"history", ""},
        {"order", "", "NÚMERO"},     {"format", "", "FORMATO"},
        {{"h", "help"}, ""},         {"version", ""}};
    return options;
}

// How an option is spelt on the command line: one letter after "-", a word after "--".
QString spelt(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + name;
}

std::string bytes(const QString& text) {
    const QByteArray latin1 = text.toLatin1();
    return std::string(latin1.constData(), static_cast<std::size_t>(latin1.size()));
}

// The option spelt exactly as `word` ("--rows", "-o"), or null.
const QCommandLineOption* optionSpelt(const QString& word) {
    for (const QCommandLineOption& option : renderOptionList()) {
        for (const QString& name : option.names()) {
            if (spelt(name) == word) {
                return &option;
            }
        }
    }
    return nullptr;
}

bool looksLikeOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith('-');
}

// QCommandLineParser also takes "-o=FILE", "--o", "-output" and "--send=1" for the
// options it knows; the tool refuses every spelling but its own, and names the refused
// argument as it was typed. Walks the options the way the parser does (an option that
// takes a value and has no "=" takes the next argument) and returns the first argument
// that is not one of the tool's spellings, or an empty string.
QString misspeltOption(const QStringList& arguments) {
    for (auto it = arguments.cbegin(); it != arguments.cend(); ++it) {
        if (*it == "--") {
            break;
        }
        if (!looksLikeOption(*it)) {
            continue;
        }
        const qsizetype equals = it->startsWith("--") ? it->indexOf('=') : -1;
        const QCommandLineOption* option = optionSpelt(equals < 0 ? *it : it->left(equals));
        const bool takesValue = option != nullptr && !option->valueName().isEmpty();
        if (option == nullptr || (equals >= 0 && !takesValue)) {
            return *it;
        }
        if (takesValue && equals < 0 && std::next(it) != arguments.cend()) {
            ++it;
        }
    }
    return {};
}

// --help, -h or --version before any "--": the first of them, whatever else the line holds.
QString askedForInformation(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            return argument;
        }
    }
    return {};
}

// A command line that asks for the help text or the version: nothing else is checked.
ParsedOptions informationOnly(bool version) {
    ParsedOptions parsed;
    parsed.options.help = !version;
    parsed.options.version = version;
    return parsed;
}

// Reads what QCommandLineParser found into the options, in the order the options were
// given; the first problem ends it.
class OptionReader {
  public:
    explicit OptionReader(QCommandLineParser& parser) : parser_(parser) {}

    ParsedOptions run() {
        const QStringList names = parser_.optionNames();
        for (auto name = names.cbegin(); name != names.cend() && parsed_.ok(); ++name) {
            readOption(*name);
        }
        if (parsed_.ok() && parsed_.options.history) {
            checkHistoryOptions(parser_.positionalArguments());
            return parsed_;
        }
        if (parsed_.ok()) {
            readOrderPath(parser_.positionalArguments());
        }
        if (parsed_.ok()) {
            checkSendOptions();
        }
        if (parsed_.ok()) {
            checkJournalOptions();
        }
        return parsed_;
    }

  private:
    void readOption(const QString& name) {
        const std::string key = bytes(spelt(name));
        const QString canonical = name == "o" ? "output" : name;
        if (seen_.contains(canonical)) {
            parsed_.error = "A opção " + key + " foi dada mais de uma vez";
            return;
        }
        seen_.append(canonical);
        if (optionSpelt(spelt(name))->valueName().isEmpty()) {
            storeFlag(canonical);
            return;
        }
        const std::string value = bytes(parser_.value(name));
        if (value.empty()) {
            parsed_.error = "O valor da opção " + key + " está em branco";
        } else {
            store(canonical, value);
        }
    }

    // An option without a value: it is there or not.
    void storeFlag(const QString& name) {
        if (name == "send") {
            parsed_.options.send = true;
        } else if (name == "no-status") {
            parsed_.options.noStatus = true;
        } else if (name == "no-journal") {
            parsed_.options.noJournal = true;
        } else if (name == "skip-printed") {
            parsed_.options.skipPrinted = true;
        } else if (name == "resend-uncertain") {
            parsed_.options.resendUncertain = true;
        } else if (name == "history") {
            parsed_.options.history = true;
        }
    }

    void store(const QString& name, const std::string& value) {
        RenderOptions& options = parsed_.options;
        if (name == "settings") {
            options.settingsPath = value;
        } else if (name == "rows") {
            RowSelection::parse(value, options.rows, parsed_.error);
        } else if (name == "logo-dir") {
            options.logoDir = value;
        } else if (name == "output") {
            options.outputPath = value;
        } else if (name == "png") {
            options.pngDir = value;
        } else if (name == "port") {
            options.port = value;
        } else if (name == "ports") {
            options.portsPath = value;
        } else if (name == "journal") {
            options.journalPath = value;
        } else if (name == "order") {
            options.historyOrder = value;
        } else if (name == "format") {
            storeFormat(value);
        }
    }

    void storeFormat(const std::string& value) {
        if (value == "csv" || value == "text") {
            parsed_.options.csv = value == "csv";
        } else {
            parsed_.error = "O formato de --format é text ou csv, não " + value;
        }
    }

    void readOrderPath(const QStringList& positional) {
        if (positional.isEmpty()) {
            parsed_.error = "Informe o arquivo de pedidos a imprimir";
        } else if (positional.first().isEmpty()) {
            parsed_.error = "O nome do arquivo de pedidos está em branco";
        } else if (positional.size() > 1) {
            parsed_.error = "Só um arquivo de pedidos por vez: \"" + bytes(positional.at(1)) +
                            "\" está sobrando";
        } else {
            parsed_.options.orderPath = bytes(positional.first());
        }
    }

    // --port, --ports and --no-status only make sense when sending; a sent job writes no
    // output.
    void checkSendOptions() {
        const RenderOptions& options = parsed_.options;
        if (!options.send && (options.port || options.portsPath)) {
            parsed_.error = std::string("A opção ") + (options.port ? "--port" : "--ports") +
                            " só vale com --send";
        } else if (!options.send && options.noStatus) {
            parsed_.error = "A opção --no-status só vale com --send";
        } else if (options.send && (options.outputPath || options.pngDir)) {
            parsed_.error = std::string("A opção --send não combina com ") +
                            (options.outputPath ? "-o" : "--png") +
                            ": as etiquetas vão para a impressora";
        }
    }

    // --history reads the journal only: no order file, nothing rendered or sent.
    void checkHistoryOptions(const QStringList& positional) {
        const RenderOptions& options = parsed_.options;
        if (!positional.isEmpty()) {
            parsed_.error = "A opção --history não leva arquivo de pedidos: use --order NÚMERO";
            return;
        }
        const QStringList allowed = {"history", "order", "journal", "settings", "format"};
        for (const QString& name : seen_) {
            if (!allowed.contains(name)) {
                parsed_.error = "A opção " + bytes(spelt(name)) + " não combina com --history";
                return;
            }
        }
        if (options.historyOrder &&
            options.historyOrder->find_first_not_of("0123456789") != std::string::npos) {
            parsed_.error =
                "O número do pedido de --order tem só algarismos: " + *options.historyOrder;
        }
    }

    // The journal's options: --journal with --send, the others with what they change.
    void checkJournalOptions() {
        const RenderOptions& options = parsed_.options;
        if (options.historyOrder || seen_.contains("format")) {
            parsed_.error = std::string("A opção ") +
                            (options.historyOrder ? "--order" : "--format") +
                            " só vale com --history";
        } else if (!options.send && (options.journalPath || options.noJournal ||
                                     options.skipPrinted || options.resendUncertain)) {
            parsed_.error = std::string("A opção ") + firstJournalOption() + " só vale com --send";
        } else if (options.noJournal && (options.journalPath || options.skipPrinted)) {
            parsed_.error = std::string("A opção --no-journal não combina com ") +
                            (options.journalPath ? "--journal" : "--skip-printed");
        } else if (options.resendUncertain && !options.skipPrinted) {
            parsed_.error = "A opção --resend-uncertain só vale com --skip-printed";
        }
    }

    const char* firstJournalOption() const {
        const RenderOptions& options = parsed_.options;
        if (options.journalPath) {
            return "--journal";
        }
        if (options.noJournal) {
            return "--no-journal";
        }
        return options.skipPrinted ? "--skip-printed" : "--resend-uncertain";
    }

    QCommandLineParser& parser_;
    QStringList seen_;
    ParsedOptions parsed_;
};

}  // namespace

ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments) {
    // Byte for byte: every byte is one Latin-1 character, and back again.
    QStringList words;
    for (const std::string& argument : arguments) {
        words.append(QString::fromLatin1(argument.data(), static_cast<qsizetype>(argument.size())));
    }
    const QString information = askedForInformation(words);
    if (!information.isEmpty()) {
        return informationOnly(information == "--version");
    }
    ParsedOptions parsed;
    const QString misspelt = misspeltOption(words);
    if (!misspelt.isEmpty()) {
        parsed.error = "Opção desconhecida: " + bytes(misspelt);
        return parsed;
    }
    QCommandLineParser parser;
    parser.addOptions(renderOptionList());
    // Every option is spelt right, so the parser can only miss the last option's value.
    if (!parser.parse(QStringList("rotulano-render") + words)) {
        parsed.error = "A opção " + bytes(words.last()) + " precisa de um valor";
        return parsed;
    }
    // "--" taken as the value of an option hides a later --help from the first look.
    if (parser.isSet("help") || parser.isSet("version")) {
        return informationOnly(parser.isSet("version"));
    }
    return OptionReader(parser).run();
}

std::string renderVersionText() {
    return "rotulano-render " ROTULANO_VERSION "\n";
}
std::string renderHelpText() {
    return R"(Uso: rotulano-render PEDIDO.txt [--settings ARQUIVO] [--rows LISTA]
                      [--logo-dir PASTA] [-o ARQUIVO] [--png PASTA]
     rotulano-render PEDIDO.txt --send [--port PORTA] [--ports ARQUIVO]
                      [--no-status] [--settings ARQUIVO] [--rows LISTA]
                      [--logo-dir PASTA] [--journal ARQUIVO | --no-journal]
                      [--skip-printed [--resend-uncertain]]
     rotulano-render --history [--order NÚMERO] [--journal ARQUIVO]
                      [--settings ARQUIVO] [--format text|csv]

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
                      Cada execução usa uma pasta própria, rotulano-render-XXXXXX
                      (modo 0700), criada em $TMPDIR (ou /tmp) no início e apagada
                      com o arquivo de impressão no fim. SIGTERM, SIGHUP e SIGINT
                      cancelam o envio: a linha em curso termina como o destino
                      permite, nenhuma outra é enviada e a pasta é apagada.
                      Não combina com -o nem com --png.
  --port PORTA        com --send, a porta em vez da gravada: um nome (LPT1, LPT2,
                      COM1 a COM4), procurado no arquivo de portas, ou um destino
                      escrito como no arquivo de portas: /dev/ttyUSB0,
                      tcp://ENDEREÇO[:PORTA] ou cups://FILA; no Windows, COM1
                      a COM256, LPT1 a LPT3, tcp://ENDEREÇO[:PORTA] ou
                      spooler://IMPRESSORA.
  --ports ARQUIVO     com --send, o arquivo de portas a usar; padrão: o
                      rotulano-portas.ini da pasta do arquivo de parâmetros. O
                      arquivo dado tem de existir.
  --no-status         com --send, não consulta o estado da impressora antes de
                      cada linha. Sem esta opção, a impressora cuja consulta de
                      estado está ligada no arquivo de portas (consultar-estado;
                      ligada por padrão na rede) é consultada antes de cada
                      linha, e uma impressora sem etiquetas, sem fita, com a
                      cabeça aberta, em pausa, que não responde em 2 s ou que
                      responde algo não reconhecido encerra o envio.
  --journal ARQUIVO   com --send ou --history, o diário de impressão a usar; padrão:
                      rotulano-diario.db na pasta do arquivo de parâmetros. Com
                      --send, cada trabalho e cada linha ficam no diário (início e
                      fim, usuário, pedido com o SHA-256 do arquivo, parâmetros,
                      destino; por linha: item, tipo, etiquetas pedidas, situação e
                      hora). A linha é anotada "enviando" antes do primeiro byte
                      sair e depois "impressa", "não enviada" ou "talvez impressa
                      em parte". Um diário que não pode ser aberto ou gravado
                      (pasta só de leitura, disco cheio, em uso por mais de 5 s,
                      danificado, um pipe ou dispositivo no nome) gera um aviso, e
                      o envio continua sem ele. Um diário danificado é guardado
                      como rotulano-diario.db.corrompido-AAAAMMDD-HHMMSS e um novo
                      é criado; o de uma versão mais nova do programa só é lido.
  --no-journal        com --send, não grava o diário.
  --skip-printed      com --send, envia só as linhas escolhidas que o diário não
                      mostra impressas para este pedido (o mesmo arquivo, pelo
                      SHA-256). Linhas que o diário mostra "enviando" ou "talvez
                      impressas em parte" encerram o comando antes de qualquer
                      envio (situação 7), com os números delas.
  --resend-uncertain  com --skip-printed, envia também essas linhas incertas.
  --history           mostra os trabalhos do diário, do mais novo ao mais antigo,
                      com as suas linhas, na saída padrão. Não leva arquivo de
                      pedidos.
  --order NÚMERO      com --history, só os trabalhos deste pedido (os zeros à
                      esquerda podem ser omitidos).
  --format FORMATO    com --history, text (o padrão) ou csv: UTF-8 com BOM, campos
                      separados por ";", entre aspas quando preciso (RFC 4180), uma
                      linha por linha de trabalho.
  -h, --help          mostra este texto.
  --version           mostra o nome e a versão do programa.

O valor de uma opção pode vir no argumento seguinte ou depois de "=" (--rows=1,2).
Avisos e erros vão para a saída de erros; os avisos não mudam os bytes gerados.
A preparação da porta serial (COM), feita uma vez por execução do programa, não faz
parte da saída.

Situação de saída:
  0  bytes gerados (com --send: todas as linhas entregues à impressora)
  1  linha de comando inválida (opção desconhecida, repetida ou sem valor, nenhum
     ou mais de um arquivo de pedidos, lista de linhas inválida, linha que não
     existe no pedido, saída recusada, --port, --ports ou --no-status sem --send,
     --send com -o ou --png, porta que não é nome nem destino, opção do diário
     fora do lugar)
  2  arquivo de pedidos que não pôde ser aberto ou que o programa recusa
  3  arquivo de parâmetros que não pôde ser lido, ou porta de saída inválida nele;
     arquivo de portas ausente (quando dado por --ports) ou inválido
  4  sem --send: arquivo de saída ou imagem que não pôde ser gravado
  5  com --send: uma linha não chegou à impressora (inclusive o arquivo de
     impressão temporário que não pôde ser gravado ou lido), ou a porta serial
     não pôde ser preparada
  6  com --send: a impressora consultada não está pronta (sem etiquetas, sem
     fita, cabeça aberta, em pausa, memória cheia), não respondeu ou deu uma
     resposta não reconhecida; nenhum byte de etiqueta foi enviado a ela depois
     da consulta; ou a impressora está ocupada por outro trabalho deste
     computador (outra janela ou outro rotulano-render, de qualquer usuário):
     nada foi enviado a ela
  7  com --skip-printed: o diário mostra linhas escolhidas que talvez já foram
     impressas; nada foi enviado (use --resend-uncertain para enviar essas linhas)
  8  com --skip-printed ou --history: o diário não pôde ser lido
  129, 130, 143
     com --send: envio cancelado por SIGHUP, SIGINT ou SIGTERM (128 mais o
     número do sinal); a última linha da saída de erros diz quantas linhas foram
     enviadas

Ambiente: TMPDIR, a pasta temporária (padrão /tmp). Uma pasta
rotulano-XXXXXX ou rotulano-render-XXXXXX deste usuário que ficou de uma
execução encerrada à força é apagada no início da execução seguinte.
)";
}

}  // namespace rotulano::render
