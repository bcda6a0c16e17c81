#pragma once
// TFormBatch: one look on many photos, from the window. A frame over three
// pages: the settings (batch_settings_page.h: the photos, the look and the
// outputs), the progress while the batch runs in the background
// (TBatchRunner; batch_progress_page.h) and the summary at the end
// (batch_summary_page.h). The main window stays usable throughout, and the
// dialog may be closed and reopened while a batch runs. Its choices come
// back in the next run.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "looks/render_context.h"

class QStackedWidget;

namespace corvessa {

class Remembered;
class ShellDialogs;
class TBatchProgressPage;
class TBatchRunner;
class TBatchSettingsPage;
class TBatchSummaryPage;

// What the batch dialog asks the user through modal dialogs, behind one
// interface so tests can answer in place of the user.
class BatchQuestions {
public:
    virtual ~BatchQuestions() = default;
    // The photos chosen (several at once); none when the user cancelled.
    virtual std::vector<std::string> ChoosePhotos() = 0;
    // A folder whose photos are added.
    virtual std::optional<std::string> ChoosePhotoFolder() = 0;
    virtual std::optional<std::string> ChooseOutputFolder(const std::string& start) = 0;
    virtual std::optional<Rgb> ChooseColour(Rgb start) = 0;
    // A .cube colour table as the look; the dialog starts at `start`.
    virtual std::optional<std::string> ChooseCubeFile(const std::string& start) {
        (void)start;
        return std::nullopt;
    }
};

// The overlay pictures of `folder` with a cache of their own, to be shared
// with the threads of a batch.
std::shared_ptr<const PictureSource> SharedFolderPictures(std::string folder);

class TFormBatch : public QWidget {
    Q_OBJECT
public:
    // A window of its own owned by `owner`, rendering with `pictures`; Qt's
    // file and colour dialogs unless `questions` answer instead, and Qt's
    // message boxes and the desktop unless `dialogs` (which must outlive
    // the dialog) do. Its choices of the last run come from `remembered`
    // (the user's own settings when none is given) and go back there when
    // a batch starts and when the dialog closes.
    TFormBatch(QWidget* owner, std::shared_ptr<const PictureSource> pictures,
               std::unique_ptr<BatchQuestions> questions = nullptr, ShellDialogs* dialogs = nullptr,
               std::shared_ptr<Remembered> remembered = nullptr);
    ~TFormBatch() override;

    // The settings page's: the look the preview offers, the photos, and the
    // settings a batch would run with (the name pattern throws when wrong).
    void OfferPreviewLook(const batch::BatchLook& look);
    void AddPhotos(const std::vector<std::string>& paths);
    void AddFolder(const std::string& folder);
    std::vector<std::string> Photos() const;
    batch::BatchSettings Settings() const;
    void BtnOutputFolderClick();
    void BtnCubeFileClick();
    TBatchSettingsPage& SettingsPage() { return *settings_; }

    // Start: the batch runs with the settings, after a question when some
    // outputs exist already; nothing starts while the settings are wrong.
    void Start();
    void Cancel();
    bool Running() const;

signals:
    // The chosen category's thumbnails are shown.
    void LooksShown();
    // A batch ended and its summary is shown.
    void BatchFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    ShellDialogs& Dialogs();
    // The choices of the settings page and the dialog's place, kept.
    void Remember();
    // Whether the batch about to start may replace the outputs that exist
    // already, or skips them (in `settings`); false: it does not start.
    bool MayWriteOutputs(batch::BatchSettings& settings);
    void Finished(const batch::BatchCounts& counts);

    std::shared_ptr<const PictureSource> pictures_;
    std::unique_ptr<BatchQuestions> questions_;
    ShellDialogs* dialogs_ = nullptr;
    std::unique_ptr<ShellDialogs> ownDialogs_;  // made when first needed, without `dialogs`
    std::shared_ptr<Remembered> remembered_;
    bool placed_ = false;      // over the main window, when first shown
    bool everShown_ = false;

    QStackedWidget* pages_ = nullptr;
    TBatchSettingsPage* settings_ = nullptr;
    TBatchProgressPage* progress_ = nullptr;
    TBatchSummaryPage* summary_ = nullptr;
    // The batch running or last run.
    std::unique_ptr<TBatchRunner> runner_;
};

}  // namespace corvessa
