#include "shell/looks_strip.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPromise>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "catalogue/render_job.h"
#include "ground/parallel.h"
#include "session/my_looks.h"
#include "session/photo_session.h"
#include "session/words.h"
#include "shell/accessible_names.h"
#include "shell/action_table.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/main_layout.h"
#include "shell/photo_pane.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/mirror.h"

namespace corvessa {

namespace {

struct Spot {
    int left, top;
};
constexpr std::array<Spot, kThumbnailCount> kThumbnailPlaces{
    {{8, 8}, {120, 8}, {240, 8}, {352, 8}, {469, 8}, {8, 144}, {120, 144}, {240, 144}, {352, 144}, {469, 144}}};
constexpr std::array<Spot, kThumbnailCount> kLabelPlaces{
    {{48, 120}, {152, 120}, {280, 120}, {384, 120}, {512, 120}, {40, 256}, {152, 256}, {272, 256}, {392, 256}, {504, 256}}};

// The strip as the catalogue fills it, off the window's thread: each
// thumbnail is handed to the window as soon as it is done; those of a
// category that shows all ten together are handed over together.
class QueuedStrip : public StripView {
public:
    explicit QueuedStrip(QPromise<StripEvent>& promise) : promise_(promise) {}

    void ThumbnailDone(int n, const TBitmap& picture, bool repaint) override {
        auto copy = std::make_shared<TBitmap>();
        copy->CopyFrom(picture);
        held_.thumbnails.emplace_back(n, std::move(copy));
        if (repaint) {
            held_.repaint = true;
            Flush();
        }
    }
    void SetChangeColorButton(bool visible) override {
        Flush();
        StripEvent button;
        button.changeColorButton = visible;
        promise_.addResult(std::move(button));
    }
    // Hands over the thumbnails held back.
    void Flush() {
        if (held_.thumbnails.empty()) return;
        promise_.addResult(std::move(held_));
        held_ = StripEvent();
    }

private:
    QPromise<StripEvent>& promise_;
    StripEvent held_;
};

QString Hint() { return QCoreApplication::translate("TFormMain", kThumbnailHint); }

}  // namespace

TLooksStrip::TLooksStrip(QWidget& window, PhotoSession& session, const MyLooks& myLooks, ShellDialogs& dialogs,
                         TPhotoPane& pane, QThreadPool& pool, std::function<int()> rowThreads)
    : session_(session),
      myLooks_(myLooks),
      dialogs_(dialogs),
      pane_(pane),
      rowThreads_(std::move(rowThreads)),
      job_(this, &pool) {
    // Made after the tool column so it lies over that column's foot.
    panel_ = MakePanel(&window, "FlatPanel2", QRect(125, 208, 575, 279), kOlive);
    MakeViewsPressable();
    for (int i = 0; i < kThumbnailCount; ++i) {
        auto* view = new TImageView(panel_);
        view->setObjectName(QStringLiteral("ImgView%1").arg(i + 1));
        PlaceAt(*view, QRect(kThumbnailPlaces[size_t(i)].left, kThumbnailPlaces[size_t(i)].top, kThumbSide, kThumbSide));
        view->setToolTip(Hint());
        view->setAccessibleName(AccessibleText::Look(i + 1));
        connect(view, &TImageView::clicked, this, [this, n = i + 1] { emit ThumbnailClicked(n); });
        // Reached with Tab and the keys of the action table, which also open it.
        view->setFocusPolicy(Qt::StrongFocus);
        view->installEventFilter(this);
        views_[size_t(i)] = view;

        auto* label = new QLabel(QString::number(i + 1), panel_);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->adjustSize();
        PlaceAt(*label, QPoint(kLabelPlaces[size_t(i)].left, kLabelPlaces[size_t(i)].top));
        labels_[size_t(i)] = label;
    }
    pane_.Watch([this] { return Drawing(); }, true);
}

void TLooksStrip::CreateLargeLooksBox(QWidget& tools) {
    chkLarge_ = new QCheckBox(ActionName(RowOf(Action::kLargeLooks)), &tools);
    chkLarge_->setObjectName(QStringLiteral("ChkLargeThumbnails"));
    PlaceAt(*chkLarge_, QRect(6, 226, 106, 22));
    QPalette light = chkLarge_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    chkLarge_->setPalette(light);
    chkLarge_->setToolTip(
        tr("Large thumbnails: each look drawn large, with its name (%1)").arg(KeysText(Action::kLargeLooks)));
    connect(chkLarge_, &QCheckBox::toggled, this, &TLooksStrip::LargeToggled);
    largeRedraw_ = new QTimer(this);
    largeRedraw_->setSingleShot(true);
    largeRedraw_->setInterval(300);
    connect(largeRedraw_, &QTimer::timeout, this, [this] {
        if (large_ && session_.HasPhoto() && (session_.CurrentCategory() > 0 || myLooks_.Shown()) &&
            (Drawing() || Shown()))
            emit RedrawWanted();
    });
}

void TLooksStrip::CreateHint(const QString& text) {
    hint_ = new QLabel(panel_);
    hint_->setObjectName(QStringLiteral("LabelNoLooks"));
    PlaceAt(*hint_, QRect(16, 16, 540, 120));
    hint_->setWordWrap(true);
    hint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hint_->setText(text);
}

bool TLooksStrip::Shown() const { return !View(1)->isHidden(); }

void TLooksStrip::SetLarge(bool on) {
    large_ = on;
    const QSignalBlocker quiet(chkLarge_);
    chkLarge_->setChecked(on);
}

void TLooksStrip::Invisible() {
    for (TImageView* view : views_) view->hide();
    for (QLabel* label : labels_) label->hide();
    if (hint_) hint_->hide();
}

void TLooksStrip::ShowHint(bool shown) {
    hint_->setVisible(shown);
    if (shown) hint_->raise();
}

QString TLooksStrip::LookName(int n) const {
    if (const UserLook* mine = myLooks_.LookAt(n)) return QString::fromStdString(mine->name);
    if (const Category* category = FindCategory(session_.CurrentCategory()))
        return AccessibleText::Catalogue(category->lookNames[size_t(n - 1)]);
    return QString::number(n);
}

void TLooksStrip::Place(int n) {
    TImageView* view = View(n);
    QLabel* label = Label(n);
    const Spot at = kThumbnailPlaces[size_t(n - 1)];
    if (!large_) {
        PlaceAt(*view, QRect(at.left, at.top, kThumbSide, kThumbSide));
        if (myLooks_.LookAt(n)) {
            // A table's name under its thumbnail, as wide as it.
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            PlaceAt(*label, QRect(at.left - 4, at.top + kThumbSide + 4, kThumbSide + 8, kLargeNameHeight));
            label->setText(label->fontMetrics().elidedText(LookName(n), Qt::ElideRight, label->width()));
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setText(QString::number(n));
            label->adjustSize();
            PlaceAt(*label, QPoint(kLabelPlaces[size_t(n - 1)].left, kLabelPlaces[size_t(n - 1)].top));
        }
        return;
    }
    const Bounds box = LargeThumbnailBox(panel_->width(), panel_->height(), n);
    // The picture keeps its shape, centred in its box.
    QSize shown(box.width, box.height);
    const TBitmap& picture = std::as_const(*view).Picture();
    if (!picture.Empty()) shown = QSize(picture.Width(), picture.Height()).scaled(shown, Qt::KeepAspectRatio);
    PlaceAt(*view, QRect(box.left + (box.width - shown.width()) / 2, box.top + (box.height - shown.height()) / 2,
                       shown.width(), shown.height()));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlaceAt(*label, QRect(box.left - 4, box.top + box.height + 2, box.width + 8, kLargeNameHeight));
    label->setText(label->fontMetrics().elidedText(LookName(n), Qt::ElideRight, label->width()));
}

void TLooksStrip::PlaceAll() {
    for (int n = 1; n <= kThumbnailCount; ++n) Place(n);
}

void TLooksStrip::PanelResized() {
    if (!large_) return;
    PlaceAll();
    const int side = LargeThumbnailBox(panel_->width(), panel_->height(), 1).width;
    if (largeDrawnSide_ && side != largeDrawnSide_) largeRedraw_->start();
}

int TLooksStrip::StartSide() {
    largeDrawnSide_ = 0;
    if (!large_) return 0;
    // Rendered at the screen's device pixels, so a large thumbnail is sharp.
    largeDrawnSide_ = LargeThumbnailBox(panel_->width(), panel_->height(), 1).width;
    return int(std::lround(largeDrawnSide_ * panel_->devicePixelRatioF()));
}

void TLooksStrip::Draw(std::function<std::string(QPromise<StripEvent>&)> fill, std::function<void()> done,
                       const QString& busy) {
    // A later strip supersedes this one: what it has not shown yet is never
    // shown.
    auto error = std::make_shared<std::string>();
    job_.StartStream(
        [fill = std::move(fill), error, threads = rowThreads_()](QPromise<StripEvent>& promise) {
            LimitRowThreads(threads);
            *error = fill(promise);
        },
        [this](const StripEvent& event) {
            for (const auto& [n, picture] : event.thumbnails) ShowThumbnail(n, *picture);
            if (event.repaint) panel_->repaint();
            if (event.changeColorButton) emit ChangeColorButton(*event.changeColorButton);
        },
        [this, done = std::move(done), error] {
            pane_.UpdateBusy();
            done();
            if (!error->empty()) dialogs_.ShowError(*error);
            emit Finished();
        },
        [this](const std::string& failure) {
            pane_.UpdateBusy();
            dialogs_.ShowError(failure);
            emit Finished();
        });
    pane_.StartBusy(busy);
}

void TLooksStrip::DrawCategory(std::shared_ptr<StripJob> job) {
    if (const int side = StartSide()) job->SetLargeSide(side);
    Draw(
        [job](QPromise<StripEvent>& promise) {
            QueuedStrip view(promise);
            std::string error = RunStrip(job, view).error;
            view.Flush();
            return error;
        },
        [this, job] { session_.FinishStrip(*job); }, tr("Drawing the thumbnails"));
}

void TLooksStrip::DrawMyLooks(
    std::shared_ptr<const TBitmap> work, std::vector<UserLook> shown,
    std::function<void(const std::vector<UserLook>&, const std::vector<std::shared_ptr<const PreparedLut>>&)> done) {
    // The page's tables as the job reads them, for the window to keep once
    // it ends; set by the job's thread before it ends.
    auto tables = std::make_shared<std::vector<std::shared_ptr<const PreparedLut>>>(shown.size());
    std::shared_ptr<PhotoFaces> faces = session_.KeepFaces() ? session_.WorkFaces() : nullptr;
    Draw(
        [work, shown, tables, faces, side = StartSide()](QPromise<StripEvent>& promise) {
            MyLooks::DrawThumbnails(
                *work, shown, side, *tables,
                [&promise](int n, std::shared_ptr<TBitmap> picture) {
                    StripEvent event;
                    event.thumbnails.emplace_back(n, std::move(picture));
                    promise.addResult(std::move(event));
                },
                faces.get());
            return std::string();
        },
        [done = std::move(done), shown, tables] { done(shown, *tables); }, tr("Drawing your looks"));
}

void TLooksStrip::ShowThumbnail(int n, const TBitmap& picture) {
    TImageView* view = View(n);
    view->Picture().CopyFrom(picture);
    view->Changed();
    const UserLook* mine = myLooks_.LookAt(n);
    if (mine && !mine->Usable())
        view->setToolTip(tr("%1\n%2").arg(LookName(n), MessageWords(mine->reason)));
    else if (mine || FindCategory(session_.CurrentCategory()))
        view->setToolTip(tr("%1\n%2").arg(Hint(), LookName(n)));
    const Category* category = mine ? nullptr : FindCategory(session_.CurrentCategory());
    if (mine || category) {
        view->setAccessibleName(AccessibleText::Thumbnail(category, n, LookName(n)));
        // A table that cannot be used says why, as its tooltip does.
        QString description = category ? AccessibleText::Catalogue(category->help) : QString();
        if (mine && !mine->Usable()) description = MessageWords(mine->reason);
        view->setAccessibleDescription(description);
    }
    if (large_ || myLooks_.Shown()) Place(n);
    view->show();
    Label(n)->show();
}

bool TLooksStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto at = std::find(views_.begin(), views_.end(), watched);
    const std::optional<OwnKey> key = OwnKeyOf(*static_cast<QKeyEvent*>(event), ActionWindow::kMain);
    if (at == views_.end() || !key) return QObject::eventFilter(watched, event);
    const int n = int(at - views_.begin()) + 1;
    // Two rows of five: left and right step along a row, up and down
    // between the rows; a hidden thumbnail is stepped over.
    int step = 0;
    switch (key->action) {
    // Right to left, the thumbnail that follows lies to the left.
    case Action::kThumbnailAlong: step = (key->index == 0) == (panel_->layoutDirection() == Qt::LeftToRight) ? -1 : 1; break;
    case Action::kThumbnailAcross: step = key->index == 0 ? -kThumbnailCount / 2 : kThumbnailCount / 2; break;
    case Action::kOpenThumbnail: emit ThumbnailClicked(n); return true;
    default: return QObject::eventFilter(watched, event);
    }
    for (int i = n - 1 + step; i >= 0 && i < kThumbnailCount; i += step) {
        if (views_[size_t(i)]->isVisible()) {
            views_[size_t(i)]->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

}  // namespace corvessa
