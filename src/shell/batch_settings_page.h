#pragma once
// TBatchSettingsPage: the batch dialog's first page, what a batch is to do.
// The photos (files, a folder, or files dropped on the dialog, each with a
// small picture), the look (the one last shown in the preview, one of a
// category's ten thumbnails drawn from the first photo, or a .cube file)
// with its colour and strength, the edits before the look
// (batch_edit_box.h), and the outputs: folder, format and names,
// and whether photos done already are skipped. Its choices come back in
// the next run (Recall, Remember).

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "looks/render_context.h"

class QBoxLayout;
class QCheckBox;
class QSpinBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPixmap;
class QPushButton;
class QRadioButton;
class QSlider;
class QThreadPool;

namespace corvessa {

class BatchQuestions;
class Remembered;
class TBatchEditBox;

class TBatchSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Asks the user through `questions`; draws the thumbnails with
    // `pictures`; Start is offered while `running` says no batch runs.
    TBatchSettingsPage(BatchQuestions& questions, std::shared_ptr<const PictureSource> pictures,
                       std::function<bool()> running);
    // The pictures being made post back to the page: they end first.
    ~TBatchSettingsPage() override;

    // The look last shown in the preview, with its colour and strength (a
    // category of 0 when none has been shown), is offered and chosen; so
    // is one of the user's tables the preview showed.
    void OfferPreviewLook(const batch::BatchLook& look);
    void AddPhotos(const std::vector<std::string>& paths);
    // The photos directly in `folder`, by name.
    void AddFolder(const std::string& folder);
    std::vector<std::string> Photos() const;
    // The small picture of photo `path`, once made.
    QPixmap PhotoIcon(const std::string& path) const;

    // What the controls say; the name pattern throws when it is wrong.
    batch::BatchSettings Settings() const;
    // Enables what applies to the chosen look and the photos, and shows the
    // first output's name.
    void Refresh();
    // Whether the look is "A .cube file", and the file it names read again
    // as it is now (nothing when no file is named).
    bool CubeChosen() const;
    std::optional<UserLook> ReadCubeAgain();

    void BtnAddFilesClick();
    void BtnAddFolderClick();
    void BtnColourClick();
    void BtnOutputFolderClick();
    // "A .cube file": Browse... chooses the table whose path the field holds.
    void BtnCubeFileClick();

    // The choices of the last run, each checked; the controls' now.
    void Recall(const Remembered& kept);
    void Remember(Remembered& kept) const;

signals:
    void StartPressed();
    void ClosePressed();
    // The chosen category's thumbnails are shown.
    void LooksShown();

private:
    QGroupBox* CreatePhotosBox();
    QGroupBox* CreateLookBox();
    // The rows of the category and its thumbnails, and of a .cube file.
    void AddLookSourceRows(QBoxLayout& rows);
    QLayout* CreateColourRow();
    QGroupBox* CreateOutputBox();
    QLayout* CreateSharingRow();
    QLayout* CreateButtons();
    // Tab along the page's two columns, each from the top down.
    void OrderForKeys();
    // The chosen look, as the radio buttons, the category and the
    // thumbnails say.
    Look ChosenLook() const;
    void UsePreviewLook();
    // The table "A .cube file" names, as far as it was read for the
    // example line (its name; the table itself is read again at Start).
    UserLook CubeLook() const;
    void ReadCubeLook();
    void ShowColour();
    // Refresh's part for the look: which of the colour controls apply,
    // the cube field's warning; whether a look to render is chosen.
    bool RefreshLook();
    // The first photo's ten thumbnails of the chosen category, made in the
    // background.
    void RenderLooks();
    void MakeThumbnail(const std::string& path);

    BatchQuestions& questions_;
    std::shared_ptr<const PictureSource> pictures_;
    std::function<bool()> running_;
    QThreadPool* pool_ = nullptr;  // thumbnails and looks
    int looksGeneration_ = 0;      // drops thumbnails of an older choice

    batch::BatchLook previewLook_;  // category 0: none offered
    Rgb colour_ = kWhite;
    bool folderChosen_ = false;  // by the user, not from the first photo
    // The look source the user last picked: an offered preview look is
    // taken only while it is "the look in the preview".
    bool preferPreview_ = true;
    bool preferCube_ = false;  // or a .cube file
    UserLook cubeLook_;        // read when the path was chosen or edited

    QListWidget* listPhotos_ = nullptr;
    QPushButton* btnRemove_ = nullptr;
    QRadioButton* radioPreview_ = nullptr;
    QRadioButton* radioChoose_ = nullptr;
    QComboBox* comboCategory_ = nullptr;
    QRadioButton* radioCube_ = nullptr;
    QLineEdit* editCube_ = nullptr;
    QListWidget* listLooks_ = nullptr;
    QLabel* labelLooks_ = nullptr;
    QCheckBox* checkColour_ = nullptr;
    QPushButton* btnColour_ = nullptr;
    QSlider* sliderStrength_ = nullptr;
    QLabel* labelStrength_ = nullptr;
    TBatchEditBox* editBox_ = nullptr;
    QLineEdit* editFolder_ = nullptr;
    QComboBox* comboFormat_ = nullptr;
    QLineEdit* editName_ = nullptr;
    QLabel* labelExample_ = nullptr;
    QCheckBox* checkSkip_ = nullptr;
    // Copies to share: a long edge (its lowest value: full size), sRGB,
    // without the location.
    QSpinBox* spinLongEdge_ = nullptr;
    QCheckBox* checkSrgb_ = nullptr;
    QCheckBox* checkNoLocation_ = nullptr;
    QCheckBox* checkFaces_ = nullptr;
    QPushButton* btnStart_ = nullptr;
};

}  // namespace corvessa
