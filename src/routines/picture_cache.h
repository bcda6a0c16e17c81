#pragma once
// Decoded overlay pictures kept between renders. A category's strip decodes
// its ten pictures, and the full-size render of one of them right after
// would decode the same file again; decoding a 1600 x 1200 picture costs
// more than compositing it onto a 24-megapixel photo.
//
// The cache is an object the program owns and hands to the routines in the
// RenderContext; without one every picture is decoded afresh. Pictures are
// shared read-only, so no caller can change what another one gets.

#include <cstddef>
#include <cstdint>
#include <future>
#include <list>
#include <memory>
#include <mutex>
#include <string>

#include "routines/bitmap.h"
#include "routines/render_context.h"

namespace corvessa {

using SharedPicture = std::shared_ptr<const TBitmap>;

class PictureCache {
public:
    // About 30 pictures of the shipped size.
    static constexpr size_t kDefaultBudget = size_t(160) << 20;

    explicit PictureCache(size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The .ssl picture at `path` (LoadSslPicture), decoded at most once while
    // the file keeps its size and modification time. Threads asking for the
    // same picture at the same time share one decoding. Throws what
    // LoadSslPicture throws; a failure is not kept.
    SharedPicture Load(const std::string& path);

    size_t BytesHeld() const;
    void Clear();

private:
    struct Entry {
        uint64_t id;
        std::string path;
        int64_t fileSize;
        int64_t modified;  // nanoseconds
        std::shared_future<SharedPicture> picture;
        size_t bytes;  // 0 while it is being decoded
    };
    // Drops the least recently used finished pictures beyond the budget.
    void Trim();

    const size_t budget_;
    mutable std::mutex mutex_;
    std::list<Entry> entries_;  // most recently used first
    size_t bytes_ = 0;
    uint64_t lastId_ = 0;
};

// The overlay picture pic/<category>/<number>.ssl under ctx.appDir, through
// ctx.pictures when the context has a cache.
SharedPicture LoadOverlay(const RenderContext& ctx, const std::string& category, const std::string& number);

}  // namespace corvessa
