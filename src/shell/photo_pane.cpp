#include "shell/photo_pane.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "session/photo_session.h"
#include "shell/accessible_names.h"
#include "shell/action_table.h"
#include "shell/controls.h"
#include "shell/main_layout.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/mirror.h"

namespace corvessa {

TPhotoPane::TPhotoPane(QWidget& window, QWidget& tools, const PhotoSession& session)
    : window_(window), session_(session) {
    // What runs, once it has run long enough to be noticed, and its Cancel
    // (also its key).
    labelBusy_ = new QLabel(&tools);
    labelBusy_->setObjectName(QStringLiteral("LabelBusy"));
    PlaceAt(*labelBusy_, QRect(4, 276, 104, 32));
    labelBusy_->setWordWrap(true);
    QPalette light = labelBusy_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    labelBusy_->setPalette(light);
    labelBusy_->hide();
    // The status line, in the tool column below the busy sign.
    labelStatus_ = new QLabel(&tools);
    labelStatus_->setObjectName(QStringLiteral("LabelStatus"));
    PlaceAt(*labelStatus_, QRect(4, 346, 104, 96));
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
    btnCancelJob_ = MakeButton(&tools, "BtnCancelJob", ActionName(RowOf(Action::kCancel)), QRect(16, 312, 75, 25));
    btnCancelJob_->hide();
    connect(btnCancelJob_, &QPushButton::clicked, this, &TPhotoPane::CancelPressed);
    busyDelay_ = new QTimer(this);
    busyDelay_->setSingleShot(true);
    busyDelay_->setInterval(300);
    connect(busyDelay_, &QTimer::timeout, this, [this] { UpdateBusy(); });

    area_ = MakePanel(&tools, "FlatPanel3", QRect(112, 0, 463, 209), kOlive);
    view_ = new TImageView(area_);
    view_->setObjectName(QStringLiteral("ImgEffect"));
    view_->setGeometry(120, 24, 105, 105);
    view_->SetZoomable(true);
    NamePhotoView(*view_, AccessibleText::tr("The working photo"));
    connect(view_, &TImageView::zoomChanged, this, [this] { ShowWhereYouAre(); });
}

void TPhotoPane::Fit(QSize photo) {
    fittedPhoto_ = photo;
    const Bounds fit = FitPhotoView(area_->width(), area_->height(), photo.width(), photo.height());
    view_->SetFitGeometry(VisualRect(*view_, ClampedRect(fit)), area_->rect().adjusted(1, 1, -1, -1));
}

void TPhotoPane::Refit() {
    if (fittedPhoto_.isValid()) Fit(fittedPhoto_);
}

void TPhotoPane::ShowStretched(const TBitmap& photo) {
    Fit(QSize(photo.Width(), photo.Height()));
    view_->Picture().SetSize(view_->width(), view_->height());
    view_->Picture().StretchDraw(photo);
    view_->Changed();
}

void TPhotoPane::ShowChange(const SessionChange& change) {
    const TBitmap& work = session_.WorkPhoto();
    if (change.refitView) Fit(QSize(work.Width(), work.Height()));
    if (change.view) view_->ShowShared(change.view);
    if (change.redrawView) {
        // Drawn into the view's picture at its size: the very pixels when
        // the sizes agree.
        const TBitmap& shown = std::as_const(*view_).Picture();
        if (shown.Width() == work.Width() && shown.Height() == work.Height()) {
            view_->ShowShared(session_.WorkSnapshot());
        } else {
            view_->Picture().StretchDraw(work);
            view_->Changed();
        }
    }
}

void TPhotoPane::ShowWhereYouAre() {
    // Qt puts the modified mark where [*] stands, only while the window is
    // marked modified.
    const std::string& path = session_.PhotoPath();
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    window_.setWindowTitle(path.empty() ? QStringLiteral("Corvessa") : tr("%1[*] - Corvessa").arg(name));
    window_.setWindowModified(session_.HasUnsavedApply());
    QString status;
    if (session_.HasPhoto())
        status = tr("%1 x %2\n%3")
                     .arg(QString::number(session_.WorkPhoto().Width()), QString::number(session_.WorkPhoto().Height()),
                          view_->ZoomText());
    if (!news_.isEmpty()) status += QStringLiteral("\n\n") + news_;
    labelStatus_->setText(status);
}

void TPhotoPane::Tell(const QString& news) {
    news_ = news;
    newsTimer_->start();
    ShowWhereYouAre();
}

void TPhotoPane::Watch(std::function<bool()> running, bool cancellable) {
    jobs_.push_back({std::move(running), cancellable});
}

void TPhotoPane::StartBusy(const QString& what) {
    labelBusy_->setText(what);
    if (!busyDelay_->isActive() && !labelBusy_->isVisible()) busyDelay_->start();
}

void TPhotoPane::UpdateBusy() {
    bool busy = false, cancellable = false;
    for (const Watched& job : jobs_) {
        if (!job.running()) continue;
        busy = true;
        cancellable = cancellable || job.cancellable;
    }
    if (!busy) busyDelay_->stop();
    const bool shown = busy && !busyDelay_->isActive();
    labelBusy_->setVisible(shown);
    // A save is not cancelled: its file is written whole or not at all.
    btnCancelJob_->setVisible(shown && cancellable);
    if (shown)
        area_->setCursor(Qt::BusyCursor);
    else
        area_->unsetCursor();
}

}  // namespace corvessa
