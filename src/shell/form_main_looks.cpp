// My Looks: the user's own .cube tables in the strip, ten at a time, their
// paging, Add Look and the full-size render of one in the preview.
#include <QLabel>
#include <QPromise>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "ground/error.h"
#include "ground/parallel.h"
#include "ground/stop.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/main_layout.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"

namespace corvessa {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// What a table that cannot be used shows in its place: a plain grey.
TBitmap Placeholder(int width, int height) {
    TBitmap picture;
    picture.SetSize(width, height);
    picture.SetFillColor(Rgb{150, 150, 150});
    picture.FillAll();
    return picture;
}

}  // namespace

void TFormMain::CreateMyLooksControls() {
    btnMyLooks_ = MakeButton(flatPanel4_, "BtnMyLooks", "My Looks", QRect(24, kMyLooksButtonTop, 75, 25));
    const QString where = Text(UserLooksFolder());
    btnMyLooks_->setToolTip(QStringLiteral("Your own .cube colour tables from %1").arg(where));
    btnMyLooks_->setStatusTip(btnMyLooks_->toolTip());
    connect(btnMyLooks_, &QPushButton::clicked, this, [this] { MyLooksClick(); });
    btnAddLook_ = MakeButton(flatPanel4_, "BtnAddLook", "", QRect(18, kMyLooksButtonTop + 28, 87, 25));
    btnAddLook_->setText(QStringLiteral("Add Look\u2026"));
    btnAddLook_->setToolTip(QStringLiteral("Copy .cube colour tables into %1 (Ctrl+L, or drop them on the window)").arg(where));
    connect(btnAddLook_, &QPushButton::clicked, this, [this] { BtnAddLookClick(); });
    btnPreviousLooks_ = MakeButton(flatPanel4_, "BtnPreviousLooks", "<", QRect(24, kMyLooksButtonTop + 56, 36, 25));
    btnPreviousLooks_->setToolTip(QStringLiteral("Previous looks (Page Up)"));
    connect(btnPreviousLooks_, &QPushButton::clicked, this, [this] { ShowMyLooksPage(myLooksPage_ - 1); });
    btnNextLooks_ = MakeButton(flatPanel4_, "BtnNextLooks", ">", QRect(63, kMyLooksButtonTop + 56, 36, 25));
    btnNextLooks_->setToolTip(QStringLiteral("Next looks (Page Down)"));
    connect(btnNextLooks_, &QPushButton::clicked, this, [this] { ShowMyLooksPage(myLooksPage_ + 1); });
    labelLooksPage_ = new QLabel(flatPanel4_);
    labelLooksPage_->setObjectName(QStringLiteral("LabelLooksPage"));
    labelLooksPage_->setGeometry(4, kMyLooksButtonTop + 84, 118, 18);
    labelLooksPage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette light = labelLooksPage_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    labelLooksPage_->setPalette(light);

    labelNoLooks_ = new QLabel(flatPanel2_);
    labelNoLooks_->setObjectName(QStringLiteral("LabelNoLooks"));
    labelNoLooks_->setGeometry(16, 16, 540, 120);
    labelNoLooks_->setWordWrap(true);
    labelNoLooks_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labelNoLooks_->setText(QStringLiteral("No looks of your own yet. Put .cube colour tables into %1, press "
                                          "Add Look... (Ctrl+L), or drop .cube files on this window.")
                               .arg(where));
    ShowMyLooksControls();
}

void TFormMain::ShowMyLooksControls() {
    const bool paging = myLooksShown_ && myLooks_.size() > size_t(kThumbnailCount);
    btnPreviousLooks_->setVisible(paging);
    btnNextLooks_->setVisible(paging);
    btnPreviousLooks_->setEnabled(myLooksPage_ > 0);
    btnNextLooks_->setEnabled(size_t(myLooksPage_ + 1) * kThumbnailCount < myLooks_.size());
    labelLooksPage_->setVisible(myLooksShown_ && !ListingLooks());
    labelLooksPage_->setText(MyLooksPageText());
}

QString TFormMain::MyLooksPageText() const {
    if (myLooks_.empty()) return QStringLiteral("No looks");
    const size_t first = size_t(myLooksPage_) * kThumbnailCount;
    const size_t last = std::min(first + kThumbnailCount, myLooks_.size());
    return QStringLiteral("Looks %1-%2 of %3").arg(first + 1).arg(last).arg(myLooks_.size());
}

