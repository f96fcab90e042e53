#include "preview/DplInterpreter.h"

#include <algorithm>

#include "preview/CommandFields.h"
#include "preview/PictureDecoder.h"

namespace rotulano::preview {

namespace {

constexpr std::size_t kMaxElements = 5000;

QString shown(const std::string& text) {
    return QString::fromLatin1(text.substr(0, 40).c_str());
}

// Rows were counted upwards from the label's bottom edge; the picture counts downwards
// from the top. The label is as tall and as wide as its marks reach.
void turnUpright(PreviewLabel& label) {
    int top = 1;
    int right = 1;
    for (const LabelElement& element : label.elements) {
        top = std::max(top, element.box.y() + element.box.height());
        right = std::max(right, element.box.x() + element.box.width());
    }
    top = std::min(top, kMaxLabelDots);
    for (LabelElement& element : label.elements) {
        element.box.moveTop(top - element.box.y() - element.box.height());
    }
    label.size = QSize(std::min(right, kMaxLabelDots), top);
}

}  // namespace

void DplInterpreter::run(const std::string& bytes) {
    DplStreamReader reader(bytes);
    DplCommand command;
    while (reader.next(command)) {
        switch (command.kind) {
            case DplCommand::Kind::Immediate:
                break;  // status requests and the like print nothing
            case DplCommand::Kind::System:
                systemCommand(command.text, reader);
                break;
            case DplCommand::Kind::FormatLine:
                formatLine(command.text);
                break;
        }
    }
}

std::vector<PreviewLabel> DplInterpreter::takeLabels() {
    if (label_) {
        warn(QStringLiteral("Etiqueta sem \"E\" no fim: a impressora ainda não a imprime"));
        endFormat(false);
    }
    if (!labels_.empty()) {
        labels_.back().warnings << pendingWarnings_;
    }
    pendingWarnings_.clear();
    return std::move(labels_);
}

void DplInterpreter::systemCommand(const std::string& text, DplStreamReader& reader) {
    const char command = text.empty() ? '\0' : text[0];
    switch (command) {
        case 'L':
            startFormat();
            break;
        case 'm':
            metric_ = true;
            break;
        case 'n':
            metric_ = false;
            break;
        case 'I':
            downloadImage(text, reader);
            break;
        case 'q':
            if (text.size() > 1) {
                graphics_.clearModule(text[1]);
            }
            break;
        case 'y':
            selectSymbolSet(text);
            break;
        default:
            break;  // print positions, sensors, memory set-up: nothing drawn changes
    }
}

void DplInterpreter::formatLine(const std::string& line) {
    if (!label_) {
        warn(QStringLiteral("Linha DPL fora de uma etiqueta ignorada: \"%1\"").arg(shown(line)));
        return;
    }
    if (line[0] >= '1' && line[0] <= '4') {
        if (label_->elements.size() >= kMaxElements) {
            return;
        }
        DplRecordContext context;
        context.metric = metric_;
        context.offset = QPoint(DplRecordBuilder::toDots(offsetUnits_.x(), metric_),
                                DplRecordBuilder::toDots(offsetUnits_.y(), metric_));
        context.codePage = codePage_;
        context.graphics = &graphics_;
        if (auto element = DplRecordBuilder::record(line, context, label_->warnings)) {
            label_->elements.push_back(std::move(*element));
        }
    } else if (!formatSetting(line)) {
        warn(QStringLiteral("Comando DPL desconhecido ignorado: \"%1\"").arg(shown(line)));
    }
}

bool DplInterpreter::formatSetting(const std::string& line) {
    // Heat, dot size, print and slew speed, zero style, print mode, mirror, field
    // terminator, updatable fields: nothing the preview draws changes.
    static const std::string kQuietSettings = "HDPSzZAMTU";
    const std::string value = line.substr(1);
    switch (line[0]) {
        case 'E':
            endFormat(true);
            break;
        case 'X':
        case 's':
            label_.reset();  // formats left or stored without printing
            break;
        case 'Q':
            label_->copies = static_cast<int>(leadingNumber(value, 1, 0, 99999));
            if (label_->copies == 0) {
                warn(zeroCopiesWarning());
            }
            break;
        case 'C':
            offsetUnits_.setX(static_cast<int>(leadingNumber(value, 0, 0, 9999)));
            break;
        case 'R':
            offsetUnits_.setY(static_cast<int>(leadingNumber(value, 0, 0, 9999)));
            break;
        case 'm':
        case 'n':
            metric_ = line[0] == 'm';
            break;
        default:
            return kQuietSettings.find(line[0]) != std::string::npos;
    }
    return true;
}

void DplInterpreter::downloadImage(const std::string& text, DplStreamReader& reader) {
    const char module = text.size() > 1 ? text[1] : 'D';
    const char format = text.size() > 2 ? text[2] : '\0';
    const std::string name = trimBlanks(text.size() > 3 ? text.substr(3, 16) : std::string());
    const QString shownName = QString::fromLatin1(name.c_str());
    if (format != 'B' && format != 'b') {
        warn(QStringLiteral("Imagem %1 em formato que a pré-visualização não lê").arg(shownName));
        return;
    }
    const auto bitmap = reader.takeBitmap();
    if (!bitmap) {
        warn(QStringLiteral("Imagem %1 não recebida: os dados BMP não vêm após o comando")
                 .arg(shownName));
        return;
    }
    const QImage picture = PictureDecoder::fromBitmapFile(*bitmap);
    if (picture.isNull()) {
        warn(QStringLiteral("Imagem %1 ilegível: o arquivo BMP está danificado").arg(shownName));
        return;
    }
    graphics_.store(name, module, picture);
}

void DplInterpreter::selectSymbolSet(const std::string& text) {
    // "ySxx": symbol set xx. PM is PC-850, W1 Windows Latin-1, U8 UTF-8.
    const std::string set = text.size() >= 4 ? text.substr(2, 2) : std::string();
    codePage_ = set == "W1"   ? PrinterCodePage::Latin1
                : set == "U8" ? PrinterCodePage::Utf8
                              : PrinterCodePage::Pc850;
}

void DplInterpreter::startFormat() {
    if (label_) {
        warn(QStringLiteral("Nova etiqueta antes do \"E\" da anterior"));
        endFormat(false);
    }
    label_.emplace();
    label_->language = PrinterLanguage::Dpl;
    label_->warnings = pendingWarnings_;
    pendingWarnings_.clear();
    offsetUnits_ = QPoint();
}

void DplInterpreter::endFormat(bool complete) {
    turnUpright(*label_);
    label_->complete = complete;
    labels_.push_back(std::move(*label_));
    label_.reset();
}

void DplInterpreter::warn(const QString& warning) {
    if (label_) {
        label_->warnings << warning;
    } else {
        pendingWarnings_ << warning;
    }
}

}  // namespace rotulano::preview
