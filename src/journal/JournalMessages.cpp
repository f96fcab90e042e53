#include "journal/JournalMessages.h"

#include <sqlite3.h>

#include "core/ShownBytes.h"

namespace rotulano::journal::journalMessages {

namespace {

const char* const kMarksInMemory =
    ": a impressão continua e as marcas das linhas ficam só na memória";

std::string journal(const std::string& path) {
    return "O diário de impressão " + core::shownBytes(path);
}

}  // namespace

std::string notOpened(const std::string& path, const std::string& cause) {
    return journal(path) + " não pôde ser aberto (" + cause + ")" + kMarksInMemory;
}

std::string notWritten(const std::string& path, const std::string& cause) {
    return journal(path) + " não pôde ser gravado (" + cause + ")" + kMarksInMemory;
}

std::string notRegular(const std::string& path, const std::string& kind) {
    return journal(path) + " não é um arquivo comum (" + kind + ")" + kMarksInMemory;
}

std::string newerVersion(const std::string& path) {
    return journal(path) + " é de uma versão mais nova do programa e foi aberto só para leitura" +
           kMarksInMemory;
}

std::string corruptInUse(const std::string& path) {
    return journal(path) + " está danificado e em uso por outro programa" + kMarksInMemory;
}

std::string corruptMovedAside(const std::string& path, const std::string& aside) {
    return journal(path) + " estava danificado: foi guardado como " + core::shownBytes(aside) +
           " e um diário novo foi criado";
}

std::string notFound(const std::string& path) {
    return journal(path) + " não existe";
}

std::string notRead(const std::string& path, const std::string& cause) {
    return journal(path) + " não pôde ser lido (" + cause + ")";
}

std::string cause(int code) {
    switch (code & 0xff) {
        case SQLITE_FULL:
            return "disco cheio";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "em uso por outro programa por mais de 5 s";
        case SQLITE_READONLY:
            return "somente leitura";
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return "sem permissão";
        case SQLITE_CANTOPEN:
            return "a pasta não existe ou não permite criar arquivos";
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return "arquivo danificado";
        // SQLite reports a write that the disk (or the file-size limit) cut short as an
        // input/output error, like a failing disk.
        case SQLITE_IOERR:
            return "erro de leitura ou gravação no disco: disco cheio ou com defeito";
        default:
            return std::string("erro do SQLite: ") + sqlite3_errstr(code);
    }
}

}  // namespace rotulano::journal::journalMessages