const UserLook* TFormMain::MyLookAt(int n) const {
    const size_t index = size_t(myLooksPage_) * kThumbnailCount + size_t(n - 1);
    return myLooksShown_ && index < myLooks_.size() ? &myLooks_[index] : nullptr;
}

void TFormMain::MyLooksClick() { ListMyLooks({}); }

void TFormMain::BtnAddLookClick() {
    Guarded([&] {
        const std::vector<std::string> files = dialogs_->ChooseCubeFiles(
            remembered_ ? remembered_->Folder(Setting::kLooksFolder).toStdString() : std::string());
        if (files.empty()) return;
        if (remembered_)
            remembered_->SetFolder(Setting::kLooksFolder,
                                   Text(std::filesystem::path(files.front()).parent_path().string()));
        AddLooks(files);
    });
}

void TFormMain::AddLooks(const std::vector<std::string>& files) { ListMyLooks(files); }

void TFormMain::ListMyLooks(std::vector<std::string> added) {
    // Reading tables of a few MB each takes a moment: off the window's
    // thread, the strip left as it is until the listing is there.
    listing_.Start(
        [added = std::move(added), page = myLooksShown_ ? myLooksPage_ : 0, threads = RowThreads()] {
            LimitRowThreads(threads);
            LooksListing listing;
            const std::string folder = UserLooksFolder();
            if (const std::string why = ForeignLinkOn(folder); !why.empty()) {
                listing.refusals.push_back("My Looks cannot be read or added to: " + why + " — " + folder);
                return listing;
            }
            for (const std::string& file : added) {
                try {
                    const std::string copy = AddUserLook(file);
                    if (listing.firstAdded.empty()) listing.firstAdded = copy;
                } catch (...) {
                    listing.refusals.push_back(CurrentErrorText());
                }
            }
            try {
                // The tables of the page shown are kept; a page shown
                // later reads its own.
                listing.looks = ListUserLooks(folder, size_t(page) * kThumbnailCount, kThumbnailCount);
            } catch (...) {
                listing.refusals.push_back(CurrentErrorText());
            }
            return listing;
        },
        [this](LooksListing listing) {
            UpdateBusy();
            myLooks_ = std::move(listing.looks);
            int page = myLooksShown_ ? myLooksPage_ : 0;
            for (size_t i = 0; i < myLooks_.size(); ++i)
                if (!listing.firstAdded.empty() && myLooks_[i].path == listing.firstAdded)
                    page = int(i / kThumbnailCount);
            myLooksShown_ = true;
            emit MyLooksListed();
            ShowMyLooksPage(page);
            if (!listing.refusals.empty()) {
                std::string text;
                for (const std::string& refusal : listing.refusals) text += (text.empty() ? "" : "\n") + refusal;
                dialogs_->ShowError(text);
            }
        },
        [this](const std::string& error) {
            UpdateBusy();
            dialogs_->ShowError(error);
        });
    StartBusy(QStringLiteral("Reading your looks"));
}

