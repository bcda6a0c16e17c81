#include "shell/form_preview.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "shell/controls.h"
#include "shell/form_main.h"
#include "shell/main_layout.h"
#include "shell/preview_place.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"

namespace corvessa {

namespace {

const QColor kFace(81, 81, 0);
const QColor kRed(255, 0, 0);

QLabel* MakeRedLabel(QWidget* parent, const char* name, const char* caption, QRect bounds, int fontHeight) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(bounds);
    label->setFont(WindowFont(fontHeight));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kRed);
    label->setPalette(palette);
    // Sized to its text, as labels are: the given size fits a narrow font,
    // and a wider one would cut the caption short.
    label->adjustSize();
    return label;
}

}  // namespace

TFormPreview::TFormPreview(TFormMain& formMain)
    : QWidget(&formMain, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowCloseButtonHint),
      formMain_(formMain) {
    setObjectName(QStringLiteral("FormPreview"));
    setWindowTitle(QStringLiteral("Preview"));
    setFont(WindowFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, kFace);
    setPalette(face);
    setAutoFillBackground(true);
    setFixedSize(kPreviewClientWidth, kPreviewClientHeight);
    move(277, 54);

    panel1_ = MakePanel(this, "Panel1", QRect(0, 0, 393, 230), kOlive);
    imgPreview_ = new TImageView(panel1_);
    imgPreview_->setObjectName(QStringLiteral("ImgPreview"));
    imgPreview_->setGeometry(80, 1, 209, 224);
    label2_ = MakeRedLabel(panel1_, "Label2", "Wait seconds", QRect(64, 64, 144, 29), 24);
    label1_ = MakeRedLabel(panel1_, "Label1", "PROCESSING---", QRect(64, 96, 241, 37), 32);

    btnColor_ = MakeButton(this, "BtnColor", "Change Color", QRect(80, 248, 83, 25));
    btnColor_->hide();
    btnApply_ = MakeButton(this, "BtnApply", "Apply", QRect(184, 248, 75, 25));
    btnCancel_ = MakeButton(this, "BtnCancel", "Cancel", QRect(272, 248, 75, 25));
    connect(btnColor_, &QPushButton::clicked, this, [this] { BtnColorClick(); });
    connect(btnApply_, &QPushButton::clicked, this, [this] { BtnApplyClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TFormPreview::ShowProcessing() {
    imgPreview_->hide();
    label2_->show();
    label1_->show();
}

void TFormPreview::PreparePreview(const TBitmap& photo) {
    panel1_->resize(width() + kFrameWidth - 23, panel1_->height());
    // The rule of the main view: full height but three pixels, the photo's
    // aspect, centred, no upper bound on the width. The view scales only
    // the part the panel shows, so a very wide photo costs no more memory.
    SetBounds(imgPreview_, FitPhotoView(panel1_->width(), panel1_->height(), photo.Width(), photo.Height()));
    // It opens over the main window's photo area; later it stays where the
    // user leaves it.
    if (!placed_) move(PreviewPlaceFor(formMain_, *this));
    placed_ = true;
    show();
    raise();
    activateWindow();
}

void TFormPreview::ShowResult(const TBitmap& result) {
    imgPreview_->Picture().CopyFrom(result);
    imgPreview_->Changed();
    label1_->hide();
    label2_->hide();
    imgPreview_->show();
}

void TFormPreview::BtnApplyClick() {
    formMain_.Guarded([&] {
        // Whatever ResultPhoto holds now: a strip filled or a photo saved
        // while the dialog was open has written it since the render.
        formMain_.UndoPhoto().CopyFrom(formMain_.WorkPhoto());
        formMain_.WorkPhoto().CopyFrom(formMain_.ResultPhoto());
        TImageView* view = formMain_.ImgEffect();
        view->Picture().CopyFrom(formMain_.ResultPhoto());
        view->Changed();
        formMain_.update();
        formMain_.BtnUndo()->setEnabled(true);
        formMain_.NoteApply();
        formMain_.Invisible();  // the thumbnails show the photo before Apply
        hide();
    });
}

void TFormPreview::Button2Click() { hide(); }

void TFormPreview::BtnColorClick() {
    // The mode must not outlive the re-render, also when it fails.
    struct ModeScope {
        TFormMain& form;
        explicit ModeScope(TFormMain& f) : form(f) { form.SetChangeColorMode(true); }
        ~ModeScope() { form.SetChangeColorMode(false); }
    } mode(formMain_);
    formMain_.ImgViewClick(formMain_.CurrentEffect(), formMain_.CurrentCategory());
    // The colour dialog, owned by the main window, hands the focus back to
    // its owner when it closes.
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void TFormPreview::closeEvent(QCloseEvent* event) {
    Button2Click();
    event->accept();
}

}  // namespace corvessa
