#include "preview/ZplInterpreter.h"

#include <algorithm>
#include <set>

#include "preview/CommandFields.h"
#include "preview/PictureDecoder.h"
#include "preview/ZplFieldBuilder.h"

namespace rotulano::preview {

namespace {

// No label of ours comes near this many marks; it bounds what garbage input can cost.
constexpr std::size_t kMaxElements = 5000;
// A Zebra printer takes at most this many bytes of field data.
constexpr std::size_t kMaxFieldData = 3072;
constexpr long long kMaxPosition = 32000;

// Commands that change nothing the preview draws (darkness, speed, media, comments...).
const std::set<std::string> kQuietCommands = {
    "MD", "PR", "MN", "MT", "MM", "JM", "LT", "LS", "LR", "PO", "PM", "FX", "FH", "FR",
    "FB", "FN", "JU", "JZ", "SZ", "CW", "MU", "PF", "XB", "KL", "FP", "SN", "SF", "FC",
    "PA", "MF", "JS", "JT", "CO", "DF", "XF", "ID", "JA", "JR", "SD", "TA", "JC", "JD",
    "JE", "JL", "HS", "HI", "HM", "WC", "PS", "PH", "PL", "RO", "EG", "JB", "JN", "JO",
    "JP", "JQ", "SE", "NC", "DY", "DU", "DN", "DE", "DB", "HD", "HQ", "HU", "WQ"};

// The parameter text split at its first `count` commas: the last part keeps the rest,
// commas included (graphic data uses them).
std::vector<std::string> leadingFields(const std::string& text, std::size_t count) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < count) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            break;
        }
        fields.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(text.substr(std::min(start, text.size())));
    return fields;
}

// "R:LOGOVRDL.GRF" as the printer files it: device R: and extension .GRF by default.
std::string graphicName(const std::string& text) {
    std::string name = trimBlanks(text);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    if (name.find(':') == std::string::npos) {
        name = "R:" + name;
    }
    if (name.find('.', name.find(':')) == std::string::npos) {
        name += ".GRF";
    }
    return name;
}

int number(const std::string& text, long long fallback, long long low, long long high) {
    return static_cast<int>(leadingNumber(text, fallback, low, high));
}

}  // namespace

void ZplInterpreter::run(const std::string& bytes) {
    ZplCommandReader reader(bytes);
    ZplCommand command;
    while (reader.next(command)) {
        execute(command);
    }
}

std::vector<PreviewLabel> ZplInterpreter::takeLabels() {
    if (label_) {
        warn(QStringLiteral("Etiqueta sem ^XZ no fim: a impressora ainda não a imprime"));
        endFormat(false);
    }
    if (!labels_.empty()) {
        labels_.back().warnings << pendingWarnings_;
    }
    pendingWarnings_.clear();
    return std::move(labels_);
}

void ZplInterpreter::execute(const ZplCommand& command) {
    if (command.prefix == '~') {
        if (!executeDownload(command) && kQuietCommands.count(command.code) == 0) {
            warn(QStringLiteral("Comando ZPL desconhecido ignorado: ~%1")
                     .arg(QString::fromLatin1(command.code.c_str())));
        }
        return;
    }
    if (command.code == "XA") {
        startFormat();
        return;
    }
    if (!label_) {
        return;  // outside a format the printer ignores caret commands
    }
    if (command.code == "XZ") {
        endFormat(true);
    } else if (!executeFieldCommand(command) && !executeSetting(command) &&
               kQuietCommands.count(command.code) == 0) {
        warn(QStringLiteral("Comando ZPL desconhecido ignorado: ^%1")
                 .arg(QString::fromLatin1(command.code.c_str())));
    }
}

