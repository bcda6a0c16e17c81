#include "io/picture_source.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "ground/stop.h"
#include "io/cube_file.h"
#include "io/files.h"
#include "io/ssl_picture.h"
#include "looks/cube_lut.h"

namespace corvessa {

namespace {

// Other renders may wait for the same picture, so its decoding runs to
// its end even for a render that is given up on.
SharedPicture Decode(const std::string& path) {
    const StopScope unstoppable(nullptr);
    auto picture = std::make_shared<TBitmap>();
    LoadSslPicture(path, *picture);
    return picture;
}

// The size and modification time that tell a file apart from its earlier
// contents; nothing when it cannot be looked at.
std::optional<std::pair<int64_t, int64_t>> FileIdentity(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    return std::pair<int64_t, int64_t>(info.st_size,
                                       int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec);
}

SharedGrade ReadGrade(const std::string& path) {
    const StopScope unstoppable(nullptr);
    return std::make_shared<const PreparedLut>(ReadCubeLutFile(path));
}

}  // namespace

SharedPicture PictureCache::Load(const std::string& path) {
    const auto identity = FileIdentity(path);
    // A file that cannot be looked at is not cached; loading it reports why.
    if (!identity) return Decode(path);
    const auto [fileSize, modified] = *identity;

    std::promise<SharedPicture> promise;
    std::shared_future<SharedPicture> existing;
    uint64_t id = 0;
    {
        std::lock_guard lock(mutex_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->path != path) continue;
            if (it->fileSize == fileSize && it->modified == modified) {
                entries_.splice(entries_.begin(), entries_, it);
                existing = it->picture;
            } else {  // the file has changed since it was decoded
                bytes_ -= it->bytes;
                entries_.erase(it);
            }
            break;
        }
        if (!existing.valid()) {
            id = ++lastId_;
            entries_.push_front(Entry{id, path, fileSize, modified, promise.get_future().share(), 0});
        }
    }
    // Decoded or being decoded by someone else: a failure there is rethrown here.
    if (existing.valid()) return existing.get();

    const auto finish = [&](size_t bytes) {
        std::lock_guard lock(mutex_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->id != id) continue;
            if (bytes == 0) {
                entries_.erase(it);  // failures are not kept
            } else {
                it->bytes = bytes;
                bytes_ += bytes;
            }
            break;
        }
        Trim();
    };
    try {
        SharedPicture picture = Decode(path);
        promise.set_value(picture);
        finish(std::max<size_t>(picture->ByteCount(), 1));
        return picture;
    } catch (...) {
        promise.set_exception(std::current_exception());
        finish(0);
        throw;
    }
}

SharedPicture PictureCache::LoadStretched(const std::string& path, int width, int height) {
    if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxStretchedPixels) return Load(path);
    const auto identity = FileIdentity(path);
    if (!identity) return Decode(path);
    {
        std::lock_guard lock(mutex_);
        for (auto it = stretched_.begin(); it != stretched_.end(); ++it) {
            if (it->path != path || it->width != width || it->height != height) continue;
            if (std::pair(it->fileSize, it->modified) == *identity) {
                stretched_.splice(stretched_.begin(), stretched_, it);
                return it->picture;
            }
            stretchedBytes_ -= it->picture->ByteCount();
            stretched_.erase(it);
            break;
        }
    }
    const SharedPicture full = Load(path);
    if (full->Empty()) return full;
    auto picture = std::make_shared<TBitmap>(width, height);
    picture->StretchDraw(*full);
    std::lock_guard lock(mutex_);
    stretched_.push_front(Stretched{path, identity->first, identity->second, width, height, picture});
    stretchedBytes_ += picture->ByteCount();
    while (stretchedBytes_ > kStretchedBudget) {
        stretchedBytes_ -= stretched_.back().picture->ByteCount();
        stretched_.pop_back();
    }
    return picture;
}

void PictureCache::Trim() {
    for (auto it = entries_.end(); bytes_ > budget_ && it != entries_.begin();) {
        --it;
        if (it->bytes == 0) continue;  // still being decoded
        bytes_ -= it->bytes;
        it = entries_.erase(it);
    }
}

size_t PictureCache::BytesHeld() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

void PictureCache::Clear() {
    std::lock_guard lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->bytes == 0) {
            ++it;
            continue;
        }
        bytes_ -= it->bytes;
        it = entries_.erase(it);
    }
    stretched_.clear();
    stretchedBytes_ = 0;
    grades_.clear();
}

SharedGrade PictureCache::LoadGrade(const std::string& path) {
    const auto identity = FileIdentity(path);
    if (identity) {
        std::lock_guard lock(mutex_);
        for (auto it = grades_.begin(); it != grades_.end(); ++it) {
            if (it->path != path) continue;
            if (it->fileSize == identity->first && it->modified == identity->second) {
                grades_.splice(grades_.begin(), grades_, it);
                return it->grade;
            }
            grades_.erase(it);
            break;
        }
    }
    // Two renders asking at once may both read the table: it takes a few
    // milliseconds, and both get the same colours.
    SharedGrade grade = ReadGrade(path);
    if (!identity) return grade;
    std::lock_guard lock(mutex_);
    grades_.push_front(Grade{path, identity->first, identity->second, grade});
    if (grades_.size() > kMaxGrades) grades_.pop_back();
    return grade;
}

std::string FolderPictures::PathOf(PictureName name, std::string_view extension) const {
    return FindPathNoCase(folder_, std::string(name.folder) + "/" + std::to_string(name.number) + std::string(extension));
}

SharedGrade FolderPictures::LoadGrade(PictureName name) const {
    const std::string path = PathOf(name, ".cube");
    return cache_ ? cache_->LoadGrade(path) : ReadGrade(path);
}

SharedPicture FolderPictures::Load(PictureName name) const {
    const std::string path = PathOf(name);
    return cache_ ? cache_->Load(path) : Decode(path);
}

SharedPicture FolderPictures::LoadStretched(PictureName name, int width, int height) const {
    const std::string path = PathOf(name);
    return cache_ ? cache_->LoadStretched(path, width, height) : Decode(path);
}

}  // namespace corvessa
