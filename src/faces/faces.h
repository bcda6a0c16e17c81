#pragma once
// "Keep faces clear": the faces of a photo, found once on a reduced grey
// copy, and a look's render taken back toward the photo over each face
// with its hair and neck, through a soft mask that leaves every other
// pixel as the look made it. No faces means no byte changes.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// A face's box in a picture's pixels: from the brows to the chin, cheek
// to cheek, as the detector frames it.
struct FaceBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const FaceBox&) const = default;
};

// The longer side of the copy faces are looked for in: a 24-megapixel
// photo's faces are found on 1024 x 682 pixels, which finds a face about
// an eighth of the photo's longer side across or larger (the detector's
// smallest is 80 pixels), in about a tenth of a second.
inline constexpr int kFaceSearchSide = 1024;

// The photo reduced to fit `side` (never grown), one grey byte a pixel,
// each the mean of the photo's pixels it covers.
struct GreyPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
};
GreyPicture ReducedGrey(const TBitmap& photo, int side = kFaceSearchSide);

// The detector, its model read once (a third of a second) on the first
// Find and kept for the next photos; one Find runs at a time, from any
// thread.
class FaceFinder {
public:
    FaceFinder();
    ~FaceFinder();
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // The frontal faces of `photo`, in its pixels, left to right.
    std::vector<FaceBox> Find(const TBitmap& photo);

private:
    struct Detector;
    std::mutex mutex_;
    std::unique_ptr<Detector> detector_;
};

// The same with a detector of its own, for a single photo.
std::vector<FaceBox> FindFaces(const TBitmap& photo);

// Boxes of a `fromWidth` x `fromHeight` picture moved to one of
// `toWidth` x `toHeight` made from it (a thumbnail, a stretched copy).
std::vector<FaceBox> ScaleFaces(const std::vector<FaceBox>& faces, int fromWidth, int fromHeight, int toWidth,
                                int toHeight);

// How much of the photo comes back at each pixel of a width x height
// picture, 0 (the look) to 255 (the photo): 255 over each face box and
// around it, within an ellipse wider than the box and reaching above it
// for the hair and below it for the neck, fading smoothly to 0 outside.
std::vector<uint8_t> FaceMask(int width, int height, const std::vector<FaceBox>& faces);

// Takes `look` back toward `photo` (the same size) through FaceMask.
// Pixels where the mask is 0, and every pixel when `faces` is empty or the
// sizes differ, keep their bytes.
void KeepFacesClear(TBitmap& look, const TBitmap& photo, const std::vector<FaceBox>& faces);

// The faces of one photo, found on the first call for them (from any
// thread; another caller meanwhile waits for the same answer) and kept
// with the photo, so a strip, a render and an Apply find them once.
class PhotoFaces {
public:
    // Found by `finder`, shared with other photos; null: a finder of its own.
    explicit PhotoFaces(std::shared_ptr<const TBitmap> photo, std::shared_ptr<FaceFinder> finder = nullptr);
    PhotoFaces(const PhotoFaces&) = delete;
    PhotoFaces& operator=(const PhotoFaces&) = delete;

    // The boxes in the photo's pixels.
    std::vector<FaceBox> Boxes();
    // The same boxes for a picture of `width` x `height` made from the photo.
    std::vector<FaceBox> BoxesFor(int width, int height);
    // Whether they have been found already; never waits for a search.
    bool Known() const { return known_.load(); }

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const TBitmap> photo_;  // let go once the faces are found
    std::shared_ptr<FaceFinder> finder_;
    int width_ = 0, height_ = 0;
    std::optional<std::vector<FaceBox>> boxes_;
    std::atomic<bool> known_{false};
};

}  // namespace corvessa
