#include "window/LabelPreviewTexts.h"

#include <QStringList>

namespace rotulano::window::previewTexts {

namespace {

// The printers draw 8 dots to the millimetre.
constexpr int kDotsPerMillimetre = 8;
// A row prints its item label, then its order summary label.
constexpr std::size_t kLabelsPerRow = 2;

QString pick(bool portuguese, const char* inPortuguese, const char* inEnglish) {
    return QString::fromUtf8(portuguese ? inPortuguese : inEnglish);
}

// Dots as millimetres with one decimal, the decimal mark of the language.
QString millimetres(int dots, bool portuguese) {
    const int tenths = (dots * 10 + kDotsPerMillimetre / 2) / kDotsPerMillimetre;
    return QStringLiteral("%1%2%3")
        .arg(tenths / 10)
        .arg(portuguese ? QLatin1Char(',') : QLatin1Char('.'))
        .arg(tenths % 10);
}

QString copies(long long count, bool portuguese) {
    if (count == 1) {
        return pick(portuguese, "1 cópia", "1 copy");
    }
    return pick(portuguese, "%1 cópias", "%1 copies").arg(count);
}

QString labels(long long count, bool portuguese) {
    if (count == 1) {
        return pick(portuguese, "1 etiqueta", "1 label");
    }
    return pick(portuguese, "%1 etiquetas", "%1 labels").arg(count);
}

}  // namespace

QString windowTitle(bool portuguese) {
    return pick(portuguese, "Visualizar etiquetas", "Label preview");
}

QString closeCaption(bool portuguese) {
    return pick(portuguese, "Fechar", "Close");
}

QString zoomCaption(bool portuguese) {
    return pick(portuguese, "Escala", "Scale");
}

QString warningsCaption(bool portuguese) {
    return pick(portuguese, "Avisos", "Warnings");
}

QString failure(const LabelPreviewContent& content, bool portuguese) {
    using Failure = LabelPreviewContent::Failure;
    switch (content.failure) {
        case Failure::None:
            break;
        case Failure::NoTickedRow:
            return pick(portuguese, "Nenhum item marcado para impressão.",
                        "No item selected for printing.");
        case Failure::NoLayout:
            return pick(portuguese,
                        "O tipo de etiqueta \"%1\" não tem leiaute: nada será impresso para "
                        "este item.",
                        "Label type \"%1\" has no layout: nothing will be printed for this item.")
                .arg(QString::fromLatin1(&content.labelCode, 1));
    }
    return QString();
}

QString jobSummary(const LabelPreviewContent& content, bool portuguese) {
    if (content.row == 0) {
        return QString();
    }
    QStringList item{pick(portuguese, "linha %1", "row %1").arg(content.row)};
    if (!content.labelType.isEmpty()) {
        item << content.labelType;
    }
    item << labels(content.rowLabels, portuguese);
    return pick(portuguese, "Próximo item: %1. Trabalho: %2 no total.",
                "Next item: %1. Job: %2 in all.")
        .arg(item.join(QStringLiteral(", ")), labels(content.jobLabels, portuguese));
}

QString labelName(std::size_t index, std::size_t count, bool portuguese) {
    if (count == kLabelsPerRow) {
        return index == 0 ? pick(portuguese, "Etiqueta", "Label")
                          : pick(portuguese, "Resumo do pedido", "Order summary");
    }
    return pick(portuguese, "Etiqueta %1", "Label %1").arg(index + 1);
}

QString labelCaption(const QString& name, const preview::RenderedLabel& label, bool portuguese) {
    const int width = label.image.width();
    const int height = label.image.height();
    QString caption =
        pick(portuguese, "%1: %2 x %3 mm (%4 x %5 pontos), %6", "%1: %2 x %3 mm (%4 x %5 dots), %6")
            .arg(name, millimetres(width, portuguese), millimetres(height, portuguese),
                 QString::number(width), QString::number(height), copies(label.copies, portuguese));
    if (label.across > 1) {
        caption += pick(portuguese, ", %1 por fileira", ", %1 across").arg(label.across);
    }
    if (!label.complete) {
        caption += pick(portuguese, "; incompleta: a impressora aguardaria o fim da etiqueta",
                        "; incomplete: the printer would wait for the rest of the label");
    }
    return caption;
}

}  // namespace rotulano::window::previewTexts