void TFormMain::ShowMyLooksPage(int page) {
    Guarded([&] {
        const int pages = std::max(1, int((myLooks_.size() + kThumbnailCount - 1) / kThumbnailCount));
        myLooksPage_ = std::clamp(page, 0, pages - 1);
        myLooksShown_ = true;
        // A category's strip still drawing is superseded.
        strips_.Drop();
        Invisible();
        ShowMyLooksControls();
        if (myLooks_.empty()) {
            labelNoLooks_->show();
            labelNoLooks_->raise();
            emit StripFinished();
            return;
        }
        if (!HasPhoto()) return;
        largeDrawnSide_ = 0;
        int side = 0;
        if (largeThumbnails_) {
            largeDrawnSide_ = LargeThumbnailBox(flatPanel2_->width(), flatPanel2_->height(), 1).width;
            side = int(std::lround(largeDrawnSide_ * flatPanel2_->devicePixelRatioF()));
        }
        std::vector<UserLook> shown;
        for (int n = 1; n <= kThumbnailCount; ++n)
            if (const UserLook* look = MyLookAt(n)) shown.push_back(*look);
        // The page's tables as the job reads them, for the window to keep
        // once it ends; set by the job's thread before it ends.
        auto tables = std::make_shared<std::vector<std::shared_ptr<const PreparedLut>>>(shown.size());
        strips_.StartStream(
            [work = session_.WorkSnapshot(), shown, tables, side, threads = RowThreads()](QPromise<StripEvent>& promise) {
                LimitRowThreads(threads);
                try {
                    // The thumbnail photo as a category's strip makes it.
                    TBitmap thumb;
                    if (side > 0) {
                        thumb = ScaleToFit(*work, side);
                    } else {
                        thumb.SetSize(kThumbSide, kThumbSide);
                        thumb.StretchDraw(*work);
                    }
                    for (size_t i = 0; i < shown.size() && !StopRequested(); ++i) {
                        auto picture = std::make_shared<TBitmap>();
                        try {
                            (*tables)[i] = PreparedTable(shown[i]);
                            (*tables)[i]->Apply(thumb, *picture);
                        } catch (const WorkStopped&) {
                            throw;
                        } catch (...) {
                            // Broken, or broken since it was listed.
                            *picture = Placeholder(thumb.Width(), thumb.Height());
                        }
                        StripEvent event;
                        event.thumbnails.emplace_back(int(i) + 1, std::move(picture));
                        promise.addResult(std::move(event));
                    }
                } catch (...) {
                    // Memory ran out for a thumbnail: those before it show.
                }
            },
            [this](const StripEvent& event) {
                for (const auto& [n, picture] : event.thumbnails) ShowThumbnail(n, *picture);
            },
            [this, shown, tables] {
                KeepPageTables(shown, *tables);
                UpdateBusy();
                emit StripFinished();
            },
            [this](const std::string& error) {
                UpdateBusy();
                dialogs_->ShowError(error);
                emit StripFinished();
            });
        StartBusy(QStringLiteral("Drawing your looks"));
    });
}

void TFormMain::KeepPageTables(const std::vector<UserLook>& shown,
                               const std::vector<std::shared_ptr<const PreparedLut>>& tables) {
    // Only the page shown holds its tables; a listing made since the strip
    // began is left alone.
    const size_t first = size_t(myLooksPage_) * kThumbnailCount;
    for (size_t i = 0; i < shown.size(); ++i)
        if (first + i >= myLooks_.size() || myLooks_[first + i].path != shown[i].path) return;
    for (size_t i = 0; i < myLooks_.size(); ++i) {
        const bool onPage = i >= first && i - first < shown.size();
        if (onPage && tables[i - first]) myLooks_[i].table = tables[i - first];
        if (!onPage) myLooks_[i].table.reset();
    }
}

void TFormMain::RedrawStrip() {
    if (myLooksShown_)
        ShowMyLooksPage(myLooksPage_);
    else if (CurrentCategory() > 0)
        CategoryClick(CurrentCategory());
}

void TFormMain::UserLookClick(size_t index) {
    Guarded([&] {
        if (index >= myLooks_.size() || !HasPhoto()) return;
        const UserLook look = myLooks_[index];
        if (!look.Usable()) {
            // Nothing to render: the reason is all there is to show.
            Tell(Text(look.name) + QStringLiteral(" cannot be used"));
            dialogs_->ShowError(look.reason);
            return;
        }
        formPreview_->ShowProcessing();
        formPreview_->PreparePreview(WorkPhoto());
        std::shared_ptr<RenderJob> job = session_.StartRender(look);
        rendering_.Start(
            [job, threads = RowThreads()] {
                LimitRowThreads(threads);
                return RunRender(*job);
            },
            [this, look](RenderOutcome outcome) {
                UpdateBusy();
                FinishUserRender(look, std::move(outcome));
            },
            [this, look](const std::string& error) {
                UpdateBusy();
                RenderOutcome failed;
                failed.error = error;
                FinishUserRender(look, std::move(failed));
            });
        StartBusy(QStringLiteral("Rendering"));
    });
}

void TFormMain::FinishUserRender(const UserLook& look, RenderOutcome outcome) {
    if (!outcome.error.empty()) {
        dialogs_->ShowError(outcome.error);
        emit RenderFinished();
        return;
    }
    session_.FinishRender(look, std::move(outcome.result));
    // A table takes no colour.
    formPreview_->BtnColor()->setVisible(false);
    formPreview_->ShowResult(ResultPhotoBuffer().Snapshot(), session_.WorkSnapshot(), session_.PreviewStrength(), true);
    formPreview_->setWindowTitle(QStringLiteral("Preview - My Looks: %1").arg(Text(look.name)));
    emit RenderFinished();
}

}  // namespace corvessa
