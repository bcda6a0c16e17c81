#pragma once
// The overlay pictures of a picture folder, decoded for the looks, and the
// cache that keeps them between renders. A category's strip decodes its ten
// pictures, and the full-size render of one of them right after would
// decode the same file again; decoding a 1600 x 1200 picture costs more
// than compositing it onto a 24-megapixel photo.

#include <cstddef>
#include <cstdint>
#include <future>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "ground/bitmap.h"
#include "looks/render_context.h"

namespace corvessa {

class PictureCache {
public:
    // Ten pictures of 1600 x 1200: the strip of most categories. Least
    // recently used pictures go first. The strips of larger pictures (Star,
    // Weather and the edges, 90 MB; Preset, 103 MB) do not fit, so a strip
    // shown again takes its stretched copies (LoadStretched) instead; a
    // budget holding them would cost a 24-megapixel session about 75 MB
    // more at its peak.
    static constexpr size_t kDefaultBudget = size_t(64) << 20;

    explicit PictureCache(size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The .ssl picture at `path` (LoadSslPicture), decoded at most once while
    // the file keeps its size and modification time. Threads asking for the
    // same picture at the same time share one decoding. Throws what
    // LoadSslPicture throws; a failure is not kept.
    SharedPicture Load(const std::string& path);
    // The picture at `path` stretched onto width x height by nearest
    // neighbour, kept apart from the decoded pictures when it is no larger
    // than a thumbnail: a strip shown again then needs none of its full
    // pictures, even when they no longer fit the budget. Larger sizes get
    // the decoded picture itself, which stretches there to the same pixels.
    SharedPicture LoadStretched(const std::string& path, int width, int height);

    // The colour table at `path`, read and prepared at most once while the
    // file keeps its size and modification time (a strip and the full-size
    // render after it read the same ten). Throws what ReadCubeLutFile
    // throws; a failure is not kept.
    SharedGrade LoadGrade(const std::string& path);

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

    // Stretched copies of thumbnail size: a few kilobytes each, all the
    // shipped looks' together about 5 MB.
    static constexpr int64_t kMaxStretchedPixels = 256 * 256;
    static constexpr size_t kStretchedBudget = size_t(8) << 20;
    struct Stretched {
        std::string path;
        int64_t fileSize;
        int64_t modified;
        int width, height;
        SharedPicture picture;
    };
    std::list<Stretched> stretched_;  // most recently used first
    size_t stretchedBytes_ = 0;

    // Prepared tables are about 300 KB each (a 33-point cube); a few
    // strips' worth are kept.
    static constexpr size_t kMaxGrades = 32;
    struct Grade {
        std::string path;
        int64_t fileSize;
        int64_t modified;
        SharedGrade grade;
    };
    std::list<Grade> grades_;  // most recently used first

    const size_t budget_;
    mutable std::mutex mutex_;
    std::list<Entry> entries_;  // most recently used first
    size_t bytes_ = 0;
    uint64_t lastId_ = 0;
};

// The pictures <folder>/<number>.ssl and colour tables <folder>/<number>.cube
// of one picture folder (the `pic`
// folder that ships beside the program, or one the user names), through a
// cache when one is given, else decoded afresh each time. Thread-safe.
class FolderPictures : public PictureSource {
public:
    explicit FolderPictures(std::string folder, PictureCache* cache = nullptr)
        : folder_(std::move(folder)), cache_(cache) {}

    SharedPicture Load(PictureName name) const override;
    SharedPicture LoadStretched(PictureName name, int width, int height) const override;
    SharedGrade LoadGrade(PictureName name) const override;
    // The file that Load(name) reads; LoadGrade reads the one ending in
    // ".cube" instead.
    std::string PathOf(PictureName name, std::string_view extension = ".ssl") const;
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    PictureCache* cache_;
};

}  // namespace corvessa
