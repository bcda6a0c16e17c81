#pragma once
// TEditPanel: the main window's Edit panel (the Edit button under the
// tools, or its key, also from the preview). It lies over the strip while
// it is open: the crop's shape, the quarter turns and mirrors, the
// straightening and the ten adjustments of the adjustment table, with
// Auto, Reset, Cancel and Apply. The photo area shows the edits live over
// the working photo, with the crop frame (widgets/crop_frame.h) on them:
// each change is made off the window's thread on a screen-size copy of the
// photo, and a newer change waits for the one being made, then supersedes
// the changes that came before it. Only Apply edits the full-size photo,
// off the window's thread too, and hands it to the session as one Apply.
// The working photo under the panel stays as it was until then: Save
// writes it, and Undo, Redo or Open, which replace it, close the panel.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "edit/edit.h"
#include "session/photo_edit.h"
#include "shell/window_job.h"

class QComboBox;
class QEvent;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace corvessa {

struct OwnKey;
class PhotoSession;
class ShellDialogs;
class TCropFrame;
class TFlatPanel;
class TImageView;
class TPhotoPane;
struct SessionChange;

// The crop shapes the panel offers, in its order: none, a free frame, the
// photo's own shape, the fixed ones, and the screen's.
struct CropShape {
    const char* name;  // translated in the context "TEditPanel" where shown
    int ratioWidth, ratioHeight;  // 0:0: see kFreeCrop, kOriginalCrop, kScreenCrop
};
inline constexpr CropShape kCropShapes[] = {
    {QT_TRANSLATE_NOOP("TEditPanel", "No crop"), 0, 0},
    {QT_TRANSLATE_NOOP("TEditPanel", "Free"), 0, 0},
    {QT_TRANSLATE_NOOP("TEditPanel", "Original"), 0, 0},
    {"1:1", 1, 1},
    {"4:5", 4, 5},
    {"3:2", 3, 2},
    {"16:9", 16, 9},
    {"9:16", 9, 16},
    {QT_TRANSLATE_NOOP("TEditPanel", "Screen"), 0, 0},
};
inline constexpr int kNoCrop = 0, kFreeCrop = 1, kOriginalCrop = 2, kScreenCrop = 8;

// "+0.50 EV", "-20", "0": a slider's value as the panel shows it.
QString AdjustmentText(const Adjustment& row, int value);

class TEditPanel : public QObject {
    Q_OBJECT
public:
    // The panel in `window`, its view in the pane's photo area; `applied`
    // shows what accepting changed; the full-size edit runs with the
    // threads `rowThreads` gives.
    TEditPanel(QWidget& window, PhotoSession& session, TPhotoPane& pane, ShellDialogs& dialogs,
               std::function<void(const SessionChange&)> applied, std::function<int()> rowThreads);
    ~TEditPanel() override;

    TFlatPanel* Panel() const { return panel_; }
    // The panel's controls in the order Tab reaches them: the crop frame on
    // the photo, then down the shape, turns and straightening, down each
    // column of adjustments, and along the buttons.
    std::vector<QWidget*> KeyOrder() const;
    TImageView* View() const { return view_; }
    TCropFrame* Frame() const { return frame_; }
    bool Editing() const { return edit_.has_value(); }
    const EditSettings& Edits() const { return edit_->Edits(); }
    // Whether the screen-size copy, a view of the edits or the full-size
    // edit is being made.
    bool Busy() const;
    bool Accepting() const { return accept_.Running(); }

    // Opens the panel on the working photo, every edit at neutral; one
    // open already stays as it is.
    void Open();
    // Apply: the edits on the full-size photo become the working photo;
    // without a change the panel only closes.
    void Accept();
    // Cancel (or its key): the full-size edit being made is dropped and
    // the panel stays; else the panel closes and nothing changes. False
    // when there was nothing to cancel.
    bool Cancel();
    // The working photo was replaced: the edits of the one before go.
    void WorkPhotoReplaced();
    // The photo area changed its size.
    void Refit();

    // The panel's controls, as the user works them.
    void ChooseShape(int index);
    void Turn(int quarterTurns);
    void Flip(bool horizontal);
    void Straighten(int tenths);
    void SetValue(AdjustmentId id, int value);
    void AutoClick();
    void ResetClick();

signals:
    // The panel opened or closed.
    void EditingChanged(bool editing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool NudgeFrame(const OwnKey& key);

private:
    void CreateControls(QWidget& window);
    void CreateGeometryControls(class QGridLayout& grid);
    void CreateAdjustmentControls(class QGridLayout& grid);
    void CreateButtons(class QGridLayout& grid);
    void Close();
    // The controls, the frame and the size line as the edits stand.
    void ShowEdits();
    void ShowFrame();
    // The screen's shape, width:height.
    std::pair<int, int> ScreenShape() const;
    // The shape chosen, width:height (0:0 for none or a free frame).
    std::pair<int, int> ShapeRatio() const;
    // The crop of the shape chosen, at its largest.
    void ApplyShape();
    // Starts a view of the edits, or marks one to start when the view
    // being made is done.
    void UpdateView();
    void ShowView(const std::shared_ptr<const TBitmap>& picture);
    void SetControlsEnabled(bool enabled);

    PhotoSession& session_;
    TPhotoPane& pane_;
    ShellDialogs& dialogs_;
    std::function<void(const SessionChange&)> applied_;
    std::function<int()> rowThreads_;

    std::optional<PhotoEdit> edit_;
    std::shared_ptr<const TBitmap> copy_;  // the screen-size copy, once made
    EditView lastView_;
    bool viewWanted_ = false;  // a change came while a view was being made
    int shape_ = kNoCrop;

    TFlatPanel* panel_ = nullptr;
    TImageView* view_ = nullptr;
    TCropFrame* frame_ = nullptr;
    QComboBox* comboShape_ = nullptr;
    QSlider* sliderStraighten_ = nullptr;
    QLabel* labelStraighten_ = nullptr;
    QLabel* labelSize_ = nullptr;
    std::array<QSlider*, kAdjustmentCount> sliders_{};
    std::array<QLabel*, kAdjustmentCount> values_{};
    QPushButton* btnApply_ = nullptr;

    WindowJob<std::shared_ptr<const TBitmap>> copying_{this};
    WindowJob<EditView> viewing_{this};
    WindowJob<std::shared_ptr<const TBitmap>> accept_{this};
};

}  // namespace corvessa
