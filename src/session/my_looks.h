#pragma once
// My Looks as the window shows them, without the window: the listing of
// the user's own .cube tables, which page of ten the strip shows, the
// tables that page keeps, Add Look's copying, and the thumbnails of a page.
// The listing and the thumbnails are made off the window's thread
// (ReadListing, DrawThumbnails); the rest belongs to the window's thread.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "ground/bitmap.h"
#include "faces/faces.h"
#include "io/user_looks.h"

namespace corvessa {

class MyLooks {
public:
    static constexpr int kPageSize = kEffectCount;

    // A listing read off the window's thread: the looks, where the first
    // file added landed, and the files refused, each in the reader's words.
    struct Listing {
        std::vector<UserLook> looks;
        std::string firstAdded;
        std::vector<std::string> refusals;
    };
    // Copies `added` into the user's looks, then lists the folder keeping
    // the tables of page `page`. Never throws: what fails is a refusal.
    static Listing ReadListing(const std::vector<std::string>& added, int page);

    // Takes the listing read; the page to show is the one of the first file
    // added, else the page shown, else the first. My Looks shows from now.
    int TakeListing(Listing listing);

    // Whether the strip belongs to My Looks.
    bool Shown() const { return shown_; }
    // The strip is a category's from now on.
    void Leave() { shown_ = false; }
    const std::vector<UserLook>& Looks() const { return looks_; }
    // The page shown, 0 for looks 1-10.
    int Page() const { return page_; }
    // Shows page `page`, clamped to the listing's pages.
    void ShowPage(int page);
    // Look n (1..10) of the page shown; null when My Looks does not show or
    // the page ends before it.
    const UserLook* LookAt(int n) const;
    // The looks of the page shown.
    std::vector<UserLook> PageLooks() const;
    // The index in Looks() of look n of the page shown.
    size_t IndexOf(int n) const { return size_t(page_) * kPageSize + size_t(n - 1); }
    // "Looks 11-20 of 23" for the page shown, "No looks" without any.
    std::string PageText() const;
    // Whether there is more than a page to step through, and a page before
    // or after the one shown.
    bool Paging() const { return shown_ && looks_.size() > size_t(kPageSize); }
    bool HasPrevious() const { return page_ > 0; }
    bool HasNext() const { return (size_t(page_) + 1) * kPageSize < looks_.size(); }

    // The tables a page's thumbnails read (`shown`, as DrawThumbnails left
    // them): kept while that page is the one shown, the other pages' let go.
    // A listing made since the page was drawn is left alone.
    void KeepPageTables(const std::vector<UserLook>& shown, const std::vector<std::shared_ptr<const PreparedLut>>& tables);

    // The thumbnails of `shown` on `work`, scaled to `side` (0: the 105 x 105
    // strip), handed to `each` (n, picture) one by one; a table that cannot
    // be used (or broke since it was listed) shows as a plain grey. The
    // tables read are left in `tables`. Stops when asked (ground/stop.h);
    // memory running out ends it with the thumbnails made so far. With
    // `faces` (those of `work`), each is kept clear of them.
    static void DrawThumbnails(const TBitmap& work, const std::vector<UserLook>& shown, int side,
                               std::vector<std::shared_ptr<const PreparedLut>>& tables,
                               const std::function<void(int, std::shared_ptr<TBitmap>)>& each,
                               PhotoFaces* faces = nullptr);

private:
    std::vector<UserLook> looks_;
    int page_ = 0;
    bool shown_ = false;
};

}  // namespace corvessa
