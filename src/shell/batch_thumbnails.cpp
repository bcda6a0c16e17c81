// The batch dialog's pictures: each photo's small icon and the ten
// thumbnails of the chosen category on the first photo, made on the
// settings page's pool and handed back to its thread.
#include "shell/batch_settings_page.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPixmap>
#include <QThreadPool>
#include <algorithm>
#include <cstring>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "ground/error.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "session/words.h"
#include "shell/accessible_names.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

namespace {

QImage ToImage(const TBitmap& picture) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), picture.RowBytes());
    return image;
}

// A small, smooth picture of `photo` within side x side: dropped rows and
// columns down to four times the size, then averaged.
QImage SmallImage(const TBitmap& photo, int side) {
    if (photo.Empty()) return QImage();
    const int longer = std::max(photo.Width(), photo.Height()), room = 4 * side;
    TBitmap shrunk;
    const TBitmap* source = &photo;
    if (longer > room) {
        shrunk.SetSize(std::max(1, photo.Width() * room / longer), std::max(1, photo.Height() * room / longer));
        shrunk.StretchDraw(photo);
        source = &shrunk;
    }
    return ToImage(*source).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The thumbnails of a strip as pictures for the dialog.
class CollectedStrip : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { images.push_back(ToImage(picture)); }
    void SetChangeColorButton(bool) override {}
    std::vector<QImage> images;
};

}  // namespace

void TBatchSettingsPage::MakeThumbnail(const std::string& path) {
    pool_->start([this, path] {
        QImage image;
        std::string problem;
        try {
            PhotoMetadata metadata;
            std::string warning;  // the batch's summary tells of it
            image = SmallImage(ReadPhotoUpright(path, metadata, &warning), kPhotoIconSide);
        } catch (...) {
            problem = CurrentErrorText();
        }
        QMetaObject::invokeMethod(
            this,
            [this, path, image, problem] {
                const QString key = Text(path);
                for (int i = 0; i < listPhotos_->count(); ++i) {
                    QListWidgetItem* item = listPhotos_->item(i);
                    if (item->data(Qt::UserRole).toString() != key) continue;
                    if (problem.empty()) {
                        item->setIcon(QPixmap::fromImage(image));
                    } else {
                        item->setForeground(QColor(192, 0, 0));
                        item->setToolTip(tr("%1\n%2").arg(key, MessageWords(problem)));
                    }
                }
            },
            Qt::QueuedConnection);
    });
}

void TBatchSettingsPage::RenderLooks() {
    const int generation = ++looksGeneration_;
    const int category = comboCategory_->currentData().toInt();
    const Category* shown = FindCategory(category);
    for (int n = 1; n <= kEffectCount; ++n) {
        QListWidgetItem* item = listLooks_->item(n - 1);
        const QString name = shown ? AccessibleText::Catalogue(shown->lookNames[size_t(n - 1)]) : QString();
        item->setText(shown ? tr("%1 %2").arg(QString::number(n), name) : QString());
        item->setIcon(QIcon());
    }
    const std::vector<std::string> photos = Photos();
    if (photos.empty() || !shown) {
        labelLooks_->setText(tr("Add photos to see the looks on the first of them."));
        return;
    }
    labelLooks_->setText(tr("Making the thumbnails..."));
    const std::string first = photos[0];
    pool_->start(
        [this, generation, first, category, pictures = pictures_] {
            std::vector<QImage> thumbnails;
            std::string problem;
            try {
                PhotoMetadata metadata;
                std::string warning;  // the batch's summary tells of it
                auto photo = std::make_shared<const TBitmap>(ReadPhotoUpright(first, metadata, &warning));
                CollectedStrip strip;
                StripJob(photo, category, *pictures).Run(strip);
                thumbnails = std::move(strip.images);
            } catch (...) {
                problem = CurrentErrorText();
            }
            QMetaObject::invokeMethod(
                this,
                [this, generation, thumbnails, problem] {
                    if (generation != looksGeneration_) return;
                    for (size_t i = 0; i < thumbnails.size() && i < size_t(kEffectCount); ++i)
                        listLooks_->item(int(i))->setIcon(QPixmap::fromImage(thumbnails[i]));
                    labelLooks_->setText(MessageWords(problem));
                    emit LooksShown();
                },
                Qt::QueuedConnection);
        },
        1);  // before the photos' thumbnails
}

}  // namespace corvessa
