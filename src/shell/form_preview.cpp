#include "shell/form_preview.h"

#include <QScreen>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <utility>

#include "ground/error.h"
#include "ground/strength.h"
#include "shell/accessible_names.h"
#include "shell/action_table.h"
#include "shell/controls.h"
#include "shell/main_layout.h"
#include "shell/preview_place.h"
#include "shell/window_place.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"
#include "widgets/mirror.h"

namespace corvessa {

namespace {

// A light red: the waiting words are large, and read at 3:1 on the olive
// panel.
const QColor kRed(255, 176, 176);

// The panel and the controls below it when the dialog opens.
constexpr int kPanelHeight = 230;
constexpr int kButtonTop = 248;
constexpr int kSliderTop = 231;

QLabel* MakeRedLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds, int fontHeight) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(WindowFont(fontHeight));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kRed);
    label->setPalette(palette);
    // Sized to its text, as labels are: the given size fits a narrow font,
    // and a wider one would cut the caption short.
    label->adjustSize();
    PlaceAt(*label, bounds.topLeft());
    return label;
}

}  // namespace

TFormPreview::TFormPreview(QWidget& owner, const QWidget& photoArea)
    : QWidget(&owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      photoArea_(photoArea) {
    setObjectName(QStringLiteral("FormPreview"));
    setWindowTitle(tr("Preview"));
    setFont(WindowFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, kPreviewFace);
    setPalette(face);
    setAutoFillBackground(true);
    // Opens at its own size, and is never made smaller than that.
    setMinimumSize(kPreviewClientWidth, kPreviewClientHeight);
    resize(kPreviewClientWidth, kPreviewClientHeight);
    move(277, 54);

    panel1_ = MakePanel(this, "Panel1", QRect(0, 0, 393, kPanelHeight), kOlive);
    imgPreview_ = new TImageView(panel1_);
    imgPreview_->setObjectName(QStringLiteral("ImgPreview"));
    imgPreview_->setGeometry(VisualRect(*imgPreview_, QRect(80, 1, 209, 224)));
    imgPreview_->SetZoomable(true);
    NamePhotoView(*imgPreview_, AccessibleText::tr("The photo with the look"));
    label2_ = MakeRedLabel(panel1_, "Label2", tr("Wait seconds"), QRect(64, 64, 144, 29), 24);
    // Below the first line, however tall its language's font makes it.
    const int belowLabel2 = std::max(96, label2_->geometry().bottom() + 1);
    label1_ = MakeRedLabel(panel1_, "Label1", tr("PROCESSING---"), QRect(64, belowLabel2, 241, 37), 32);

    btnColor_ = MakeButton(this, "BtnColor", tr("Change Color"), QRect(80, kButtonTop, 83, 25));
    btnColor_->hide();
    btnApply_ = MakeButton(this, "BtnApply", ActionName(RowOf(Action::kApply)), QRect(184, kButtonTop, 75, 25));
    btnCancel_ = MakeButton(this, "BtnCancel", ActionName(RowOf(Action::kCancel)), QRect(272, kButtonTop, 75, 25));
    connect(btnColor_, &QPushButton::clicked, this, [this] { BtnColorClick(); });
    connect(btnApply_, &QPushButton::clicked, this, [this] { BtnApplyClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { Button2Click(); });

    // Held down, the photo as it was shows in place of the look.
    btnCompare_ = MakeButton(this, "BtnCompare", ActionName(RowOf(Action::kCompare)), QRect(4, kButtonTop, 72, 25));
    btnCompare_->setToolTip(tr("Hold to see the photo without the look (or hold %1)").arg(KeysText(Action::kCompare)));
    connect(btnCompare_, &QPushButton::pressed, this, [this] { SetComparing(true); });
    connect(btnCompare_, &QPushButton::released, this, [this] { SetComparing(false); });

    sliderStrength_ = new QSlider(Qt::Horizontal, this);
    sliderStrength_->setObjectName(QStringLiteral("SliderStrength"));
    sliderStrength_->setRange(0, kFullStrength);
    sliderStrength_->setValue(kFullStrength);
    sliderStrength_->setPageStep(10);
    sliderStrength_->setToolTip(tr("Strength of the look"));
    labelStrength_ = new QLabel(this);
    labelStrength_->setObjectName(QStringLiteral("LabelStrength"));
    QPalette light = labelStrength_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    labelStrength_->setPalette(light);
    connect(sliderStrength_, &QSlider::valueChanged, this, [this](int value) { SetStrength(value); });
    SetStrength(kFullStrength);
    // The strength lies above the row of buttons.
    OrderTabs({sliderStrength_, btnCompare_, btnColor_, btnApply_, btnCancel_});
    LayOut();
}

void TFormPreview::LayOut() {
    const int dw = width() - kPreviewClientWidth, dh = height() - kPreviewClientHeight;
    // The panel follows the dialog's width once a photo has been fitted.
    const int panelWidth = photoHeight_ > 0 ? width() + kFrameWidth - 23 : 393 + dw;
    PlaceAt(*panel1_, QRect(0, 0, panelWidth, kPanelHeight + dh));
    const int shift = dw / 2;
    PlaceAt(*btnCompare_, QPoint(4 + shift, kButtonTop + dh));
    PlaceAt(*btnColor_, QPoint(80 + shift, kButtonTop + dh));
    PlaceAt(*btnApply_, QPoint(184 + shift, kButtonTop + dh));
    PlaceAt(*btnCancel_, QPoint(272 + shift, kButtonTop + dh));
    PlaceAt(*sliderStrength_, QRect(80 + shift, kSliderTop + dh, 267, 16));
    PlaceAt(*labelStrength_, QRect(350 + shift, kSliderTop + dh, 44, 16));
    FitImage();
}

void TFormPreview::FitImage() {
    if (photoHeight_ <= 0) return;
    const int w = panel1_->width(), h = panel1_->height();
    Bounds fit = FitPhotoView(w, h, photoWidth_, photoHeight_);
    if (width() != kPreviewClientWidth || height() != kPreviewClientHeight) {
        // Grown: the whole photo inside the panel.
        const int room = std::max(w - 2, 1);
        if (fit.width > room) {
            const int fittedHeight = int(int64_t(photoHeight_) * room / std::max(photoWidth_, 1));
            fit = {(w - room) / 2, 1 + (h - 3 - fittedHeight) / 2, room, fittedHeight};
        }
    }
    // The rule of the main view: full height but three pixels, the photo's
    // aspect, centred, no upper bound on the width. The view scales only
    // the part the panel shows, so a very wide photo costs no more memory.
    imgPreview_->SetFitGeometry(VisualRect(*imgPreview_, ClampedRect(fit)), QRect(1, 1, w - 2, h - 2));
}

void TFormPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
    // It opens over the main window's photo area; later it stays where the
    // user leaves it.
    if (!placed_) move(PreviewPlaceFor(photoArea_, *this));
    placed_ = true;
}

void TFormPreview::ShowProcessing() {
    // The last result is not shown again; its memory serves the new render.
    ForgetResult();
    imgPreview_->hide();
    label2_->show();
    label1_->show();
    btnApply_->setEnabled(false);
}

void TFormPreview::RestorePlace(const QByteArray& geometry, bool useful) {
    placed_ = RestoreWindowPlace(*this, geometry);
    usefulSize_ = useful && !placed_;
}

void TFormPreview::PreparePreview(const TBitmap& photo) {
    photoWidth_ = photo.Width();
    photoHeight_ = photo.Height();
    if (usefulSize_ && !placed_) {
        const QScreen* screen = photoArea_.screen();
        if (screen)
            resize(UsefulPreviewSize(screen->availableGeometry().size(), QSize(photoWidth_, photoHeight_),
                                     kPreviewClientHeight - kPanelHeight, QSize(kPreviewClientWidth, kPreviewClientHeight)));
        usefulSize_ = false;
    }
    LayOut();
    // It opens over the main window's photo area; later it stays where the
    // user leaves it.
    if (!placed_) move(PreviewPlaceFor(photoArea_, *this));
    placed_ = true;
    show();
    raise();
    activateWindow();
}

void TFormPreview::ShowResult(std::shared_ptr<const TBitmap> look, std::shared_ptr<const TBitmap> source, int strength,
                              bool newLook) {
    look_ = std::move(look);
    source_ = std::move(source);
    ForgetMix();
    if (newLook) imgPreview_->ZoomToFit();
    SetStrength(strength);
    label1_->hide();
    label2_->hide();
    imgPreview_->show();
    btnApply_->setEnabled(look_ != nullptr);
}

void TFormPreview::WorkPhotoReplaced() {
    SetComparing(false);
    hide();
    ForgetResult();
}

void TFormPreview::ForgetMix() {
    mixing_.Drop();
    mixed_.reset();
    spare_.reset();
    mixedStrength_ = -1;
}

void TFormPreview::ForgetResult() {
    look_.reset();
    source_.reset();
    ForgetMix();
    imgPreview_->ShowShared(nullptr);
}

void TFormPreview::SetStrength(int strength) {
    const int before = strength_;
    strength_ = std::clamp(strength, 0, kFullStrength);
    if (strength_ != before) emit StrengthChanged(strength_);
    if (sliderStrength_->value() != strength_) sliderStrength_->setValue(strength_);
    labelStrength_->setText(tr("%1 %").arg(strength_));
    sliderStrength_->setAccessibleName(AccessibleText::Strength(strength_));
    if (look_ && source_ && strength_ > 0 && strength_ < kFullStrength && strength_ != mixedStrength_)
        MixInBackground();
    else
        ShowCurrent();
}

void TFormPreview::MixInBackground() {
    if (mixing_.Running()) return;
    std::shared_ptr<TBitmap> target = spare_ ? std::move(spare_) : std::make_shared<TBitmap>();
    mixing_.Start(
        [look = look_, source = source_, strength = strength_, target] {
            MixByStrength(*look, *source, strength, *target);
            return std::pair{target, strength};
        },
        [this](std::pair<std::shared_ptr<TBitmap>, int> done) {
            // The mix shown until now is no longer shown once this one is.
            spare_ = std::move(mixed_);
            mixed_ = std::move(done.first);
            mixedStrength_ = done.second;
            ShowCurrent();
            if (strength_ > 0 && strength_ < kFullStrength && strength_ != mixedStrength_) MixInBackground();
        },
        [this](const std::string& error) {
            // The newest mix made, or the look, stays shown; the next
            // strength tries again.
            ShowCurrent();
            emit Failed(error);
        });
}

std::shared_ptr<const TBitmap> TFormPreview::Result() {
    if (strength_ >= kFullStrength || !source_) return look_;
    if (strength_ <= 0) return source_;
    if (mixedStrength_ != strength_ || !mixed_) {
        mixing_.Drop();
        auto mixed = std::make_shared<TBitmap>();
        MixByStrength(*look_, *source_, strength_, *mixed);
        mixed_ = std::move(mixed);
        mixedStrength_ = strength_;
    }
    return mixed_;
}

void TFormPreview::SetComparing(bool comparing) {
    if (comparing_ == comparing) return;
    comparing_ = comparing;
    ShowCurrent();
}

void TFormPreview::ShowCurrent() {
    // The look, the photo as it was, or the newest mix made (the look until
    // the first is).
    std::shared_ptr<const TBitmap> shown = look_;
    if (source_ && (comparing_ || strength_ <= 0))
        shown = source_;
    else if (source_ && strength_ < kFullStrength && mixed_)
        shown = mixed_;
    if (shown && &std::as_const(*imgPreview_).Picture() != shown.get()) imgPreview_->ShowShared(shown);
}

void TFormPreview::BtnApplyClick() {
    if (!btnApply_->isEnabled()) return;
    std::shared_ptr<const TBitmap> result;
    try {
        result = Result();
    } catch (...) {
        // Nothing is applied; the preview stays as it was.
        emit Failed(CurrentErrorText());
        return;
    }
    if (!result) return;
    // The committed pixels are the working photo's from now on; the mix is
    // made afresh for the next look.
    ForgetMix();
    emit ApplyRequested(std::move(result));
}

void TFormPreview::Button2Click() {
    SetComparing(false);
    hide();
    emit CancelRequested();
}

void TFormPreview::BtnColorClick() {
    emit ChangeColorRequested();
    // The colour dialog, owned by the main window, hands the focus back to
    // its owner when it closes.
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void TFormPreview::keyPressEvent(QKeyEvent* event) {
    const std::optional<OwnKey> key = OwnKeyOf(*event, ActionWindow::kPreview);
    if (!key) return QWidget::keyPressEvent(event);
    switch (key->action) {
    case Action::kCompare:
        if (!event->isAutoRepeat()) SetComparing(true);
        break;
    case Action::kCancel: Button2Click(); break;
    // Enter applies the look once it is there; a focused button takes
    // Space, not Enter, outside a dialog, so Enter always means Apply.
    case Action::kApply:
        if (btnApply_->isEnabled()) BtnApplyClick();
        break;
    case Action::kActualSize: imgPreview_->ZoomToActualSize(); break;
    case Action::kFitPhoto: imgPreview_->ZoomToFit(); break;
    default: return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void TFormPreview::keyReleaseEvent(QKeyEvent* event) {
    const std::optional<OwnKey> key = OwnKeyOf(*event, ActionWindow::kPreview);
    if (!key || key->action != Action::kCompare || event->isAutoRepeat()) return QWidget::keyReleaseEvent(event);
    SetComparing(false);
    event->accept();
}

void TFormPreview::closeEvent(QCloseEvent* event) {
    Button2Click();
    event->accept();
}

}  // namespace corvessa
