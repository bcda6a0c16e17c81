#pragma once
// TFormPreview: the preview dialog of the effect browser. It shows the
// full-size render of the thumbnail clicked last and offers "Apply",
// "Cancel" and "Change Color", a strength slider that mixes the look with
// the photo, "Compare" (held down: the photo as it was) and zoom. It never
// blocks the main window: while it is open the user may press categories,
// other thumbnails, Open, Save or Undo. Created hidden right after the main
// window and only hidden, never destroyed, until the program ends.

#include <QWidget>
#include <memory>
#include <string>
#include <utility>

#include "ground/bitmap.h"
#include "shell/window_job.h"

class QLabel;
class QPushButton;
class QSlider;

namespace corvessa {

class TFlatPanel;
class TImageView;

// The dialog's client size when it opens; it may be resized from there.
inline constexpr int kPreviewClientWidth = 395;
inline constexpr int kPreviewClientHeight = 290;

class TFormPreview : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by the main window `owner`; it opens over
    // the owner's photo area `photoArea`.
    TFormPreview(QWidget& owner, const QWidget& photoArea);

    TFlatPanel* Panel1() const { return panel1_; }
    TImageView* ImgPreview() const { return imgPreview_; }
    QLabel* Label1() const { return label1_; }  // "PROCESSING---"
    QLabel* Label2() const { return label2_; }  // "Wait seconds"
    QPushButton* BtnColor() const { return btnColor_; }
    QPushButton* BtnApply() const { return btnApply_; }
    QPushButton* BtnCancel() const { return btnCancel_; }
    QPushButton* BtnCompare() const { return btnCompare_; }
    QSlider* SliderStrength() const { return sliderStrength_; }

    // Hides the last result and shows the two red labels; Apply waits for
    // the render.
    void ShowProcessing();
    // Fits ImgPreview to `photo` (its aspect at the panel's height, centred,
    // clipped by the panel when wider; a grown dialog fits the photo whole)
    // and shows the dialog in front.
    void PreparePreview(const TBitmap& photo);
    // Where and how large the dialog opens: as saveGeometry gave it (a
    // geometry that cannot be restored is ignored), or, with `useful` and
    // nothing restored, at a useful size for the photo (UsefulPreviewSize)
    // rather than the dialog's own small one.
    void RestorePlace(const QByteArray& geometry, bool useful);
    // Whether the dialog has a place of its own yet (shown, or restored).
    bool Placed() const { return placed_; }
    // Shows `look`, rendered from `source`, in place of the labels, mixed
    // at `strength` (the session's); a new look is fitted again.
    void ShowResult(std::shared_ptr<const TBitmap> look, std::shared_ptr<const TBitmap> source, int strength,
                    bool newLook);
    // The result belongs to the photo it was rendered from: when the
    // working photo is replaced the preview closes.
    void WorkPhotoReplaced();

    // The strength of the look, 0..100, as the slider shows it; a change
    // is told by StrengthChanged. The mix is made off the window's thread;
    // the view shows the newest one done, and values passed while one is
    // made are skipped.
    int Strength() const { return strength_; }
    void SetStrength(int strength);
    // Whether a mix is being made.
    bool Mixing() const { return mixing_.Running(); }
    // What Apply commits: the look mixed with its photo at the strength
    // (mixed now if the newest mix is not that one). Throws when the mix
    // cannot be made (no memory for it).
    std::shared_ptr<const TBitmap> Result();
    // Whether the photo as it was shows in place of the look.
    void SetComparing(bool comparing);

    void BtnApplyClick();
    // Cancel: hides the dialog and drops the render it waits for.
    void Button2Click();
    void BtnColorClick();

signals:
    // Apply: `result` is to become the working photo.
    void ApplyRequested(std::shared_ptr<const TBitmap> result);
    // Change Color: the look shown is to be rendered again with a colour
    // the user picks.
    void ChangeColorRequested();
    // The user moved the strength to `strength`.
    void StrengthChanged(int strength);
    // Cancel (or its key): the dialog hides, and the render it waits for, if
    // any, is not wanted any more.
    void CancelRequested();
    // A mix of the look with its photo could not be made, for the reason
    // `message` gives.
    void Failed(const std::string& message);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void LayOut();
    // Lets go of the last result and the photo it was rendered from.
    void ForgetResult();
    // Lets go of the mixes of the look.
    void ForgetMix();
    // The image panel's fit of the photo shown.
    void FitImage();
    void ShowCurrent();

    const QWidget& photoArea_;
    TFlatPanel* panel1_ = nullptr;
    TImageView* imgPreview_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* btnColor_ = nullptr;
    QPushButton* btnApply_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnCompare_ = nullptr;
    QSlider* sliderStrength_ = nullptr;
    QLabel* labelStrength_ = nullptr;

    int photoWidth_ = 0, photoHeight_ = 0;  // of the photo the image is fitted to
    std::shared_ptr<const TBitmap> look_, source_;
    // Starts a mix at the strength unless one is being made; that one's end
    // starts the next.
    void MixInBackground();
    // The look at `mixedStrength_`, made when the strength is below 100,
    // and the buffer the next mix is made in (never one that is shown).
    std::shared_ptr<TBitmap> mixed_, spare_;
    int mixedStrength_ = -1;
    WindowJob<std::pair<std::shared_ptr<TBitmap>, int>> mixing_{this};
    int strength_ = 100;
    bool comparing_ = false;
    bool placed_ = false;  // moved over the main window's photo area yet
    bool usefulSize_ = false;  // opens at UsefulPreviewSize until placed
};

}  // namespace corvessa
