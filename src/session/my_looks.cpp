#include "session/my_looks.h"

#include <algorithm>

#include "catalogue/render_job.h"
#include "ground/error.h"
#include "ground/stop.h"
#include "io/files.h"

namespace corvessa {

namespace {

// What a table that cannot be used shows in its place: a plain grey.
TBitmap Placeholder(int width, int height) {
    TBitmap picture;
    picture.SetSize(width, height);
    picture.SetFillColor(Rgb{150, 150, 150});
    picture.FillAll();
    return picture;
}

}  // namespace

MyLooks::Listing MyLooks::ReadListing(const std::vector<std::string>& added, int page) {
    Listing listing;
    const std::string folder = UserLooksFolder();
    if (const std::string why = ForeignLinkOn(folder); !why.empty()) {
        listing.refusals.push_back("My Looks cannot be read or added to: " + why + " \u2014 " + folder);
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
        // The tables of the page shown are kept; a page shown later reads
        // its own.
        listing.looks = ListUserLooks(folder, size_t(page) * kPageSize, kPageSize);
    } catch (...) {
        listing.refusals.push_back(CurrentErrorText());
    }
    return listing;
}

int MyLooks::TakeListing(Listing listing) {
    looks_ = std::move(listing.looks);
    int page = shown_ ? page_ : 0;
    for (size_t i = 0; i < looks_.size(); ++i)
        if (!listing.firstAdded.empty() && looks_[i].path == listing.firstAdded) page = int(i / kPageSize);
    shown_ = true;
    return page;
}

void MyLooks::ShowPage(int page) {
    const int pages = std::max(1, int((looks_.size() + kPageSize - 1) / kPageSize));
    page_ = std::clamp(page, 0, pages - 1);
    shown_ = true;
}

const UserLook* MyLooks::LookAt(int n) const {
    const size_t index = IndexOf(n);
    return shown_ && index < looks_.size() ? &looks_[index] : nullptr;
}

std::vector<UserLook> MyLooks::PageLooks() const {
    std::vector<UserLook> shown;
    for (int n = 1; n <= kPageSize; ++n)
        if (const UserLook* look = LookAt(n)) shown.push_back(*look);
    return shown;
}

std::string MyLooks::PageText() const {
    if (looks_.empty()) return "No looks";
    const size_t first = size_t(page_) * kPageSize;
    const size_t last = std::min(first + kPageSize, looks_.size());
    return "Looks " + std::to_string(first + 1) + "-" + std::to_string(last) + " of " + std::to_string(looks_.size());
}

void MyLooks::KeepPageTables(const std::vector<UserLook>& shown,
                             const std::vector<std::shared_ptr<const PreparedLut>>& tables) {
    const size_t first = size_t(page_) * kPageSize;
    for (size_t i = 0; i < shown.size(); ++i)
        if (first + i >= looks_.size() || looks_[first + i].path != shown[i].path) return;
    for (size_t i = 0; i < looks_.size(); ++i) {
        const bool onPage = i >= first && i - first < shown.size();
        if (onPage && tables[i - first]) looks_[i].table = tables[i - first];
        if (!onPage) looks_[i].table.reset();
    }
}

void MyLooks::DrawThumbnails(const TBitmap& work, const std::vector<UserLook>& shown, int side,
                             std::vector<std::shared_ptr<const PreparedLut>>& tables,
                             const std::function<void(int, std::shared_ptr<TBitmap>)>& each, PhotoFaces* faces) {
    tables.resize(shown.size());
    try {
        // The thumbnail photo as a category's strip makes it.
        TBitmap thumb;
        if (side > 0) {
            thumb = ScaleToFit(work, side);
        } else {
            thumb.SetSize(kThumbSide, kThumbSide);
            thumb.StretchDraw(work);
        }
        const std::vector<FaceBox> boxes = faces ? faces->BoxesFor(thumb.Width(), thumb.Height()) : std::vector<FaceBox>{};
        for (size_t i = 0; i < shown.size() && !StopRequested(); ++i) {
            auto picture = std::make_shared<TBitmap>();
            try {
                tables[i] = PreparedTable(shown[i]);
                tables[i]->Apply(thumb, *picture);
                KeepFacesClear(*picture, thumb, boxes);
            } catch (const WorkStopped&) {
                throw;
            } catch (...) {
                // Broken, or broken since it was listed.
                *picture = Placeholder(thumb.Width(), thumb.Height());
            }
            each(int(i) + 1, std::move(picture));
        }
    } catch (...) {
        // Memory ran out for a thumbnail: those before it show.
    }
}

}  // namespace corvessa
