// corvessa-looks-gallery PICDIR OUTFILE
//
// The sample photo through all 160 looks of the sixteen visible
// categories, one row per category, as one PNG: what a user sees of the
// look pack once the routines have blended it.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "catalogue/render_job.h"
#include "io/picture_source.h"
#include "io/photo_files.h"
#include "lookpack/sheet_image.h"
#include "lookpack/shrink.h"

using namespace corvessa;
using corvessa::lookpack::Shrink;
using corvessa::lookpack::ToImage;

namespace {

constexpr int kTileW = 200, kTileH = 150, kGap = 4, kCaptionW = 110, kNameH = 20;


}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvessa-looks-gallery PICDIR OUTFILE\n");
        return 2;
    }
    try {
        const std::filesystem::path picDir = std::filesystem::absolute(argv[1]);
        const TBitmap sample = ReadPicture((picDir / "sample.jpg").string());
        // Rendered at twice the tile size: close to what a photo shows on
        // screen, and quick enough for 160 looks.
        const auto work = std::make_shared<const TBitmap>(Shrink(sample, 2 * kTileW, 2 * kTileH));
        PictureCache cache;
        const FolderPictures pictures(picDir.string(), &cache);

        int rows = 0;
        for (const Category& c : kCategories) rows += c.fill != StripFill::kLine;
        QImage sheet(kCaptionW + kEffectCount * (kTileW + kGap), rows * (kTileH + kNameH + kGap), QImage::Format_RGB888);
        sheet.fill(QColor(40, 40, 24));
        QPainter painter(&sheet);
        QFont font = painter.font();
        font.setPixelSize(18);
        font.setBold(true);
        painter.setFont(font);
        QFont nameFont = font;
        nameFont.setPixelSize(13);
        nameFont.setBold(false);
        painter.setPen(QColor(255, 160, 60));
        int row = 0;
        for (const Category& c : kCategories) {
            if (c.fill == StripFill::kLine) continue;  // the window never shows it
            const int top = row * (kTileH + kNameH + kGap);
            painter.drawText(QRect(6, top, kCaptionW - 8, kTileH), Qt::AlignVCenter | Qt::AlignLeft,
                             QString::fromUtf8(c.caption.data(), int(c.caption.size())));
            for (int n = 1; n <= kEffectCount; ++n) {
                const TBitmap result = RenderJob(work, Look{c.number, n}, pictures).Run().picture;
                const int left = kCaptionW + (n - 1) * (kTileW + kGap);
                painter.drawImage(left, top, ToImage(Shrink(result, kTileW, kTileH)));
                const std::string_view name = c.lookNames[size_t(n - 1)];
                painter.setFont(nameFont);
                painter.drawText(QRect(left, top + kTileH, kTileW, kNameH), Qt::AlignCenter,
                                 QString::number(n) + QStringLiteral("  ") +
                                     QString::fromUtf8(name.data(), qsizetype(name.size())));
                painter.setFont(font);
            }
            ++row;
        }
        painter.end();
        if (!sheet.save(argv[2])) throw std::runtime_error(std::string("Cannot create file ") + argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
