// Where the user is: the window's title and its status line; and what the
// windows remember between runs.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include "catalogue/catalogue.h"
#include "shell/form_preview.h"
#include "shell/dialogs.h"
#include "shell/remembered.h"
#include "shell/form_main.h"
#include "shell/window_place.h"
#include "widgets/image_view.h"

namespace corvessa {

namespace {

// "3.1 MB", "820 KB", "96 bytes".
QString FileSizeText(qint64 bytes) {
    if (bytes >= 1000 * 1000) return QStringLiteral("%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
    if (bytes >= 1000) return QStringLiteral("%1 KB").arg((bytes + 500) / 1000);
    return QStringLiteral("%1 bytes").arg(bytes);
}

}  // namespace

QString SavedNews(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    return QStringLiteral("Saved %1, %2").arg(file.fileName(), FileSizeText(file.size()));
}

void TFormMain::ShowWhereYouAre() {
    // Qt puts the modified mark where [*] stands, only while the window is
    // marked modified.
    const std::string& path = PhotoPath();
    setWindowTitle(path.empty() ? QStringLiteral("Corvessa")
                                : QStringLiteral("%1[*] - Corvessa").arg(QFileInfo(QString::fromStdString(path)).fileName()));
    setWindowModified(HasUnsavedApply());
    QString status;
    if (HasPhoto())
        status = QStringLiteral("%1 x %2\n%3").arg(WorkPhoto().Width()).arg(WorkPhoto().Height()).arg(imgEffect_->ZoomText());
    if (!news_.isEmpty()) status += QStringLiteral("\n\n") + news_;
    labelStatus_->setText(status);
}

void TFormMain::Tell(const QString& news) {
    news_ = news;
    newsTimer_->start();
    ShowWhereYouAre();
}

void TFormMain::RestoreRemembered() {
    if (!remembered_) return;
    // Said once the window is up: the run goes on from the defaults.
    if (const QString refusal = remembered_->Refusal(); !refusal.isEmpty())
        QTimer::singleShot(0, this, [this, text = refusal.toStdString()] { dialogs_->ShowWarning(text); });
    // On a screen that is there now, and no larger than it.
    RestoreWindowPlace(*this, remembered_->Place(Setting::kMainPlace), layoutArea_);
    formPreview_->RestorePlace(remembered_->Place(Setting::kPreviewPlace), true);
    SetLargeThumbnails(remembered_->Flag(Setting::kLargeThumbnails));
    const int category = remembered_->Number(Setting::kCategory);
    if (ColumnPlace(category) < 0) return;
    startCategory_ = category;
    if (HasPhoto()) CategoryClick(category);
}

void TFormMain::KeepRemembered() {
    if (!remembered_) return;
    remembered_->SetPlace(Setting::kMainPlace, saveGeometry());
    if (formPreview_->Placed()) remembered_->SetPlace(Setting::kPreviewPlace, formPreview_->saveGeometry());
    if (ColumnPlace(CurrentCategory()) >= 0) remembered_->SetNumber(Setting::kCategory, CurrentCategory());
    if (!PhotoPath().empty())
        remembered_->SetFolder(Setting::kOpenFolder, QFileInfo(QString::fromStdString(PhotoPath())).absolutePath());
    remembered_->Write();
}

}  // namespace corvessa
