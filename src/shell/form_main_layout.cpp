// The main window's controls and layout: what it is made of, where each
// control lies for the screen and the window's size, and the photo view's
// fit. What the controls do is in form_main.cpp.
#include "shell/form_main.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <utility>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "ground/error.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/form_batch.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/main_layout.h"
#include "shell/skin.h"
#include "shell/undo_pictures.h"
#include "shell/window_job.h"
#include "session/photo_session.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"

namespace corvessa {

namespace {

struct Place {
    int left, top;
};
constexpr std::array<Place, kThumbnailCount> kThumbnailPlaces{
    {{8, 8}, {120, 8}, {240, 8}, {352, 8}, {469, 8}, {8, 144}, {120, 144}, {240, 144}, {352, 144}, {469, 144}}};
constexpr std::array<Place, kThumbnailCount> kLabelPlaces{
    {{48, 120}, {152, 120}, {280, 120}, {384, 120}, {512, 120}, {40, 256}, {152, 256}, {272, 256}, {392, 256}, {504, 256}}};

}  // namespace

void TFormMain::CreateControls() {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Corvessa"));
    setFont(WindowFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    resize(790, 530);
    setAcceptDrops(true);

    flatPanel4_ = MakePanel(this, "FlatPanel4", QRect(-2, 2, 126, 487), kDarkOlive);
    // Made from the top of the column down, then the buttons it does not show.
    std::vector<int> order(kCategoryColumn.begin(), kCategoryColumn.end());
    for (const Category& category : kCategories)
        if (ColumnPlace(category.number) < 0) order.push_back(category.number);
    for (size_t i = 0; i < order.size(); ++i) {
        const int number = order[i];
        const Category& category = *FindCategory(number);
        const std::string caption(category.caption);
        QPushButton* button =
            MakeButton(flatPanel4_, ButtonOf(number).name, caption.c_str(), QRect(24, CategoryButtonTop(number), 75, 25));
        button->setProperty("handler", QString::fromLatin1(ButtonOf(number).handler));
        const QString help = QString::fromUtf8(category.help.data(), qsizetype(category.help.size()));
        button->setToolTip(help);
        button->setStatusTip(help);
        connect(button, &QPushButton::clicked, this, [this, number] { emit CategoryButtonClicked(number); });
        if (ColumnPlace(number) < 0) button->hide();
        categoryButtons_[i] = button;
    }

    flatPanel1_ = MakePanel(this, "FlatPanel1", QRect(125, 2, 575, 209), kDarkOlive);
    btnUndo_ = new TImgBtn(flatPanel1_);
    btnUndo_->setObjectName(QStringLiteral("BtnUndo"));
    btnUndo_->move(32, 16);
    btnUndo_->SetAutoSize(true);
    btnUndo_->SetPic(DrawUndoPicture(kUndoAtRest));
    btnUndo_->SetPicUp(DrawUndoPicture(kUndoHover));
    btnUndo_->SetPicDown(DrawUndoPicture(kUndoPressed));
    btnUndo_->setToolTip(QStringLiteral("Undo"));
    connect(btnUndo_, &TImgBtn::clicked, this, [this] { BtnUndoClick(); });
    btnOpen_ = MakeButton(flatPanel1_, "BtnOpen", "Open", QRect(16, 56, 75, 25));
    btnSave_ = MakeButton(flatPanel1_, "BtnSave", "Save", QRect(16, 84, 75, 25));
    btnHelp_ = MakeButton(flatPanel1_, "BtnHelp", "Help", QRect(16, 112, 75, 25));
    connect(btnOpen_, &QPushButton::clicked, this, [this] { BtnOpenClick(); });
    connect(btnSave_, &QPushButton::clicked, this, [this] { BtnSaveClick(); });
    connect(btnHelp_, &QPushButton::clicked, this, [this] { BtnHelpClick(); });
    btnBatch_ = MakeButton(flatPanel1_, "BtnBatch", "Batch", QRect(16, 140, 75, 25));
    btnBatch_->setToolTip(QStringLiteral("One look on many photos (Ctrl+B)"));
    connect(btnBatch_, &QPushButton::clicked, this, [this] { BtnBatchClick(); });
    // What runs, once it has run long enough to be noticed, and its Cancel
    // (also Escape).
    labelBusy_ = new QLabel(flatPanel1_);
    labelBusy_->setObjectName(QStringLiteral("LabelBusy"));
    labelBusy_->setGeometry(4, 196, 104, 32);
    labelBusy_->setWordWrap(true);
    QPalette light = labelBusy_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    labelBusy_->setPalette(light);
    labelBusy_->hide();
    // The status line, in the tool column below the busy sign.
    labelStatus_ = new QLabel(flatPanel1_);
    labelStatus_->setObjectName(QStringLiteral("LabelStatus"));
    labelStatus_->setGeometry(4, 266, 104, 96);
    labelStatus_->setWordWrap(true);
    labelStatus_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labelStatus_->setPalette(light);
    newsTimer_ = new QTimer(this);
    newsTimer_->setSingleShot(true);
    newsTimer_->setInterval(5000);
    connect(newsTimer_, &QTimer::timeout, this, [this] {
        news_.clear();
        ShowWhereYouAre();
    });
    btnCancelJob_ = MakeButton(flatPanel1_, "BtnCancelJob", "Cancel", QRect(16, 232, 75, 25));
    btnCancelJob_->hide();
    connect(btnCancelJob_, &QPushButton::clicked, this, [this] { CancelJob(); });
    busyDelay_ = new QTimer(this);
    busyDelay_->setSingleShot(true);
    busyDelay_->setInterval(300);
    connect(busyDelay_, &QTimer::timeout, this, [this] { UpdateBusy(); });

    flatPanel3_ = MakePanel(flatPanel1_, "FlatPanel3", QRect(112, 0, 463, 209), kOlive);
    imgEffect_ = new TImageView(flatPanel3_);
    imgEffect_->setObjectName(QStringLiteral("ImgEffect"));
    imgEffect_->setGeometry(120, 24, 105, 105);
    imgEffect_->SetZoomable(true);

    // Created after FlatPanel1 so it lies over that panel's foot.
    flatPanel2_ = MakePanel(this, "FlatPanel2", QRect(125, 208, 575, 279), kOlive);
    for (int i = 0; i < kThumbnailCount; ++i) {
        auto* view = new TImageView(flatPanel2_);
        view->setObjectName(QStringLiteral("ImgView%1").arg(i + 1));
        view->setGeometry(kThumbnailPlaces[size_t(i)].left, kThumbnailPlaces[size_t(i)].top, kThumbSide, kThumbSide);
        view->setToolTip(QString::fromLatin1(kThumbnailHint));
        connect(view, &TImageView::clicked, this, [this, n = i + 1] { emit ThumbnailClicked(n); });
        // Reached with Tab and the arrow keys, opened with Enter or Space.
        view->setFocusPolicy(Qt::StrongFocus);
        view->installEventFilter(this);
        imgViews_[size_t(i)] = view;

        auto* label = new QLabel(QString::number(i + 1), flatPanel2_);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->move(kLabelPlaces[size_t(i)].left, kLabelPlaces[size_t(i)].top);
        label->adjustSize();
        labels_[size_t(i)] = label;
    }

    CreateMyLooksControls();

    // Made after the thumbnails, so Tab reaches it after them.
    chkLargeThumbnails_ = new QCheckBox(QStringLiteral("Large looks"), flatPanel1_);
    chkLargeThumbnails_->setObjectName(QStringLiteral("ChkLargeThumbnails"));
    chkLargeThumbnails_->setGeometry(6, 170, 106, 22);
    chkLargeThumbnails_->setPalette(light);
    chkLargeThumbnails_->setToolTip(QStringLiteral("Large thumbnails: each look drawn large, with its name (Ctrl+T)"));
    connect(chkLargeThumbnails_, &QCheckBox::toggled, this, [this](bool on) { SetLargeThumbnails(on); });
    largeRedraw_ = new QTimer(this);
    largeRedraw_->setSingleShot(true);
    largeRedraw_->setInterval(300);
    connect(largeRedraw_, &QTimer::timeout, this, [this] {
        if (largeThumbnails_ && HasPhoto() && (CurrentCategory() > 0 || myLooksShown_) &&
            (DrawingStrip() || !ImgView(1)->isHidden()))
            RedrawStrip();
    });

    // The hidden, self-sizing image control of the window; pictures are
    // read by the photo readers, not through it.
    imgFuzhu_ = new TImageView(this);
    imgFuzhu_->setObjectName(QStringLiteral("ImgFuzhu"));
    imgFuzhu_->setGeometry(160, 0, 49, 49);
    imgFuzhu_->SetAutoSize(true);
    imgFuzhu_->hide();

    AddWindowKeys(*this, false);
}

void TFormMain::AddWindowKeys(QWidget& window, bool preview) {
    struct Key {
        QKeyCombination key;
        bool fromPreview;  // the preview's own keys (zoom, Escape) stay its own
        void (*run)(TFormMain&);
    };
    static const Key kKeys[] = {
        {Qt::CTRL | Qt::Key_O, true, [](TFormMain& form) { form.BtnOpenClick(); }},
        {Qt::CTRL | Qt::Key_S, true, [](TFormMain& form) { form.BtnSaveClick(); }},
        {Qt::CTRL | Qt::Key_B, true, [](TFormMain& form) { form.BtnBatchClick(); }},
        {Qt::CTRL | Qt::Key_L, true, [](TFormMain& form) { form.BtnAddLookClick(); }},
        {QKeyCombination(Qt::Key_PageDown), false,
         [](TFormMain& form) {
             if (form.ShowingMyLooks()) form.ShowMyLooksPage(form.MyLooksPage() + 1);
         }},
        {QKeyCombination(Qt::Key_PageUp), false,
         [](TFormMain& form) {
             if (form.ShowingMyLooks()) form.ShowMyLooksPage(form.MyLooksPage() - 1);
         }},
        {Qt::CTRL | Qt::Key_T, false, [](TFormMain& form) { form.SetLargeThumbnails(!form.LargeThumbnails()); }},
        {QKeyCombination(Qt::Key_F1), true, [](TFormMain& form) { form.BtnHelpClick(); }},
        {Qt::CTRL | Qt::Key_Z, true,
         [](TFormMain& form) {
             if (form.btnUndo_->isEnabled()) form.BtnUndoClick();
         }},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, true, [](TFormMain& form) { form.BtnRedoClick(); }},
        {Qt::CTRL | Qt::Key_Y, true, [](TFormMain& form) { form.BtnRedoClick(); }},
        // The photo view: 1 for 100 %, 0 to fit.
        {QKeyCombination(Qt::Key_1), false, [](TFormMain& form) { form.imgEffect_->ZoomToActualSize(); }},
        {QKeyCombination(Qt::Key_0), false, [](TFormMain& form) { form.imgEffect_->ZoomToFit(); }},
        {QKeyCombination(Qt::Key_Escape), false, [](TFormMain& form) { form.CancelJob(); }},
    };
    // Each window's keys work while that window is active, so a key fires
    // once from whichever of the two has the focus.
    for (const Key& key : kKeys) {
        if (preview && !key.fromPreview) continue;
        auto* shortcut = new QShortcut(QKeySequence(key.key), &window);
        connect(shortcut, &QShortcut::activated, this, [this, run = key.run] { run(*this); });
    }
}

void TFormMain::FormCreate(QSize screen) {
    SkinStart(appDir_ + "beryl.urf");
    if (screen.isValid()) {
        layoutArea_ = QRect(QPoint(0, 0), screen);
        LayOut(screen, layoutArea_);
    } else {
        const QScreen* primary = QGuiApplication::primaryScreen();
        LayOut(primary->size(), primary->availableGeometry());
    }
    // Qt paints every widget off screen and copies the result, so the
    // window and its panels are double-buffered already.

    bool loaded = false;
    Guarded([&] {
        session_.StartWith(ReadPicture(appDir_ + "pic/sample.jpg"));
        FitPhotoView(WorkPhoto());
        imgEffect_->Picture().SetSize(imgEffect_->width(), imgEffect_->height());
        imgEffect_->Picture().StretchDraw(WorkPhoto());
        imgEffect_->Changed();
        loaded = true;
    });
    // Also after a failed read: an enabled Undo or a visible thumbnail
    // would work on empty buffers. Without a photo there is nothing to
    // render, so the category column waits for Open.
    Invisible();
    btnUndo_->setEnabled(false);
    SetPhotoControlsEnabled(loaded);
}

void TFormMain::LayOut(QSize screen, QRect available) {
    const Bounds window = FitIntoArea(MainWindowBounds(screen.width(), screen.height()),
                                      {available.left(), available.top(), available.width(), available.height()});
    const QSize client(std::max(window.width - kFrameWidth, 0), std::max(window.height - kFrameHeight, 0));
    setMinimumSize(client.boundedTo(QSize(kMainMinimumWidth - kFrameWidth, kMainMinimumHeight - kFrameHeight)));
    resize(client);
    move(window.left, window.top);
    LayOutPanels();
}

void TFormMain::LayOutPanels() {
    const MainPanels panels =
        corvessa::LayOutPanels(width() + kFrameWidth, height() + kFrameHeight, largeThumbnails_);
    SetBounds(flatPanel4_, panels.flatPanel4);
    SetBounds(flatPanel1_, panels.flatPanel1);
    SetBounds(flatPanel2_, panels.flatPanel2);
    SetBounds(flatPanel3_, panels.flatPanel3);
    if (largeThumbnails_) {
        for (int n = 1; n <= kThumbnailCount; ++n) PlaceThumbnail(n);
        const int side = LargeThumbnailBox(flatPanel2_->width(), flatPanel2_->height(), 1).width;
        if (largeDrawnSide_ && side != largeDrawnSide_) largeRedraw_->start();
    }
    if (fittedPhoto_.isValid()) FitPhotoView(fittedPhoto_);
}

void TFormMain::PlaceThumbnail(int n) {
    TImageView* view = ImgView(n);
    QLabel* label = Label(n);
    const size_t i = size_t(n - 1);
    const UserLook* mine = MyLookAt(n);
    if (!largeThumbnails_ && mine) {
        // A table's name under its thumbnail, as wide as it.
        view->setGeometry(kThumbnailPlaces[i].left, kThumbnailPlaces[i].top, kThumbSide, kThumbSide);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(kThumbnailPlaces[i].left - 4, kThumbnailPlaces[i].top + kThumbSide + 4, kThumbSide + 8,
                           kLargeNameHeight);
        label->setText(label->fontMetrics().elidedText(QString::fromStdString(mine->name), Qt::ElideRight,
                                                       label->width()));
        return;
    }
    if (!largeThumbnails_) {
        view->setGeometry(kThumbnailPlaces[i].left, kThumbnailPlaces[i].top, kThumbSide, kThumbSide);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setText(QString::number(n));
        label->move(kLabelPlaces[i].left, kLabelPlaces[i].top);
        label->adjustSize();
        return;
    }
    const Bounds box = LargeThumbnailBox(flatPanel2_->width(), flatPanel2_->height(), n);
    // The picture keeps its shape, centred in its box.
    QSize shown(box.width, box.height);
    const TBitmap& picture = std::as_const(*view).Picture();
    if (!picture.Empty()) shown = QSize(picture.Width(), picture.Height()).scaled(shown, Qt::KeepAspectRatio);
    view->setGeometry(box.left + (box.width - shown.width()) / 2, box.top + (box.height - shown.height()) / 2,
                      shown.width(), shown.height());
    QString name = QString::number(n);
    if (mine)
        name = QString::fromStdString(mine->name);
    else if (const Category* category = FindCategory(CurrentCategory()))
        name = QString::fromUtf8(category->lookNames[i].data(), qsizetype(category->lookNames[i].size()));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(box.left - 4, box.top + box.height + 2, box.width + 8, kLargeNameHeight);
    label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, label->width()));
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto at = std::find(imgViews_.begin(), imgViews_.end(), watched);
    if (at == imgViews_.end() || key->modifiers() & ~Qt::KeypadModifier) return QWidget::eventFilter(watched, event);
    // Two rows of five: left and right step along a row, up and down
    // between the rows; a hidden thumbnail is stepped over.
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -kThumbnailCount / 2; break;
    case Qt::Key_Down: step = kThumbnailCount / 2; break;
    default: return QWidget::eventFilter(watched, event);
    }
    for (int i = int(at - imgViews_.begin()) + step; i >= 0 && i < kThumbnailCount; i += step) {
        if (imgViews_[size_t(i)]->isVisible()) {
            imgViews_[size_t(i)]->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutPanels();
}

void TFormMain::FitPhotoView(const TBitmap& photo) { FitPhotoView(QSize(photo.Width(), photo.Height())); }

void TFormMain::FitPhotoView(QSize photo) {
    fittedPhoto_ = photo;
    const Bounds fit = corvessa::FitPhotoView(flatPanel3_->width(), flatPanel3_->height(), photo.width(), photo.height());
    imgEffect_->SetFitGeometry(ClampedRect(fit), flatPanel3_->rect().adjusted(1, 1, -1, -1));
}

}  // namespace corvessa
