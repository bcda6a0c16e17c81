// corvessa-film-sheet PICDIR OUT.jpg PHOTO...
//
// The Film looks on real photos: one row a photo, the photo itself and its
// ten grades, each captioned, written to OUT.jpg. Prints for each photo how
// far each grade moves it (mean absolute byte difference from the photo at
// full size) and how far apart the strip's ten thumbnails are (closest
// pair and median), the numbers the grades are held to.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/render_job.h"
#include "io/photo_files.h"
#include "io/picture_source.h"
#include "lookpack/sheet_image.h"
#include "lookpack/shrink.h"
#include "lookpack/strip_spread.h"

using namespace corvessa;
using namespace corvessa::lookpack;

namespace {

constexpr int kTileW = 240, kTileH = 160, kGap = 4, kCaptionH = 20;

struct Thumbnails : StripView {
    std::vector<TBitmap> pictures;
    void ThumbnailDone(int, const TBitmap& picture, bool) override { pictures.push_back(Copy(picture)); }
    void SetChangeColorButton(bool) override {}
    static TBitmap Copy(const TBitmap& b) {
        TBitmap c;
        c.CopyFrom(b);
        return c;
    }
};

TBitmap FitTile(const TBitmap& photo) {
    const double k = std::min(double(kTileW) / photo.Width(), double(kTileH) / photo.Height());
    return Shrink(photo, std::max(1, int(photo.Width() * k)), std::max(1, int(photo.Height() * k)));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvessa-film-sheet PICDIR OUT.jpg PHOTO...\n");
        return 2;
    }
    try {
        const Category& film = *FindCategoryByCaption("Film");
        PictureCache cache;
        const FolderPictures pictures(std::filesystem::absolute(argv[1]).string(), &cache);
        const int photos = argc - 3;
        QImage sheet(11 * (kTileW + kGap), photos * (kTileH + kCaptionH + kGap) + kGap, QImage::Format_RGB888);
        QPainter painter;
        StartSheet(sheet, painter);
        for (int p = 0; p < photos; ++p) {
            const std::string path = argv[3 + p];
            const auto photo = std::make_shared<const TBitmap>(ReadPicture(path));
            std::printf("%s (%d x %d)\n", std::filesystem::path(path).filename().c_str(), photo->Width(), photo->Height());
            const int top = kGap + p * (kTileH + kCaptionH + kGap);
            const auto tile = [&](int column, const TBitmap& picture, const std::string& caption) {
                const QImage image = ToImage(FitTile(picture));
                const int left = column * (kTileW + kGap);
                painter.drawText(QRect(left, top, kTileW, kCaptionH), Qt::AlignCenter, QString::fromStdString(caption));
                painter.drawImage(left + (kTileW - image.width()) / 2, top + kCaptionH + (kTileH - image.height()) / 2, image);
            };
            tile(0, *photo, "the photo");
            for (int n = 1; n <= kEffectCount; ++n) {
                const TBitmap graded = RenderJob(photo, Look{film.number, n}, pictures).Run().picture;
                const std::string name(film.lookNames[size_t(n - 1)]);
                std::printf("  %2d %-16s moves the photo by %5.1f\n", n, name.c_str(), MeanAbsDifference(graded, *photo));
                tile(n, graded, std::to_string(n) + " " + name);
            }
            Thumbnails strip;
            StripJob(photo, film.number, pictures).Run(strip);
            const StripSpread spread = SpreadOf(strip.pictures);
            std::printf("  strip: closest pair %d-%d %.1f, median %.1f\n", spread.Closest().a, spread.Closest().b,
                        spread.Closest().difference, spread.median);
        }
        painter.end();
        if (!sheet.save(QString::fromUtf8(argv[2]), "JPG", 85)) throw std::runtime_error(std::string("Cannot create file ") + argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
