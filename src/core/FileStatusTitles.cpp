#include "core/FileStatusTitles.h"

#include <map>

namespace rotulano::core {

namespace {

const char* const kUndefinedStatusTitle = "Erro Indefinido";

// The meaning of each file status, shown as the title of a status report.
const std::map<FileStatus, const char*>& statusTitles() {
    static const std::map<FileStatus, const char*> titles = {
        {"02", "Chave com duplicatas"},
        {"04", "Tamanho máximo do campo é maior que o registro"},
        {"05", "Arquivo não existe ou não pode ser criado"},
        {"07", "Arquivo referenciado não existe da Fita"},
        {"10", "Final ou Ínicio de arquivo atingido"},
        {"14", "Final ou Ínicio de arquivo atingido"},
        {"21", "Ordem da chave de acesso é inválida na leitura"},
        {"22", "Registro já existe no arquivo"},
        {"23", "Registro não existe no arquivo"},
        {"24", "Chave fora de area durante a gravação"},
        {"30", "Ocorreu um erro físico durante o acesso ao arquivo"},
        {"34", "Falta espaço em area de memória"},
        {"35", "Arquivo não existe em disco e não pode ser criado"},
        {"37", "Função especificada não é suportada"},
        {"38", "Arquivo foi fechado com proteção contra aberturas"},
        {"39", "Atributos do arquivo conflitantes com o programa ("},
        {"41", "Tentativa de abrir um arquivo já aberto"},
        {"42", "Tentativa de fechar um arquivo não aberto"},
        {"43", "Tentativa de deletar um regravar um registro com u"},
        {"44", "Tamanho do registro que está sendo gravado é invál"},
        {"46", "Registro indispónivel READ ou START anterior foi i"},
        {"47", "Arquivo não aberto para Leitura"},
        {"48", "Arquivo não aberto para Gravação"},
        {"49", "Arquivo não aberto para Gravação"},
        {"90", "Erro ao tentar acessar o arquivo"},
        {"91", "Nome externo do arquivo não corresponde ao nome in"},
        {"92", "Arquivo está aberto de modo exclusivo por outro pr"},
        {"93", "Arquivo está aberto de modo exclusivo por outro pr"},
        {"96", "Não é um arquivo comum (dispositivo, pipe, socket)"},
        {"99", "Registro está bloqueado por outro programa"},
    };
    return titles;
}

// The causes that the file routines report, as the operator can act on them.
const std::map<FileStatus, const char*>& statusCauses() {
    static const std::map<FileStatus, const char*> causes = {
        {"30", "erro de leitura ou gravação no disco"},
        {"34", "disco cheio, ou o arquivo passa do tamanho que o sistema permite"},
        {"35", "o arquivo, ou a pasta em que estaria, não existe"},
        {"37", "sem permissão para abrir ou gravar o arquivo (ou a pasta dele)"},
        {"39", "o nome é de uma pasta, não de um arquivo"},
        {"91", "o nome escolhido não pôde ser lido como o sistema o escreve"},
        {"93", "o arquivo está em uso por outro programa"},
        {"96", "não é um arquivo comum (dispositivo, pipe ou socket)"},
    };
    return causes;
}

}  // namespace

const char* fileStatusCause(const FileStatus& status) {
    const auto found = statusCauses().find(status);
    return found == statusCauses().end() ? fileStatusTitle(status) : found->second;
}

const char* fileStatusTitle(const FileStatus& status) {
    const auto found = statusTitles().find(status);
    return found == statusTitles().end() ? kUndefinedStatusTitle : found->second;
}

}  // namespace rotulano::core
