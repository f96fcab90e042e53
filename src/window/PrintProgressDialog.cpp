#include "window/PrintProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/TitleWidth.h"

namespace rotulano::window {

PrintProgressDialog::PrintProgressDialog(QWidget* parent, bool portuguese, int rowCount)
    : QDialog(parent),
      portuguese_(portuguese),
      rowText_(new QLabel(this)),
      itemText_(new QLabel(this)),
      typeText_(new QLabel(this)),
      sentText_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancelButton_(new QPushButton(caption("Cancelar", "Cancel"), this)) {
    setObjectName(QStringLiteral("DLG-IMPRESSAO"));
    setWindowTitle(caption("Imprimindo etiquetas", "Printing labels"));
    rowText_->setObjectName(QStringLiteral("W-PROG-LINHA"));
    itemText_->setObjectName(QStringLiteral("W-PROG-ITEM"));
    typeText_->setObjectName(QStringLiteral("W-PROG-ETIQUETA"));
    sentText_->setObjectName(QStringLiteral("W-PROG-ENVIADAS"));
    cancelButton_->setObjectName(QStringLiteral("BT-CANCELAR"));
    bar_->setRange(0, rowCount);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : {static_cast<QWidget*>(rowText_), static_cast<QWidget*>(itemText_),
                            static_cast<QWidget*>(typeText_), static_cast<QWidget*>(sentText_),
                            static_cast<QWidget*>(bar_), static_cast<QWidget*>(cancelButton_)}) {
        layout->addWidget(widget);
    }
    showLabelsSent(0);
    setMinimumWidth(widthForTitle(*this, windowTitle()));
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

QString PrintProgressDialog::caption(const char* portuguese, const char* english) const {
    return QString::fromUtf8(portuguese_ ? portuguese : english);
}

void PrintProgressDialog::showRow(int index, int count, const QString& item,
                                  const QString& labelType) {
    if (!cancelling_) {
        rowText_->setText(caption("Linha %1 de %2", "Row %1 of %2").arg(index).arg(count));
    }
    itemText_->setText(QStringLiteral("Item %1").arg(item));
    typeText_->setText(caption("Etiqueta: %1", "Label: %1").arg(labelType));
    bar_->setValue(index - 1);
}

void PrintProgressDialog::showLabelsSent(long long labels) {
    sentText_->setText(caption("Etiquetas enviadas: %1", "Labels sent: %1").arg(labels));
}

void PrintProgressDialog::jobEnded() {
    ended_ = true;
    bar_->setValue(bar_->maximum());
    accept();
}

// Escape and the window's close button come here: the job is asked to end, never left.
void PrintProgressDialog::reject() {
    if (ended_) {
        QDialog::reject();
        return;
    }
    confirmCancel();
}

bool PrintProgressDialog::confirmCancel() {
    if (!cancelling_ && !ended_ && askCancel && askCancel()) {
        cancel();
    }
    return cancelling_;
}

void PrintProgressDialog::cancel() {
    if (cancelling_ || ended_) {
        return;
    }
    cancelling_ = true;
    cancelButton_->setEnabled(false);
    rowText_->setText(caption("Cancelando: a linha em envio termina antes.",
                              "Cancelling: the row being sent ends first."));
    if (onCancel) {
        onCancel();
    }
}

}  // namespace rotulano::window
