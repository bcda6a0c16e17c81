#pragma once
// TFormExport: a copy of the photo shown, made for sharing: its format and
// quality, smaller (a long edge or a percentage), in sRGB, without the
// place it was taken or without any camera data, under a name made from a
// pattern. The size the file will have is estimated off the window's
// thread as the choices change. Export writes a copy only: the working photo, whether it
// is saved and where Save writes stay as they were.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "io/photo_export.h"
#include "io/photo_formats.h"
#include "io/photo_metadata.h"
#include "shell/window_job.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace corvessa {

class ShellDialogs;

// What the dialog writes, and where.
struct ExportRequest {
    PhotoFormatId format = PhotoFormatId::kJpeg;
    int quality = kDefaultQuality;
    ExportChoices choices;
    std::string path;
};

// The bytes a file written with `request` would take, from an encoding of
// a copy of at most about a megapixel scaled up by the pixels: "about".
// Throws what reading and writing throw.
uint64_t EstimateExportBytes(const TBitmap& photo, const PhotoMetadata& metadata, const ExportRequest& request);

// Writes the copy `request` asks for; returns the failure's message, ""
// when the file was written. Never throws.
std::string WriteExport(const TBitmap& photo, const PhotoMetadata& metadata, const ExportRequest& request);

class TFormExport : public QWidget {
    Q_OBJECT
public:
    // A window of its own owned by `owner`; errors and the question before
    // a file is replaced go through `dialogs`, which must outlive it.
    TFormExport(QWidget* owner, ShellDialogs& dialogs);
    ~TFormExport() override;

    // The photo to export: the one shown, its camera data, and the file it
    // came from (its name and folder make the output's).
    void Offer(std::shared_ptr<const TBitmap> photo, PhotoMetadata metadata, std::string photoPath);

    // The request the controls make now; nothing (the reason shown) when
    // the name pattern is wrong.
    std::optional<ExportRequest> Request();
    // Writes the copy off the window's thread, asking first before a file
    // is replaced.
    void ExportClick();
    bool Estimating() const { return estimate_.Running() || estimateDue_; }
    bool Exporting() const { return write_.Running(); }

signals:
    // An export ended: its file is written, or its failure was reported.
    void Exported();

private:
    void MakeControls();
    void ConnectControls();
    void ChoicesChanged();
    void StartEstimate();

    ShellDialogs& dialogs_;
    std::shared_ptr<const TBitmap> photo_;
    PhotoMetadata metadata_;
    std::string photoPath_;
    QString offeredFolder_;  // the folder Offer put in, which the next photo's replaces
    QComboBox* format_ = nullptr;
    QSpinBox* quality_ = nullptr;
    QComboBox* sizeKind_ = nullptr;
    QSpinBox* sizeValue_ = nullptr;
    QCheckBox* stripLocation_ = nullptr;
    QCheckBox* stripMetadata_ = nullptr;
    QCheckBox* srgb_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QLabel* estimateText_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* export_ = nullptr;
    QTimer* estimateTimer_ = nullptr;
    bool estimateDue_ = false;
    WindowJob<uint64_t> estimate_{this};
    WindowJob<std::string> write_{this};  // the failure's message, empty for none
};

}  // namespace corvessa
