#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace rotulano::window {

// The modal dialog the window shows while a print job runs: the row going out (row n of
// N, its item and label type), the labels sent so far and a button that cancels the job.
// Closing the dialog asks whether to cancel; it closes only when the job has ended, so
// the row in flight always ends first. Captions follow the interface language.
class PrintProgressDialog : public QDialog {
    Q_OBJECT

  public:
    PrintProgressDialog(QWidget* parent, bool portuguese, int rowCount);

    // Row `index` of the job's `count` rows goes out: its "Item" and label type.
    void showRow(int index, int count, const QString& item, const QString& labelType);
    void showLabelsSent(long long labels);
    // The job is over: the dialog closes.
    void jobEnded();

    // Asked when the operator closes the dialog while the job runs: true cancels.
    std::function<bool()> askCancel;
    // Runs when the operator cancels (button, or a close confirmed).
    std::function<void()> onCancel;

  protected:
    void reject() override;

  private:
    void cancel();
    QString caption(const char* portuguese, const char* english) const;

    bool portuguese_;
    bool ended_ = false;
    bool cancelling_ = false;
    QLabel* rowText_;
    QLabel* itemText_;
    QLabel* typeText_;
    QLabel* sentText_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
};

}  // namespace rotulano::window
