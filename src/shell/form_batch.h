#pragma once
// TFormBatch: one look on many photos, from the window. The user gathers
// photos (files, a folder, or files dropped on the dialog), takes the look
// last shown in the preview or picks one from a category's ten thumbnails
// of the first photo, sets its colour and strength, and says where the
// outputs go, in which format and under which names. The batch runs in
// the background (TBatchRunner) while a progress panel counts it down; a
// summary lists every failure at the end, and every photo rendered with a
// warning (one that opened only in part). The main window stays usable
// throughout, and the dialog may be closed and reopened while it runs.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "looks/render_context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QElapsedTimer;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QThreadPool;
class QTimer;

namespace corvessa {

class Remembered;
class ShellDialogs;
class TBatchRunner;

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

    // The look last shown in the preview, with its colour and strength (a
    // category of 0 when none has been shown), is offered and chosen; so
    // is one of the user's tables the preview showed.
    void OfferPreviewLook(const batch::BatchLook& look);
    void AddPhotos(const std::vector<std::string>& paths);
    // The photos directly in `folder`, by name.
    void AddFolder(const std::string& folder);
    std::vector<std::string> Photos() const;

    // What the controls say; the name pattern throws when it is wrong.
    batch::BatchSettings Settings() const;
    void Start();
    void Cancel();
    bool Running() const;

    void BtnAddFilesClick();
    void BtnAddFolderClick();
    void BtnColourClick();
    void BtnOutputFolderClick();
    // The summary's "Open Folder": the desktop shows the output folder, or
    // the dialog says that nothing can.
    void BtnOpenFolderClick();
    // "A .cube file": Browse... chooses the table whose path the field holds.
    void BtnCubeFileClick();

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
    // The choices of the last run, each checked; the controls' now.
    void Recall();
    void Remember();
    void CreateSettingsPage();
    void CreateProgressPage();
    void CreateSummaryPage();
    // The chosen look, as the radio buttons, the category and the
    // thumbnails say.
    Look ChosenLook() const;
    // Enables what applies to the chosen look and the photos, and shows the
    // first output's name.
    void Refresh();
    void UsePreviewLook();
    // The table "A .cube file" names, as far as it was read for the
    // example line (its name; the table itself is read again at Start).
    UserLook CubeLook() const;
    void ReadCubeLook();
    void ShowColour();
    // The first photo's ten thumbnails of the chosen category, made in the
    // background.
    void RenderLooks();
    void MakeThumbnail(const std::string& path);
    void PhotoStarted(qsizetype index);
    void PhotoFinished(const batch::PhotoOutcome& outcome);
    void Finished(const batch::BatchCounts& counts);
    void ShowTimes();

    std::shared_ptr<const PictureSource> pictures_;
    std::unique_ptr<BatchQuestions> questions_;
    ShellDialogs* dialogs_ = nullptr;
    std::unique_ptr<ShellDialogs> ownDialogs_;  // made when first needed, without `dialogs`
    std::shared_ptr<Remembered> remembered_;
    QThreadPool* pool_ = nullptr;  // thumbnails and looks
    int looksGeneration_ = 0;       // drops thumbnails of an older choice

    batch::BatchLook previewLook_;  // category 0: none offered
    Rgb colour_ = kWhite;
    bool folderChosen_ = false;     // by the user, not from the first photo
    bool placed_ = false;           // over the main window, when first shown
    // The look source the user last picked: an offered preview look is
    // taken only while it is "the look in the preview".
    bool preferPreview_ = true;
    bool preferCube_ = false;  // or a .cube file
    UserLook cubeLook_;        // read when the path was chosen or edited
    bool everShown_ = false;

    QStackedWidget* pages_ = nullptr;
    // Settings.
    QListWidget* listPhotos_ = nullptr;
    QPushButton* btnAddFiles_ = nullptr;
    QPushButton* btnAddFolder_ = nullptr;
    QPushButton* btnRemove_ = nullptr;
    QRadioButton* radioPreview_ = nullptr;
    QRadioButton* radioChoose_ = nullptr;
    QComboBox* comboCategory_ = nullptr;
    QRadioButton* radioCube_ = nullptr;
    QLineEdit* editCube_ = nullptr;
    QPushButton* btnCube_ = nullptr;
    QListWidget* listLooks_ = nullptr;
    QLabel* labelLooks_ = nullptr;
    QCheckBox* checkColour_ = nullptr;
    QPushButton* btnColour_ = nullptr;
    QSlider* sliderStrength_ = nullptr;
    QLabel* labelStrength_ = nullptr;
    QLineEdit* editFolder_ = nullptr;
    QPushButton* btnFolder_ = nullptr;
    QComboBox* comboFormat_ = nullptr;
    QLineEdit* editName_ = nullptr;
    QLabel* labelExample_ = nullptr;
    QCheckBox* checkSkip_ = nullptr;
    QPushButton* btnStart_ = nullptr;
    // Progress.
    QLabel* labelProgress_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* labelCurrent_ = nullptr;
    QLabel* labelCurrentIcon_ = nullptr;
    QLabel* labelTime_ = nullptr;
    QLabel* labelFailedSoFar_ = nullptr;
    QListWidget* listDone_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    // Summary.
    QLabel* labelSummary_ = nullptr;
    QListWidget* listFailures_ = nullptr;
    QLabel* labelWarnings_ = nullptr;
    QListWidget* listWarnings_ = nullptr;
    QLabel* labelOpenFailed_ = nullptr;
    QPushButton* btnOpenFolder_ = nullptr;
    QPushButton* btnNewBatch_ = nullptr;

    // The batch running or last run.
    std::unique_ptr<TBatchRunner> runner_;
    std::unique_ptr<QElapsedTimer> clock_;
    QTimer* ticker_ = nullptr;
    std::string outputFolder_;
    size_t total_ = 0;
    batch::BatchCounts counts_;
    size_t processed_ = 0;  // rendered or failed: what the time left is reckoned from
    std::vector<batch::PhotoOutcome> failures_;
    std::vector<batch::PhotoOutcome> warnings_;  // rendered, but opened only in part
};

}  // namespace corvessa
