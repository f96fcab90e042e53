#include "orders/OrderFileReader.h"

#include "core/FixedRecord.h"
#include "core/OrderLine.h"
#include "orders/ItemTable.h"

namespace rotulano::orders {

namespace {

const char* const kNotAnOrderFile = "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS";
const char* const kHeaderTypeWrong =
    "Erro na estrutura do arquivo ou esse não é um arquivo de Pedidos LOJASVERDELIS";
const char* const kVersionTooNew =
    "Sua versão do Rotulano está DESATUALIZADA, atualize para poder processar esse arquivo";
const char* const kVersionTooOld =
    "Esse arquivo é de uma versão anterior do Rotulano e não pode ser processado";
const char* const kNoLineAfterHeader = "Erro na Estrutura do Arquivo";
const char* const kNoItems =
    "Pedido sem itens a serem impressos, ou esse não é um arquivo de Pedidos LOJASVERDELIS";
const char* const kRecordTypeInvalid =
    "Tipo de registro é inválido ou erro na estrutura do arquivo";
const char* const kPriceInvalid = "Campo preço é inválido ou erro na estrutura do arquivo";
const char* const kQuantityInvalid = "Campo quantidade é inválido ou erro na estrutura do arquivo";
const char* const kTooManyItems =
    "Pedido com mais de 999 itens: divida o arquivo para poder imprimir";
const char* const kWarningTitle = "ATENÇÃO";
const char* const kChangedWhileRead = "o arquivo mudou enquanto era lido: abra de novo";

// The words for a line that runs on past twice a record's length, naming the line.
std::string lineTooLong(std::size_t lineNumber) {
    return "A linha " + std::to_string(lineNumber) + " passa de " +
           std::to_string(LineReader::kLongestLine) +
           " bytes sem fim de linha: esse não é um arquivo de Pedidos LOJASVERDELIS";
}

// The order-file format versions this reader takes, as the header's version field writes
// them: 02.04.00 up to 02.05.00. They describe the file's layout, not this program.
constexpr long long kOldestOrderFormat = 20400;
constexpr long long kNewestOrderFormat = 20500;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first header check that fails, or nullptr when the header is sound.
const char* headerProblem(const core::OrderLine& line) {
    if (!core::isAllDigits(line.get(core::header::kLeadingDigits))) {
        return kNotAnOrderFile;
    }
    if (line.get(core::header::kRecordType) != "0") {
        return kHeaderTypeWrong;
    }
    const std::string versionField = line.get(core::header::kFileVersion);
    const long long version = core::isAllDigits(versionField) ? core::digitsValue(versionField) : 0;
    if (version > kNewestOrderFormat) {
        return kVersionTooNew;
    }
    if (version < kOldestOrderFormat) {
        return kVersionTooOld;
    }
    return nullptr;
}

// The first of the checks made on every line after the header that fails, or nullptr.
// Pack ("9") and internal ("A") items carry no price, so their positions 51-58 are free.
const char* lineProblem(const core::OrderLine& line) {
    if (!isDigit(line.bytes()[0])) {
        return kRecordTypeInvalid;
    }
    const char code = line.labelTypeCode();
    if (code != '9' && code != 'A' && !core::isAllDigits(line.get(core::item::kPrice))) {
        return kPriceInvalid;
    }
    if (!core::isAllDigits(line.get(core::item::kQuantity))) {
        return kQuantityInvalid;
    }
    return nullptr;
}

bool isItemLine(const core::OrderLine& line) {
    return line.bytes()[0] == '1';
}

}  // namespace

OrderLoad OrderFileReader::read(const std::string& path) {
    core::GuardedFile file;
    const core::FileStatus opened = file.open(path);
    if (opened != core::kStatusOk) {
        OrderLoad load;
        load.outcome = LoadOutcome::OpenFailed;
        load.status = opened;
        return load;
    }
    LineReader lines(file, path);
    return OrderFileReader(lines).run();
}

OrderLoad OrderFileReader::readBytes(std::string_view bytes) {
    LineReader lines(bytes);
    return OrderFileReader(lines).run();
}

OrderLoad OrderFileReader::run() {
    if (readHeader()) {
        readItems();
    }
    return std::move(load_);
}

bool OrderFileReader::readLine(std::string& line, bool& atEnd) {
    const LineReader::Result result = reader_.next(line);
    atEnd = result == LineReader::Result::EndOfFile;
    switch (result) {
        case LineReader::Result::Line:
        case LineReader::Result::EndOfFile:
            return true;
        case LineReader::Result::Error:
            load_.outcome = LoadOutcome::ReadFailed;
            load_.status = reader_.status();
            return false;
        case LineReader::Result::TooLong:
            refuse(lineTooLong(reader_.lineNumber()));
            return false;
        case LineReader::Result::Changed:
            refuse(kChangedWhileRead);
            return false;
    }
    return false;
}

// Nothing of a file that is refused whole is shown: neither its header nor its items.
void OrderFileReader::refuse(const std::string& text) {
    load_ = OrderLoad();
    warn(text);
}

void OrderFileReader::warn(const std::string& text) {
    load_.outcome = LoadOutcome::Message;
    load_.message.text = QString::fromStdString(text);
    load_.message.title = QString::fromUtf8(kWarningTitle);
    load_.message.type = core::kStyleWarning;
}

bool OrderFileReader::readHeader() {
    std::string text;
    bool atEnd = false;
    if (!readLine(text, atEnd)) {
        return false;
    }
    // A file with no line at all fails the digit check of the blank header.
    const core::OrderLine header(atEnd ? std::string() : text);
    if (const char* problem = headerProblem(header)) {
        warn(problem);
        return false;
    }
    load_.header = OrderHeaderView::fromLine(header);
    load_.headerShown = true;
    return true;
}

void OrderFileReader::readItems() {
    std::string text;
    bool atEnd = false;
    if (!readLine(text, atEnd)) {
        return;
    }
    if (atEnd) {
        // Shown with the message box's own default title and style.
        load_.outcome = LoadOutcome::Message;
        load_.message.text = QString::fromUtf8(kNoLineAfterHeader);
        return;
    }
    const core::OrderLine first(text);
    if (const char* problem = lineProblem(first)) {
        warn(problem);
        return;
    }
    if (!isItemLine(first)) {
        warn(kNoItems);
        return;
    }
    bool more = addItem(first.bytes());
    while (more && readLine(text, atEnd) && !atEnd) {
        const core::OrderLine line(text);
        if (const char* problem = lineProblem(line)) {
            warn(problem);
            return;
        }
        more = !isItemLine(line) || addItem(line.bytes());
    }
}

bool OrderFileReader::addItem(const std::string& line) {
    if (load_.items.size() >= static_cast<std::size_t>(kMaxItems)) {
        // Refused whole: the operator splits the order rather than printing part of it.
        refuse(kTooManyItems);
        return false;
    }
    load_.items.push_back(line);
    return true;
}

}  // namespace rotulano::orders
