#include "shell/edit_panel.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "ground/parallel.h"
#include "session/photo_session.h"
#include "session/words.h"
#include "shell/accessible_names.h"
#include "shell/action_table.h"
#include "shell/dialogs.h"
#include "shell/photo_pane.h"
#include "widgets/crop_frame.h"
#include "widgets/display_scale.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/mirror.h"

namespace corvessa {

namespace {

// The screen-size copy is never smaller than this on its longer side, so a
// small window still shows the edits in some detail.
constexpr int kLeastCopySide = 512;
// Around the photo in the photo area, for the crop frame's handles.
constexpr int kFrameRoom = 8;

// `width`:`height` in its lowest terms.
std::pair<int, int> Lowest(int width, int height) {
    const int divisor = std::max(1, std::gcd(width, height));
    return {width / divisor, height / divisor};
}

std::shared_ptr<const TBitmap> ScreenCopy(const std::shared_ptr<const TBitmap>& photo, int longest) {
    const int side = std::max(photo->Width(), photo->Height());
    if (side <= longest) return photo;
    const int width = std::max(1, int(int64_t(photo->Width()) * longest / side));
    const int height = std::max(1, int(int64_t(photo->Height()) * longest / side));
    DisplayScaler scaler;
    auto copy = std::make_shared<TBitmap>();
    scaler.Scale(*photo, width, height, {0, 0, width, height}, *copy);
    return copy;
}

}  // namespace

TEditPanel::TEditPanel(QWidget& window, PhotoSession& session, TPhotoPane& pane, ShellDialogs& dialogs,
                       std::function<void(const SessionChange&)> applied, std::function<int()> rowThreads)
    : session_(session),
      pane_(pane),
      dialogs_(dialogs),
      applied_(std::move(applied)),
      rowThreads_(std::move(rowThreads)) {
    CreateControls(window);
    view_ = new TImageView(pane_.Area());
    view_->setObjectName(QStringLiteral("ImgEdit"));
    view_->hide();
    NamePhotoView(*view_, AccessibleText::tr("The photo being edited"));
    frame_ = new TCropFrame(view_);
    frame_->setAccessibleName(AccessibleText::tr("Crop frame"));
    frame_->setFocusPolicy(Qt::StrongFocus);
    frame_->installEventFilter(this);
    connect(frame_, &TCropFrame::FrameDragged, this, [this](PixelRect frame, bool) {
        if (!edit_) return;
        const auto [ratioWidth, ratioHeight] = ShapeRatio();
        edit_->SetCrop(Crop{frame.x, frame.y, frame.width, frame.height, ratioWidth, ratioHeight});
        ShowFrame();
        UpdateView();
    });
    pane_.Area()->installEventFilter(this);
    pane_.Watch([this] { return Accepting(); }, true);
    // The busy line's Cancel stops the full-size edit; the panel stays.
    connect(&pane_, &TPhotoPane::CancelPressed, this, [this] {
        if (Accepting()) Cancel();
    });
}

TEditPanel::~TEditPanel() = default;

bool TEditPanel::Busy() const {
    return copying_.Running() || viewing_.Running() || accept_.Running() || viewWanted_;
}

void TEditPanel::Open() {
    if (Editing() || !session_.HasPhoto()) return;
    edit_.emplace(session_);
    shape_ = kNoCrop;
    lastView_ = {};
    copy_.reset();
    viewWanted_ = false;
    const std::pair<int, int> screen = ScreenShape();
    comboShape_->setItemText(kScreenCrop, tr("Screen (%1:%2)").arg(screen.first).arg(screen.second));
    // The photo itself until its copy is made.
    view_->ShowShared(edit_->Photo());
    ShowEdits();
    Refit();
    panel_->show();
    panel_->raise();
    view_->show();
    view_->raise();
    // The working photo under the edits is not shown beside them.
    pane_.View()->hide();
    SetControlsEnabled(true);
    panel_->window()->activateWindow();
    frame_->setFocus(Qt::OtherFocusReason);
    // As many pixels as the photo area has for it on this screen.
    const QWidget* area = pane_.Area();
    const int longest = std::max(kLeastCopySide, int(std::max(area->width(), area->height()) * area->devicePixelRatioF()));
    copying_.Start([photo = edit_->Photo(), longest] { return ScreenCopy(photo, longest); },
                   [this](std::shared_ptr<const TBitmap> copy) {
                       copy_ = std::move(copy);
                       UpdateView();
                   },
                   [this](const std::string& message) { dialogs_.ShowError(message); });
    emit EditingChanged(true);
}

void TEditPanel::Close() {
    copying_.Drop();
    viewing_.Drop();
    accept_.Drop();
    edit_.reset();
    copy_.reset();
    lastView_ = {};
    viewWanted_ = false;
    panel_->hide();
    view_->hide();
    view_->ShowShared(nullptr);
    pane_.View()->show();
    pane_.UpdateBusy();
    emit EditingChanged(false);
}

void TEditPanel::Accept() {
    if (!edit_ || Accepting()) return;
    if (!edit_->Changed()) {
        // Nothing to apply: no step of the history either.
        Close();
        return;
    }
    SetControlsEnabled(false);
    accept_.Start(
        [photo = edit_->Photo(), edits = edit_->Edits(), threads = rowThreads_()] {
            LimitRowThreads(threads);
            return std::make_shared<const TBitmap>(ApplyEdits(*photo, edits));
        },
        [this](std::shared_ptr<const TBitmap> edited) {
            const uint64_t generation = edit_->Generation();
            Close();
            const SessionChange change = session_.ApplyEdit(generation, std::move(edited));
            applied_(change);
            if (change.workPhotoReplaced) pane_.Tell(tr("Applied the edits"));
        },
        [this](const std::string& message) {
            pane_.UpdateBusy();
            SetControlsEnabled(true);
            dialogs_.ShowError(message);
        });
    pane_.StartBusy(tr("Applying the edits"));
}

bool TEditPanel::Cancel() {
    if (Accepting()) {
        accept_.Drop();
        pane_.UpdateBusy();
        SetControlsEnabled(true);
        return true;
    }
    if (!Editing()) return false;
    Close();
    return true;
}

void TEditPanel::WorkPhotoReplaced() {
    if (Editing()) Close();
}

void TEditPanel::Refit() {
    if (!edit_) return;
    // The whole of the photo in the area, with room around it to hold the
    // frame's handles.
    const QWidget* area = pane_.Area();
    const PixelRect whole = edit_->Uncropped();
    const double scale =
        std::min(double(area->width() - 2 * kFrameRoom) / whole.width, double(area->height() - 2 * kFrameRoom) / whole.height);
    const int width = std::max(1, int(whole.width * scale)), height = std::max(1, int(whole.height * scale));
    PlaceAt(*view_, QRect((area->width() - width) / 2, (area->height() - height) / 2, width, height));
    // Also while the window is hidden, when the view hears of no resize.
    frame_->setGeometry(view_->rect());
}

void TEditPanel::ChooseShape(int index) {
    if (!edit_ || index < 0 || index >= int(std::size(kCropShapes))) return;
    shape_ = index;
    ApplyShape();
    ShowEdits();
    UpdateView();
}

std::pair<int, int> TEditPanel::ScreenShape() const {
    const QScreen* screen = panel_->screen() ? panel_->screen() : QGuiApplication::primaryScreen();
    return Lowest(screen->size().width(), screen->size().height());
}

std::pair<int, int> TEditPanel::ShapeRatio() const {
    if (shape_ == kOriginalCrop) {
        const bool across = edit_->Edits().quarterTurns % 2 == 1;
        const TBitmap& photo = *edit_->Photo();
        return Lowest(across ? photo.Height() : photo.Width(), across ? photo.Width() : photo.Height());
    }
    if (shape_ == kScreenCrop) return ScreenShape();
    return {kCropShapes[size_t(shape_)].ratioWidth, kCropShapes[size_t(shape_)].ratioHeight};
}

void TEditPanel::ApplyShape() {
    const auto [ratioWidth, ratioHeight] = ShapeRatio();
    edit_->SetCrop(ratioWidth > 0 ? std::optional(Crop{0, 0, 0, 0, ratioWidth, ratioHeight}) : std::nullopt);
}

void TEditPanel::Turn(int quarterTurns) {
    if (!edit_) return;
    edit_->Turn(quarterTurns);
    // The frame of a shape goes back to its largest, the photo's own turned with it.
    if (shape_ != kNoCrop) ApplyShape();
    ShowEdits();
    Refit();
    UpdateView();
}

void TEditPanel::Flip(bool horizontal) {
    if (!edit_) return;
    edit_->Flip(horizontal);
    ShowEdits();
    UpdateView();
}

void TEditPanel::Straighten(int tenths) {
    if (!edit_) return;
    edit_->Straighten(tenths * kStraightenStep);
    ShowEdits();
    Refit();
    UpdateView();
}

void TEditPanel::SetValue(AdjustmentId id, int value) {
    if (!edit_) return;
    edit_->SetValue(id, value);
    ShowEdits();
    UpdateView();
}

void TEditPanel::AutoClick() {
    if (!edit_) return;
    edit_->Auto();
    ShowEdits();
    UpdateView();
}

void TEditPanel::ResetClick() {
    if (!edit_) return;
    edit_->Reset();
    shape_ = kNoCrop;
    ShowEdits();
    Refit();
    UpdateView();
}

void TEditPanel::ShowEdits() {
    const EditSettings& edits = edit_->Edits();
    {
        const QSignalBlocker blockShape(comboShape_), blockStraighten(sliderStraighten_);
        comboShape_->setCurrentIndex(shape_);
        sliderStraighten_->setValue(int(std::lround(edits.straightenDegrees / kStraightenStep)));
    }
    labelStraighten_->setText(QStringLiteral("%1%2\u00b0")
                                  .arg(edits.straightenDegrees > 0 ? QStringLiteral("+") : QString())
                                  .arg(edits.straightenDegrees, 0, 'f', 1));
    // A screen reader hears the value as the panel shows it, not the slider's steps.
    sliderStraighten_->setAccessibleDescription(labelStraighten_->text());
    for (const Adjustment& row : kAdjustments) {
        QSlider* slider = sliders_[size_t(row.id)];
        const QSignalBlocker block(slider);
        slider->setValue(edits.Value(row.id));
        values_[size_t(row.id)]->setText(AdjustmentText(row, edits.Value(row.id)));
        slider->setAccessibleDescription(values_[size_t(row.id)]->text());
    }
    ShowFrame();
}

void TEditPanel::ShowFrame() {
    const PixelRect whole = edit_->Uncropped(), kept = edit_->Kept();
    frame_->SetPicture(whole.width, whole.height);
    const auto [ratioWidth, ratioHeight] = ShapeRatio();
    if (shape_ == kNoCrop)
        frame_->SetFrame(std::nullopt, 0, 0);
    else
        frame_->SetFrame(kept, ratioWidth, ratioHeight);
    labelSize_->setText(tr("%1 \u00d7 %2 pixels").arg(kept.width).arg(kept.height));
}

void TEditPanel::UpdateView() {
    if (!edit_ || !copy_) return;
    if (viewing_.Running()) {
        viewWanted_ = true;
        return;
    }
    viewWanted_ = false;
    viewing_.Start(
        [copy = copy_, width = edit_->Photo()->Width(), height = edit_->Photo()->Height(), edits = edit_->Edits(),
         earlier = lastView_, threads = rowThreads_()] {
            LimitRowThreads(threads);
            return MakeEditView(copy, width, height, edits, earlier);
        },
        [this](EditView view) {
            lastView_ = std::move(view);
            view_->ShowShared(lastView_.shown);
            if (viewWanted_) UpdateView();
        },
        [this](const std::string& message) {
            pane_.Tell(MessageWords(message));
            if (viewWanted_) UpdateView();
        });
}

void TEditPanel::SetControlsEnabled(bool enabled) {
    panel_->setEnabled(enabled);
    frame_->setEnabled(enabled);
}

// The framed crop frame's keys: arrows move it, with Shift they size it.
bool TEditPanel::NudgeFrame(const OwnKey& key) {
    const int step = key.index == 0 ? -1 : 1;
    switch (key.action) {
    case Action::kCropAlong: frame_->Nudge(FrameHandle::kInside, step, 0); return true;
    case Action::kCropAcross: frame_->Nudge(FrameHandle::kInside, 0, step); return true;
    case Action::kCropWidth: frame_->Nudge(FrameHandle::kRight, step, 0); return true;
    case Action::kCropHeight: frame_->Nudge(FrameHandle::kBottom, 0, step); return true;
    default: return false;
    }
}

bool TEditPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pane_.Area()) {
        if (event->type() == QEvent::Resize) Refit();
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && Editing()) {
        const std::optional<OwnKey> key = OwnKeyOf(*static_cast<QKeyEvent*>(event), ActionWindow::kEditPanel);
        if (key && key->action == Action::kAcceptEdit) {
            Accept();
            return true;
        }
        if (key && watched == frame_) return NudgeFrame(*key);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvessa
