#pragma once
// TBatchSummaryPage: the batch dialog's page once a batch has ended. How
// many photos were rendered, skipped, not rendered for a Cancel, and every
// photo that failed with the reason, then under "Rendered with a warning:"
// every photo that opened only in part; "Open Folder" shows the outputs.

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;

namespace corvessa {

class ShellDialogs;
struct BatchTally;

class TBatchSummaryPage : public QWidget {
    Q_OBJECT
public:
    // "Open Folder" asks the desktop through `dialogs()`.
    explicit TBatchSummaryPage(std::function<ShellDialogs&()> dialogs);

    // Shows what the batch `tally` counted.
    void Show(const BatchTally& tally);
    // "Open Folder": the desktop shows the output folder, or the page says
    // that nothing can.
    void BtnOpenFolderClick();

signals:
    void NewBatchPressed();
    void ClosePressed();

private:
    std::function<ShellDialogs&()> dialogs_;
    std::string outputFolder_;
    QLabel* labelSummary_ = nullptr;
    QListWidget* listFailures_ = nullptr;
    QLabel* labelWarnings_ = nullptr;
    QListWidget* listWarnings_ = nullptr;
    QLabel* labelOpenFailed_ = nullptr;
};

}  // namespace corvessa
