#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace rotulano::window {

// The dialog the window shows while a print job runs: the row going out (row n of N, its
// item and label type), the labels sent so far and a button that cancels the job. Closing
// the dialog asks whether to cancel; it closes only when the job has ended, so the row in
// flight always ends first. Captions follow the interface language. It is not modal: a
// modal dialog would keep the main window's own close from reaching it, and that close
// must ask the same question; the job keeps the main window's controls disabled instead.
class PrintProgressDialog : public QDialog {
    Q_OBJECT

  public:
    PrintProgressDialog(QWidget* parent, bool portuguese, int rowCount);

    // Row `index` of the job's `count` rows goes out: its "Item" and label type.
    void showRow(int index, int count, const QString& item, const QString& labelType);
    void showLabelsSent(long long labels);
    // The job is over: the dialog closes.
    void jobEnded();
    bool hasEnded() const { return ended_; }
    // Asks whether to cancel (unless a cancel is under way already) and cancels on "Sim";
    // true when the job is being cancelled.
    bool confirmCancel();

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