bool ZplInterpreter::executeFieldCommand(const ZplCommand& command) {
    const std::string& code = command.code;
    const auto fields = splitFields(command.parameters);
    if (code == "FO" || code == "FT") {
        field_.origin = state_.home + QPoint(number(fieldAt(fields, 0), 0, 0, kMaxPosition),
                                             number(fieldAt(fields, 1), 0, 0, kMaxPosition));
    } else if (!code.empty() && code[0] == 'A') {
        setFont(command);
    } else if (code == "FD" || code == "FV") {
        field_.data = command.parameters.substr(0, kMaxFieldData);
        field_.hasData = true;
    } else if (code == "FS") {
        endField();
    } else if (code == "GB") {
        addElement(ZplFieldBuilder::box(field_.origin, command.parameters));
    } else if (code == "XG") {
        recallGraphic(command.parameters);
    } else if (code == "GF") {
        inlineGraphic(command.parameters);
    } else if (code.size() == 2 && code[0] == 'B' && code != "BY") {
        field_.barcode = code;
        field_.barParameters = command.parameters;
    } else {
        return false;
    }
    return true;
}

bool ZplInterpreter::executeSetting(const ZplCommand& command) {
    const std::string& code = command.code;
    const auto fields = splitFields(command.parameters);
    if (code == "BY") {
        setBarDefaults(command.parameters);
    } else if (code == "PQ") {
        label_->copies = number(fieldAt(fields, 0), 1, 0, 99'999'999);
        if (label_->copies == 0) {
            warn(zeroCopiesWarning());
        }
    } else if (code == "LH") {
        state_.home = QPoint(number(fieldAt(fields, 0), 0, 0, kMaxPosition),
                             number(fieldAt(fields, 1), 0, 0, kMaxPosition));
    } else if (code == "PW") {
        state_.printWidth = number(fieldAt(fields, 0), state_.printWidth, 2, kMaxPosition);
    } else if (code == "LL") {
        state_.labelLength = number(fieldAt(fields, 0), state_.labelLength, 1, kMaxPosition);
    } else if (code == "CI") {
        const int set = number(fieldAt(fields, 0), 0, 0, 99);
        state_.codePage = set == 28   ? PrinterCodePage::Utf8
                          : set == 27 ? PrinterCodePage::Latin1
                                      : PrinterCodePage::Pc850;
    } else if (code == "CF") {
        const std::string font = trimBlanks(fieldAt(fields, 0));
        state_.defaultFont = font.empty() ? state_.defaultFont : font[0];
        state_.defaultFontHeight = number(fieldAt(fields, 1), 0, 0, kMaxPosition);
        state_.defaultFontWidth = number(fieldAt(fields, 2), 0, 0, kMaxPosition);
    } else if (code == "FW") {
        const std::string orientation = trimBlanks(command.parameters);
        state_.defaultRotation = ZplFieldBuilder::rotation(
            orientation.empty() ? char(0) : orientation[0], state_.defaultRotation);
    } else {
        return false;
    }
    return true;
}

bool ZplInterpreter::executeDownload(const ZplCommand& command) {
    if (command.code != "DG") {
        return false;
    }
    downloadGraphic(command.parameters);
    return true;
}

void ZplInterpreter::startFormat() {
    if (label_) {
        return;  // a second ^XA inside a format changes nothing
    }
    label_.emplace();
    label_->language = PrinterLanguage::Zpl;
    label_->warnings = pendingWarnings_;
    pendingWarnings_.clear();
    field_ = ZplField{};
    field_.origin = state_.home;
}

void ZplInterpreter::endFormat(bool complete) {
    endField();
    int right = 1;
    int bottom = 1;
    for (const LabelElement& element : label_->elements) {
        right = std::max(right, element.box.right() + 1);
        bottom = std::max(bottom, element.box.bottom() + 1);
    }
    const int width = state_.printWidth > 0 ? state_.printWidth : right;
    const int length = state_.labelLength > 0 ? state_.labelLength : bottom;
    label_->size = QSize(std::min(width, kMaxLabelDots), std::min(length, kMaxLabelDots));
    label_->complete = complete;
    labels_.push_back(std::move(*label_));
    label_.reset();
}

