// corvessa-faces-sheet PICDIR OUT.jpg PHOTO...
//
// "Keep faces clear" on real portraits: two looks of every category on
// each photo, the look as it is beside the look with the faces kept clear,
// one row a look; the photo's faces are framed in the header. Standard
// output gets, for each category, the largest ratio of the mean change
// inside a face box to the mean change elsewhere.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/render_job.h"
#include "faces/faces.h"
#include "io/photo_files.h"
#include "io/picture_source.h"
#include "lookpack/sheet_image.h"
#include "lookpack/shrink.h"

using namespace corvessa;
using corvessa::lookpack::Shrink;
using corvessa::lookpack::StartSheet;
using corvessa::lookpack::ToImage;

namespace {

constexpr int kTile = 150, kGap = 4, kCaptionW = 160, kHeader = 24 + kTile + 24;
constexpr int kSheetLooks[] = {3, 8};

// The photo's mean change per byte inside the faces' boxes over the mean
// change elsewhere.
double FaceRatio(const TBitmap& photo, const TBitmap& look, const std::vector<FaceBox>& faces) {
    double in = 0, out = 0;
    size_t inCount = 0, outCount = 0;
    for (int y = 0; y < photo.Height(); ++y)
        for (int x = 0; x < photo.Width(); ++x) {
            const bool inBox = std::any_of(faces.begin(), faces.end(), [&](const FaceBox& f) {
                return x >= f.x && x < f.x + f.width && y >= f.y && y < f.y + f.height;
            });
            for (int c = 0; c < 3; ++c) {
                const int d = std::abs(int(photo.Pixel(x, y)[c]) - int(look.Pixel(x, y)[c]));
                (inBox ? in : out) += d;
                ++(inBox ? inCount : outCount);
            }
        }
    return inCount && outCount && out > 0 ? (in / double(inCount)) / (out / double(outCount)) : 0;
}

QImage Tile(const TBitmap& picture) {
    const double k = std::min(double(kTile) / picture.Width(), double(kTile) / picture.Height());
    return ToImage(Shrink(picture, std::max(1, int(picture.Width() * k)), std::max(1, int(picture.Height() * k))));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvessa-faces-sheet PICDIR OUT.jpg PHOTO...\n");
        return 2;
    }
    try {
        PictureCache cache;
        const FolderPictures pictures(std::filesystem::absolute(argv[1]).string(), &cache);
        std::vector<std::shared_ptr<const TBitmap>> photos;
        std::vector<std::shared_ptr<PhotoFaces>> faces;
        for (int i = 3; i < argc; ++i) {
            photos.push_back(std::make_shared<const TBitmap>(ReadPicture(argv[i])));
            faces.push_back(std::make_shared<PhotoFaces>(photos.back()));
        }
        const int columns = int(photos.size()) * 2 * int(std::size(kSheetLooks));
        const int rows = int(kCategoryColumn.size());
        QImage sheet(kCaptionW + columns * (kTile + kGap), kHeader + rows * (kTile + kGap), QImage::Format_RGB888);
        QPainter painter;
        StartSheet(sheet, painter);
        for (size_t p = 0; p < photos.size(); ++p) {
            const int left = kCaptionW + int(p) * 2 * int(std::size(kSheetLooks)) * (kTile + kGap);
            QImage tile = Tile(*photos[p]);
            const double k = double(tile.width()) / photos[p]->Width();
            QPainter frame(&tile);
            frame.setPen(QPen(QColor(255, 200, 0), 2));
            for (const FaceBox& f : faces[p]->Boxes())
                frame.drawRect(QRectF(f.x * k, f.y * k, f.width * k, f.height * k));
            frame.end();
            painter.drawImage(left, 24, tile);
            painter.drawText(QRect(left, 0, 3 * kTile, 22), Qt::AlignVCenter | Qt::AlignLeft,
                             QStringLiteral("%1 face(s) found").arg(faces[p]->Boxes().size()));
            for (int c = 0; c < 2 * int(std::size(kSheetLooks)); ++c)
                painter.drawText(QRect(left + c * (kTile + kGap), kHeader - 24, kTile, 22), Qt::AlignCenter,
                                 c % 2 ? QStringLiteral("faces kept clear") : QStringLiteral("the look"));
        }
        for (int r = 0; r < rows; ++r) {
            const Category& category = *FindCategory(kCategoryColumn[size_t(r)]);
            const int top = kHeader + r * (kTile + kGap);
            std::string label = std::string(category.caption);
            for (int n : kSheetLooks) label += "\n" + std::to_string(n) + " " + std::string(category.lookNames[size_t(n - 1)]);
            painter.drawText(QRect(6, top, kCaptionW - 10, kTile), Qt::AlignVCenter | Qt::AlignLeft,
                             QString::fromStdString(label));
            double worst = 0;
            int col = 0;
            for (size_t p = 0; p < photos.size(); ++p)
                for (int n : kSheetLooks)
                    for (const bool kept : {false, true}) {
                        RenderJob job(photos[p], Look{category.number, n}, pictures);
                        if (kept) job.SetFaces(faces[p]);
                        const TBitmap result = std::move(job.Run().picture);
                        if (kept && !faces[p]->Boxes().empty())
                            worst = std::max(worst, FaceRatio(*photos[p], result, faces[p]->Boxes()));
                        painter.drawImage(kCaptionW + col++ * (kTile + kGap), top, Tile(result));
                    }
            std::printf("%-10s inside / elsewhere, at most %.3f\n", std::string(category.caption).c_str(), worst);
        }
        painter.end();
        if (!sheet.save(QString::fromUtf8(argv[2]), "JPG", 82)) throw std::runtime_error(std::string("Cannot create file ") + argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
