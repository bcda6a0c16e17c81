#include "shell/photo_saver.h"

#include <malloc.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <filesystem>
#include <utility>

#include "ground/parallel.h"
#include "session/photo_session.h"
#include "shell/dialogs.h"
#include "shell/photo_pane.h"
#include "widgets/image_view.h"

namespace corvessa {

QString FileSizeText(qint64 bytes) {
    if (bytes >= 1000 * 1000)
        return QCoreApplication::translate("FileSize", "%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
    if (bytes >= 1000) return QCoreApplication::translate("FileSize", "%1 KB").arg((bytes + 500) / 1000);
    return QCoreApplication::translate("FileSize", "%n bytes", nullptr, int(bytes));
}

QString SavedNews(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    return QCoreApplication::translate("TFormMain", "Saved %1, %2").arg(file.fileName(), FileSizeText(file.size()));
}

TPhotoSaver::TPhotoSaver(PhotoSession& session, ShellDialogs& dialogs, TPhotoPane& pane,
                         std::function<int()> rowThreads)
    : session_(session), dialogs_(dialogs), pane_(pane), rowThreads_(std::move(rowThreads)) {
    pane_.Watch([this] { return Saving(); }, false);
}

TPhotoSaver::~TPhotoSaver() { job_.LetFinish(); }

std::optional<std::pair<SaveTarget, int>> TPhotoSaver::AskTarget() {
    // Asked of the name written, which the filter may have lengthened; the
    // save dialog comes back until a name is new or may be replaced.
    while (true) {
        const std::optional<SaveChoice> choice = dialogs_.ChooseSaveFile(session_.PhotoPath());
        if (!choice) return std::nullopt;
        const SaveTargets targets = SaveTargetsFor(choice->path, SaveFormatAt(choice->filterIndex).id);
        SaveTarget target = targets.asFilter;
        if (targets.asName) {
            const SaveFormatChoice format = dialogs_.AskSaveFormat(*targets.asName, targets.asFilter);
            if (format == SaveFormatChoice::kCancel) continue;
            if (format == SaveFormatChoice::kAsName) target = *targets.asName;
        }
        std::error_code ec;
        const bool taken =
            std::filesystem::symlink_status(target.path, ec).type() != std::filesystem::file_type::not_found;
        if (!taken || dialogs_.ConfirmReplace(target.path)) return std::pair{target, choice->quality};
    }
}

bool TPhotoSaver::Save(std::function<void()> saved) {
    // One save at a time: the file being written is the user's latest choice.
    if (Saving()) return false;
    bool started = false;
    Guarded(dialogs_, [&] {
        TImageView& view = *pane_.View();
        // Without a start-up photo and before any Open there is nothing to save.
        if (std::as_const(view).Picture().Empty()) return;
        // The photo shown now is the one saved, whatever is applied or
        // undone while its file is written.
        std::shared_ptr<const TBitmap> shown = view.SharedPicture();
        if (!shown) {
            auto copy = std::make_shared<TBitmap>();
            copy->CopyFrom(std::as_const(view).Picture());
            shown = std::move(copy);
        }
        const uint64_t generation = session_.TakeShownForSave(std::move(shown));
        const std::optional<std::pair<SaveTarget, int>> chosen = AskTarget();
        if (!chosen) return;
        const auto& [target, quality] = *chosen;
        // Written off the window's thread from what the view showed.
        const auto finished = [this, saved = std::move(saved), path = target.path, generation](const std::string& error) {
            pane_.UpdateBusy();
            if (error.empty()) {
                session_.NoteSaved(path, generation);
                pane_.Tell(SavedNews(path));
            } else {
                dialogs_.ShowError(error);
            }
            emit Finished();
            if (error.empty()) saved();
        };
        job_.Start(
            [picture = session_.ResultPhotoBuffer().Snapshot(), target = target, quality = quality,
             metadata = session_.Metadata(), threads = rowThreads_()] {
                LimitRowThreads(threads);
                const std::string error = WritePhotoFile(*picture, target.path, target.format, metadata, quality);
                // The encoder's buffers are freed by now, but the allocator
                // keeps their pages; a window left open after a save would
                // hold a photo's worth and more.
                TrimPixelPool();
                malloc_trim(0);
                return error;
            },
            finished, finished);
        pane_.StartBusy(tr("Saving %1").arg(QFileInfo(QString::fromStdString(target.path)).fileName()));
        started = true;
    });
    return started;
}

void TPhotoSaver::AfterUnsavedApply(const std::function<UnsavedChoice()>& ask, const std::function<void()>& proceed,
                                    const std::function<void()>& cancelled) {
    // An Apply never saved would be lost with the working photo.
    if (!session_.HasUnsavedApply()) return proceed();
    const UnsavedChoice choice = ask();
    if (choice == UnsavedChoice::kDiscard) return proceed();
    // Once the file is written the question stands again: an Apply made
    // while it was written is in no file.
    if (choice == UnsavedChoice::kSave && Save([this, ask, proceed, cancelled] { AfterUnsavedApply(ask, proceed, cancelled); }))
        return;
    cancelled();
}

bool TPhotoSaver::MayClose(std::function<void()> closeLater) {
    // Asked now: Discard closes now; Save closes once the photo is saved.
    const auto asking = std::make_shared<bool>(true);
    bool closeNow = false;
    AfterUnsavedApply([this] { return dialogs_.AskSaveBeforeClosing(); },
                      [asking, &closeNow, closeLater = std::move(closeLater)] {
                          if (*asking)
                              closeNow = true;
                          else
                              closeLater();
                      },
                      [] {});
    *asking = false;
    return closeNow;
}

}  // namespace corvessa