void ZplInterpreter::endField() {
    if (auto element = ZplFieldBuilder::field(field_, state_, label_->warnings)) {
        addElement(std::move(*element));
    }
    field_ = ZplField{};
    field_.origin = state_.home;
}

void ZplInterpreter::setFont(const ZplCommand& command) {
    const auto fields = splitFields(command.parameters);
    const std::string orientation = trimBlanks(fieldAt(fields, 0));
    field_.font = command.code.size() == 2 ? command.code[1] : '0';
    field_.orientation = orientation.empty() ? char(0) : orientation[0];
    field_.fontHeight = number(fieldAt(fields, 1), 0, 0, kMaxPosition);
    field_.fontWidth = number(fieldAt(fields, 2), 0, 0, kMaxPosition);
}

void ZplInterpreter::setBarDefaults(const std::string& parameters) {
    const auto fields = splitFields(parameters);
    state_.barModule = number(fieldAt(fields, 0), state_.barModule, 1, 10);
    state_.barRatio = std::clamp(decimalNumber(fieldAt(fields, 1), state_.barRatio), 2.0, 3.0);
    state_.barHeight = number(fieldAt(fields, 2), state_.barHeight, 1, kMaxLabelDots);
}

void ZplInterpreter::recallGraphic(const std::string& parameters) {
    const auto fields = splitFields(parameters);
    const std::string name = graphicName(fieldAt(fields, 0));
    const QImage picture = graphics_.find(name);
    if (picture.isNull()) {
        warn(QStringLiteral("Gráfico %1 não está na memória da impressora: não é impresso")
                 .arg(QString::fromLatin1(name.c_str())));
        return;
    }
    addElement(ZplFieldBuilder::graphic(field_.origin, picture,
                                        number(fieldAt(fields, 1), 1, 1, 10),
                                        number(fieldAt(fields, 2), 1, 1, 10)));
}

void ZplInterpreter::inlineGraphic(const std::string& parameters) {
    const auto fields = leadingFields(parameters, 4);
    if (fields.size() < 5 || trimBlanks(fields[0]) != "A") {
        warn(QStringLiteral("Gráfico ^GF fora do formato hexadecimal: não é desenhado"));
        return;
    }
    const QImage picture =
        PictureDecoder::fromZplHex(fields[4], leadingNumber(fields[2], 0, 0, 1LL << 40),
                                   leadingNumber(fields[3], 0, 0, 1LL << 40));
    if (picture.isNull()) {
        warn(QStringLiteral("Gráfico ^GF com tamanhos inválidos: não é desenhado"));
        return;
    }
    addElement(ZplFieldBuilder::graphic(field_.origin, picture, 1, 1));
}

void ZplInterpreter::downloadGraphic(const std::string& parameters) {
    const auto fields = leadingFields(parameters, 3);
    const std::string name = graphicName(fieldAt(fields, 0));
    const QImage picture =
        fields.size() < 4
            ? QImage()
            : PictureDecoder::fromZplHex(fields[3], leadingNumber(fields[1], 0, 0, 1LL << 40),
                                         leadingNumber(fields[2], 0, 0, 1LL << 40));
    if (picture.isNull()) {
        warn(QStringLiteral("Gráfico %1 com tamanhos inválidos: a impressora não o guarda")
                 .arg(QString::fromLatin1(name.c_str())));
        return;
    }
    graphics_.store(name, 'R', picture);
}

void ZplInterpreter::addElement(LabelElement element) {
    if (label_->elements.size() < kMaxElements) {
        label_->elements.push_back(std::move(element));
        return;
    }
    const QString warning =
        QStringLiteral("Etiqueta com marcas demais: as seguintes não são desenhadas");
    if (!label_->warnings.contains(warning)) {
        warn(warning);
    }
}

void ZplInterpreter::warn(const QString& warning) {
    if (label_) {
        label_->warnings << warning;
    } else {
        pendingWarnings_ << warning;
    }
}

}  // namespace rotulano::preview
