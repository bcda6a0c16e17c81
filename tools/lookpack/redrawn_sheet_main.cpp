// corvessa-redrawn-sheet PICDIR OUTPREFIX [--before BEFORE_PICDIR] PHOTO...
//
// The looks whose pictures were last redrawn (frames that fit, light that
// keeps off the subject, calmer textures, the colour masks), each on real
// photos, one row a look, as OUTPREFIX-1.jpg, OUTPREFIX-2.jpg, ... With
// BEFORE_PICDIR (the pack of an earlier build) every photo shows the look
// before and after, side by side. Rows carry the look's name.

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

using namespace corvessa;
using corvessa::lookpack::Shrink;
using corvessa::lookpack::StartSheet;
using corvessa::lookpack::ToImage;

namespace {

constexpr int kTileW = 180, kTileH = 150, kGap = 4, kCaptionW = 170, kRowsPerSheet = 12;

struct Redrawn {
    int category;
    std::vector<int> effects;
};
// Category numbers as in the catalogue: Light A 1 ... Preset 16.
const Redrawn kRedrawn[] = {
    {10, {1, 2, 4, 6, 7, 9, 10}}, {11, {1, 2, 3, 4, 6, 7, 8, 9, 10}}, {16, {9, 4, 6}},
    {1, {2, 4, 5, 7, 9}}, {2, {3, 4, 5, 6, 7, 8, 10}}, {3, {1, 2, 5, 6, 8, 9, 10}},
    {4, {10}}, {5, {3, 5, 7, 8, 9, 10}}, {6, {5}}, {12, {8, 9}}, {13, {1, 5, 7}},
    {8, {8, 9}}, {9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
};


// The photo shrunk to fit a tile, its shape kept.
std::shared_ptr<const TBitmap> Fitted(const std::string& path) {
    const TBitmap photo = ReadPicture(path);
    const double k = std::min(double(2 * kTileW) / photo.Width(), double(2 * kTileH) / photo.Height());
    return std::make_shared<const TBitmap>(Shrink(photo, int(photo.Width() * k), int(photo.Height() * k)));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string before;
    if (args.size() > 3 && args[2] == "--before") {
        before = std::filesystem::absolute(args[3]).string();
        args.erase(args.begin() + 2, args.begin() + 4);
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: corvessa-redrawn-sheet PICDIR OUTPREFIX [--before BEFORE_PICDIR] PHOTO...\n");
        return 2;
    }
    try {
        const std::string after = std::filesystem::absolute(args[0]).string(), prefix = args[1];
        std::vector<std::shared_ptr<const TBitmap>> photos;
        for (size_t i = 2; i < args.size(); ++i) photos.push_back(Fitted(args[i]));
        PictureCache afterCache, beforeCache;
        const FolderPictures afterPictures(after, &afterCache);
        const FolderPictures beforePictures(before.empty() ? after : before, &beforeCache);
        std::vector<std::pair<int, int>> looks;
        for (const Redrawn& r : kRedrawn)
            for (int n : r.effects) looks.push_back({r.category, n});

        const int perPhoto = before.empty() ? 1 : 2, columns = perPhoto * int(photos.size());
        for (size_t first = 0, sheetNo = 1; first < looks.size(); first += kRowsPerSheet, ++sheetNo) {
            const size_t rows = std::min<size_t>(kRowsPerSheet, looks.size() - first);
            QImage sheet(kCaptionW + columns * (kTileW + kGap), 24 + int(rows) * (kTileH + kGap), QImage::Format_RGB888);
            QPainter painter;
            StartSheet(sheet, painter);
            for (int c = 0; c < columns; ++c)
                painter.drawText(QRect(kCaptionW + c * (kTileW + kGap), 0, kTileW, 22), Qt::AlignCenter,
                                 before.empty() ? QStringLiteral("after") : (c % 2 ? QStringLiteral("after") : QStringLiteral("before")));
            for (size_t i = 0; i < rows; ++i) {
                const auto [category, n] = looks[first + i];
                const Category& c = *FindCategory(category);
                const std::string label =
                    std::string(c.caption) + " " + std::to_string(n) + "\n" + std::string(c.lookNames[size_t(n - 1)]);
                const int top = 24 + int(i) * (kTileH + kGap);
                painter.drawText(QRect(6, top, kCaptionW - 10, kTileH), Qt::AlignVCenter | Qt::AlignLeft,
                                 QString::fromStdString(label));
                for (int col = 0; col < columns; ++col) {
                    const bool isBefore = !before.empty() && col % 2 == 0;
                    const auto& photo = photos[size_t(col / perPhoto)];
                    const TBitmap result =
                        RenderJob(photo, Look{category, n}, isBefore ? beforePictures : afterPictures).Run().picture;
                    const QImage tile = ToImage(Shrink(result, result.Width() / 2, result.Height() / 2));
                    const int left = kCaptionW + col * (kTileW + kGap);
                    painter.drawImage(left + (kTileW - tile.width()) / 2, top + (kTileH - tile.height()) / 2, tile);
                }
            }
            painter.end();
            const std::string out = prefix + "-" + std::to_string(sheetNo) + ".jpg";
            if (!sheet.save(QString::fromStdString(out), "JPG", 82)) throw std::runtime_error("Cannot create file " + out);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
