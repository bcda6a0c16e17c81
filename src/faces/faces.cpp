#include "faces/faces.h"

#include <algorithm>

#include <dlib/image_processing/frontal_face_detector.h>

namespace corvessa {

GreyPicture ReducedGrey(const TBitmap& photo, int side) {
    GreyPicture grey;
    const int sw = photo.Width(), sh = photo.Height();
    if (photo.Empty() || side <= 0) return grey;
    const int longer = std::max(sw, sh);
    grey.width = longer <= side ? sw : std::max(1, int(int64_t(sw) * side / longer));
    grey.height = longer <= side ? sh : std::max(1, int(int64_t(sh) * side / longer));
    grey.pixels.assign(size_t(grey.width) * size_t(grey.height), 0);
    std::vector<int> firstColumn(size_t(grey.width) + 1);
    for (int x = 0; x <= grey.width; ++x) firstColumn[size_t(x)] = int(int64_t(x) * sw / grey.width);
    std::vector<uint64_t> sums(size_t(grey.width));
#pragma omp parallel for firstprivate(sums) schedule(static)
    for (int y = 0; y < grey.height; ++y) {
        const int y0 = int(int64_t(y) * sh / grey.height);
        const int y1 = std::max(y0 + 1, int(int64_t(y + 1) * sh / grey.height));
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = y0; sy < y1; ++sy) {
            const uint8_t* row = photo.Row(sy);
            for (int x = 0; x < grey.width; ++x) {
                const int x0 = firstColumn[size_t(x)], x1 = std::max(x0 + 1, firstColumn[size_t(x) + 1]);
                uint64_t sum = 0;
                // Green counts twice: the eye's weighting, near enough for finding faces.
                for (int sx = x0; sx < x1; ++sx) sum += row[sx * 3] + 2u * row[sx * 3 + 1] + row[sx * 3 + 2];
                sums[size_t(x)] += sum;
            }
        }
        uint8_t* out = &grey.pixels[size_t(y) * size_t(grey.width)];
        for (int x = 0; x < grey.width; ++x) {
            const int x0 = firstColumn[size_t(x)], x1 = std::max(x0 + 1, firstColumn[size_t(x) + 1]);
            const uint64_t count = uint64_t(x1 - x0) * uint64_t(y1 - y0) * 4;
            out[x] = uint8_t((sums[size_t(x)] + count / 2) / count);
        }
    }
    return grey;
}

namespace {

// Above dlib's own threshold of 0: at 0 the detector takes the round
// badge on a flight suit for a face; every real face we measured scored
// well above this.
constexpr double kFaceScoreFloor = 0.3;

}  // namespace

struct FaceFinder::Detector {
    dlib::frontal_face_detector detector = dlib::get_frontal_face_detector();
};

FaceFinder::FaceFinder() = default;
FaceFinder::~FaceFinder() = default;

std::vector<FaceBox> FindFaces(const TBitmap& photo) { return FaceFinder().Find(photo); }

std::vector<FaceBox> FaceFinder::Find(const TBitmap& photo) {
    const GreyPicture grey = ReducedGrey(photo);
    if (grey.pixels.empty()) return {};
    dlib::array2d<unsigned char> image(grey.height, grey.width);
    for (int y = 0; y < grey.height; ++y)
        std::copy_n(&grey.pixels[size_t(y) * size_t(grey.width)], grey.width, &image[y][0]);
    std::vector<dlib::rect_detection> found;
    {
        std::lock_guard lock(mutex_);
        if (!detector_) detector_ = std::make_unique<Detector>();
        detector_->detector(image, found, kFaceScoreFloor);
    }
    std::vector<FaceBox> faces;
    for (const dlib::rect_detection& d : found) {
        const dlib::rectangle r = d.rect.intersect(dlib::rectangle(0, 0, grey.width - 1, grey.height - 1));
        if (r.is_empty()) continue;
        faces.push_back({int(r.left()), int(r.top()), int(r.width()), int(r.height())});
    }
    std::sort(faces.begin(), faces.end(), [](const FaceBox& a, const FaceBox& b) {
        return a.x != b.x ? a.x < b.x : a.y < b.y;
    });
    return ScaleFaces(faces, grey.width, grey.height, photo.Width(), photo.Height());
}

std::vector<FaceBox> ScaleFaces(const std::vector<FaceBox>& faces, int fromWidth, int fromHeight, int toWidth,
                                int toHeight) {
    std::vector<FaceBox> scaled;
    if (fromWidth <= 0 || fromHeight <= 0) return scaled;
    auto sx = [&](int v) { return int((int64_t(v) * toWidth + fromWidth / 2) / fromWidth); };
    auto sy = [&](int v) { return int((int64_t(v) * toHeight + fromHeight / 2) / fromHeight); };
    for (const FaceBox& f : faces) {
        const int x0 = sx(f.x), y0 = sy(f.y);
        scaled.push_back({x0, y0, std::max(1, sx(f.x + f.width) - x0), std::max(1, sy(f.y + f.height) - y0)});
    }
    return scaled;
}

PhotoFaces::PhotoFaces(std::shared_ptr<const TBitmap> photo, std::shared_ptr<FaceFinder> finder)
    : photo_(std::move(photo)), finder_(std::move(finder)) {
    if (photo_) {
        width_ = photo_->Width();
        height_ = photo_->Height();
    }
}

std::vector<FaceBox> PhotoFaces::Boxes() {
    std::lock_guard lock(mutex_);
    if (!boxes_) {
        if (!photo_)
            boxes_.emplace();
        else
            boxes_ = finder_ ? finder_->Find(*photo_) : FindFaces(*photo_);
        photo_.reset();
        known_.store(true);
    }
    return *boxes_;
}

std::vector<FaceBox> PhotoFaces::BoxesFor(int width, int height) {
    const std::vector<FaceBox> boxes = Boxes();
    if (width == width_ && height == height_) return boxes;
    return ScaleFaces(boxes, width_, height_, width, height);
}

}  // namespace corvessa
