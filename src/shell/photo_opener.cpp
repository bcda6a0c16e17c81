#include "shell/photo_opener.h"

#include <QFileInfo>
#include <filesystem>
#include <optional>
#include <utility>

#include "ground/parallel.h"
#include "shell/dialogs.h"
#include "shell/photo_pane.h"
#include "shell/photo_saver.h"
#include "shell/remembered.h"

namespace corvessa {

TPhotoOpener::TPhotoOpener(const PhotoSession& session, ShellDialogs& dialogs, TPhotoPane& pane, TPhotoSaver& saver,
                           Remembered* remembered, std::function<int()> rowThreads,
                           std::function<void(OpenedPhoto)> show)
    : session_(session),
      dialogs_(dialogs),
      pane_(pane),
      saver_(saver),
      remembered_(remembered),
      rowThreads_(std::move(rowThreads)),
      show_(std::move(show)) {
    pane_.Watch([this] { return Running(); }, true);
}

void TPhotoOpener::Choose() {
    Guarded(dialogs_, [&] {
        // The folder of the photo open now, else the one opened from last time.
        std::string folder = std::filesystem::path(session_.PhotoPath()).parent_path().string();
        if (folder.empty() && remembered_) folder = remembered_->Folder(Setting::kOpenFolder).toStdString();
        const std::optional<std::string> name = dialogs_.ChooseOpenFile(folder);
        if (name) Open(*name);
    });
}

void TPhotoOpener::Open(const std::string& path) {
    saver_.AfterUnsavedApply([this, path] { return dialogs_.AskSaveBeforeOpening(path); }, [this, path] { Read(path); },
                             [this] { emit Finished(); });
}

void TPhotoOpener::Read(const std::string& path) {
    // Read into a bitmap of its own first, off the window's thread: a file
    // that fails to read leaves every buffer, the metadata and the view as
    // they were. It comes turned upright by the camera's orientation tag,
    // so the thumbnails, renders, blank check and view all see it as shot.
    job_.Start(
        [path, threads = rowThreads_()] {
            LimitRowThreads(threads);
            return ReadOpenedPhoto(path);
        },
        [this](OpenedPhoto opened) { Done(std::move(opened)); },
        [this, path](const std::string& error) {
            OpenedPhoto failed;
            failed.path = path;
            failed.error = error;
            Done(std::move(failed));
        });
    pane_.StartBusy(tr("Opening %1").arg(QFileInfo(QString::fromStdString(path)).fileName()));
}

void TPhotoOpener::Done(OpenedPhoto opened) {
    pane_.UpdateBusy();
    if (!opened.error.empty()) {
        dialogs_.ShowError(opened.error);
    } else {
        const std::string warning = opened.warning;
        show_(std::move(opened));
        if (!warning.empty()) dialogs_.ShowWarning(warning);  // the photo shows behind it
    }
    emit Finished();
}

}  // namespace corvessa
