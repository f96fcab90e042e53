#include <gtest/gtest.h>

#include <string>

#include "core/FileStatusTitles.h"

namespace {

using rotulano::core::fileStatusTitle;

struct StatusCase {
    const char* status;
    const char* title;
};

class FileStatusTitles : public ::testing::TestWithParam<StatusCase> {};

TEST_P(FileStatusTitles, EachStatusHasItsTitleAndAnyOtherIsUndefined) {
    const StatusCase& c = GetParam();
    EXPECT_STREQ(fileStatusTitle(c.status), c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileStatusTitles,
    ::testing::Values(StatusCase{"02", "Chave com duplicatas"},
                      StatusCase{"04", "Tamanho máximo do campo é maior que o registro"},
                      StatusCase{"05", "Arquivo não existe ou não pode ser criado"},
                      StatusCase{"07", "Arquivo referenciado não existe da Fita"},
                      StatusCase{"10", "Final ou Ínicio de arquivo atingido"},
                      StatusCase{"14", "Final ou Ínicio de arquivo atingido"},
                      StatusCase{"21", "Ordem da chave de acesso é inválida na leitura"},
                      StatusCase{"22", "Registro já existe no arquivo"},
                      StatusCase{"23", "Registro não existe no arquivo"},
                      StatusCase{"24", "Chave fora de area durante a gravação"},
                      StatusCase{"30", "Ocorreu um erro físico durante o acesso ao arquivo"},
                      StatusCase{"34", "Falta espaço em area de memória"},
                      StatusCase{"35", "Arquivo não existe em disco e não pode ser criado"},
                      StatusCase{"37", "Função especificada não é suportada"},
                      StatusCase{"38", "Arquivo foi fechado com proteção contra aberturas"},
                      StatusCase{"39", "Atributos do arquivo conflitantes com o programa ("},
                      StatusCase{"41", "Tentativa de abrir um arquivo já aberto"},
                      StatusCase{"42", "Tentativa de fechar um arquivo não aberto"},
                      StatusCase{"43", "Tentativa de deletar um regravar um registro com u"},
                      StatusCase{"44", "Tamanho do registro que está sendo gravado é invál"},
                      StatusCase{"46", "Registro indispónivel READ ou START anterior foi i"},
                      StatusCase{"47", "Arquivo não aberto para Leitura"},
                      StatusCase{"48", "Arquivo não aberto para Gravação"},
                      StatusCase{"49", "Arquivo não aberto para Gravação"},
                      StatusCase{"90", "Erro ao tentar acessar o arquivo"},
                      StatusCase{"91", "Nome externo do arquivo não corresponde ao nome in"},
                      StatusCase{"92", "Arquivo está aberto de modo exclusivo por outro pr"},
                      StatusCase{"93", "Arquivo está aberto de modo exclusivo por outro pr"},
                      StatusCase{"99", "Registro está bloqueado por outro programa"},
                      StatusCase{"00", "Erro Indefinido"}, StatusCase{"36", "Erro Indefinido"},
                      StatusCase{"9A", "Erro Indefinido"}, StatusCase{"3", "Erro Indefinido"},
                      StatusCase{"", "Erro Indefinido"}, StatusCase{"350", "Erro Indefinido"}),
    [](const ::testing::TestParamInfo<StatusCase>& info) {
        return std::string("Status") + (*info.param.status ? info.param.status : "Empty");
    });

}  // namespace
