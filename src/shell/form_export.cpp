#include "shell/form_export.h"

#include <malloc.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <utility>

#include "batch/name_pattern.h"
#include "ground/resample.h"
#include "session/photo_session.h"
#include "session/words.h"
#include "shell/accessible_names.h"
#include "shell/dialogs.h"
#include "shell/photo_saver.h"

namespace corvessa {

namespace {

namespace fs = std::filesystem;

// A copy of about this many pixels stands for the whole in the estimate.
constexpr double kEstimatePixels = 1e6;

enum SizeKind { kFullSize, kLongEdge, kPercent };

// The photo at the size and in the colours `choices` give it: `photo`
// itself when those are its own, else `copy` made so.
const TBitmap& Prepared(const TBitmap& photo, const PhotoMetadata& metadata, const ExportChoices& choices,
                        TBitmap& copy) {
    const PictureSize size = ExportSize(photo.Width(), photo.Height(), choices);
    const bool converts = choices.srgb && !metadata.Colour().IsSrgb();
    if (size.width == photo.Width() && size.height == photo.Height()) {
        if (!converts) return photo;
        copy.CopyFrom(photo);
    } else {
        copy = Resample(photo, size.width, size.height);
    }
    ConvertForExport(copy, metadata, choices);
    return copy;
}

std::string ScratchPath(PhotoFormatId format) {
    static std::atomic<int> serial{0};
    return (fs::temp_directory_path() / ("corvessa-estimate-" + std::to_string(getpid()) + "-" +
                                         std::to_string(serial++) + "." + std::string(FormatOf(format).extensions[0])))
        .string();
}

bool EndsInExtensionOf(const std::string& name, const PhotoFormat& format) {
    const QString suffix = QFileInfo(QString::fromStdString(name)).suffix().toLower();
    for (std::string_view extension : format.extensions)
        if (suffix == QString::fromUtf8(extension.data(), int(extension.size()))) return true;
    return false;
}

}  // namespace

uint64_t EstimateExportBytes(const TBitmap& photo, const PhotoMetadata& metadata, const ExportRequest& request) {
    const PictureSize size = ExportSize(photo.Width(), photo.Height(), request.choices);
    const double pixels = double(size.width) * size.height;
    ExportChoices sample = request.choices;
    if (pixels > kEstimatePixels) {
        const double scale = std::sqrt(kEstimatePixels / pixels);
        sample.longEdge = sample.percent = 0;
        sample.boxWidth = std::max(1, int(size.width * scale));
        sample.boxHeight = std::max(1, int(size.height * scale));
    }
    TBitmap smaller;
    const TBitmap& copy = Prepared(photo, metadata, sample, smaller);
    const std::string path = ScratchPath(request.format);
    const std::string error = WritePhotoFile(copy, path, request.format,
                                             ExportedMetadata(metadata, request.choices), request.quality);
    std::error_code ec;
    const uint64_t bytes = fs::file_size(path, ec);
    fs::remove(path, ec);
    if (!error.empty()) throw CorvessaError(error);
    return uint64_t(double(bytes) * pixels / (double(copy.Width()) * copy.Height()));
}

std::string WriteExport(const TBitmap& photo, const PhotoMetadata& metadata, const ExportRequest& request) {
    try {
        TBitmap smaller;
        const TBitmap& copy = Prepared(photo, metadata, request.choices, smaller);
        return WritePhotoFile(copy, request.path, request.format, ExportedMetadata(metadata, request.choices),
                              request.quality);
    } catch (...) {
        return CurrentErrorText();
    }
}

TFormExport::TFormExport(QWidget* owner, ShellDialogs& dialogs) : QWidget(owner, Qt::Dialog), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FormExport"));
    setWindowTitle(tr("Export"));
    MakeControls();
    estimateTimer_ = new QTimer(this);
    estimateTimer_->setSingleShot(true);
    estimateTimer_->setInterval(250);
    connect(estimateTimer_, &QTimer::timeout, this, &TFormExport::StartEstimate);
}

// A write in progress ends whole in Qt's pool; an estimate is dropped.
TFormExport::~TFormExport() { write_.LetFinish(); }

void TFormExport::MakeControls() {
    auto* form = new QFormLayout;
    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("ExportFormat"));
    for (const PhotoFormat* format : SaveFormats())
        format_->addItem(QString::fromUtf8(format->name.data(), int(format->name.size())), int(format->id));
    form->addRow(tr("Format"), format_);
    quality_ = new QSpinBox(this);
    quality_->setObjectName(QStringLiteral("ExportQuality"));
    quality_->setRange(1, 100);
    quality_->setValue(85);
    form->addRow(tr("Quality"), quality_);
    auto* sizeRow = new QHBoxLayout;
    sizeKind_ = new QComboBox(this);
    sizeKind_->setObjectName(QStringLiteral("ExportSizeKind"));
    sizeKind_->addItems({tr("Full size"), tr("Long edge, pixels"), tr("Percent")});
    sizeValue_ = new QSpinBox(this);
    sizeValue_->setObjectName(QStringLiteral("ExportSizeValue"));
    sizeRow->addWidget(sizeKind_);
    sizeRow->addWidget(sizeValue_);
    form->addRow(tr("Size"), sizeRow);
    stripLocation_ = new QCheckBox(tr("Remove the location (GPS)"), this);
    stripLocation_->setObjectName(QStringLiteral("ExportStripLocation"));
    stripLocation_->setChecked(true);
    stripMetadata_ = new QCheckBox(tr("Remove all camera data"), this);
    stripMetadata_->setObjectName(QStringLiteral("ExportStripMetadata"));
    srgb_ = new QCheckBox(tr("Convert to sRGB"), this);
    srgb_->setObjectName(QStringLiteral("ExportSrgb"));
    srgb_->setToolTip(tr("The colours every browser and phone shows right"));
    srgb_->setChecked(true);
    form->addRow(QString(), srgb_);
    form->addRow(QString(), stripLocation_);
    form->addRow(QString(), stripMetadata_);
    auto* folderRow = new QHBoxLayout;
    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("ExportFolder"));
    auto* choose = new QPushButton(tr("Choose..."), this);
    choose->setObjectName(QStringLiteral("BtnExportFolder"));
    folderRow->addWidget(folder_);
    folderRow->addWidget(choose);
    form->addRow(tr("Folder"), folderRow);
    pattern_ = new QLineEdit(QStringLiteral("{name}-web"), this);
    pattern_->setObjectName(QStringLiteral("ExportName"));
    pattern_->setToolTip(tr("{name}: the photo's name, {folder}: its folder's"));
    form->addRow(tr("Name"), pattern_);
    estimateText_ = new QLabel(this);
    estimateText_->setObjectName(QStringLiteral("ExportEstimate"));
    form->addRow(tr("File"), estimateText_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("ExportStatus"));
    export_ = new QPushButton(tr("Export"), this);
    export_->setObjectName(QStringLiteral("BtnExportWrite"));
    export_->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("BtnExportClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(export_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Export to"), folder_->text());
        if (!folder.isEmpty()) folder_->setText(folder);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    NameControls(*this);
    // Down the form as it is laid out (the boxes were made in another order).
    OrderTabs({format_, quality_, sizeKind_, sizeValue_, srgb_, stripLocation_, stripMetadata_, folder_, choose,
               pattern_, export_, close});
    ConnectControls();
}

void TFormExport::ConnectControls() {
    connect(export_, &QPushButton::clicked, this, &TFormExport::ExportClick);
    connect(sizeKind_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        sizeValue_->setEnabled(kind != kFullSize);
        sizeValue_->setRange(kind == kPercent ? 1 : kExportEdgeMin, kind == kPercent ? 100 : kExportEdgeMax);
        sizeValue_->setValue(kind == kPercent ? 50 : 2048);
        sizeValue_->setSuffix(kind == kPercent ? tr(" %") : tr(" px"));
    });
    sizeKind_->setCurrentIndex(kLongEdge);
    connect(format_, &QComboBox::currentIndexChanged, this, &TFormExport::ChoicesChanged);
    connect(quality_, &QSpinBox::valueChanged, this, &TFormExport::ChoicesChanged);
    connect(sizeKind_, &QComboBox::currentIndexChanged, this, &TFormExport::ChoicesChanged);
    connect(sizeValue_, &QSpinBox::valueChanged, this, &TFormExport::ChoicesChanged);
    connect(stripLocation_, &QCheckBox::toggled, this, &TFormExport::ChoicesChanged);
    connect(stripMetadata_, &QCheckBox::toggled, this, &TFormExport::ChoicesChanged);
    connect(srgb_, &QCheckBox::toggled, this, &TFormExport::ChoicesChanged);
    connect(pattern_, &QLineEdit::textChanged, this, [this] { status_->clear(); });
}

void TFormExport::Offer(std::shared_ptr<const TBitmap> photo, PhotoMetadata metadata, std::string photoPath) {
    photo_ = std::move(photo);
    metadata_ = std::move(metadata);
    photoPath_ = std::move(photoPath);
    // The photo's folder, unless the user chose another.
    if (folder_->text().isEmpty() || folder_->text() == offeredFolder_) {
        offeredFolder_ = photoPath_.empty() ? QDir::homePath()
                                            : QFileInfo(QString::fromStdString(photoPath_)).absolutePath();
        folder_->setText(offeredFolder_);
    }
    status_->clear();
    ChoicesChanged();
}

std::optional<ExportRequest> TFormExport::Request() {
    ExportRequest request;
    request.format = PhotoFormatId(format_->currentData().toInt());
    const PhotoFormat& format = FormatOf(request.format);
    request.quality = format.lossy ? quality_->value() : kDefaultQuality;
    const int kind = sizeKind_->currentIndex();
    if (kind == kLongEdge) request.choices.longEdge = sizeValue_->value();
    if (kind == kPercent) request.choices.percent = sizeValue_->value();
    request.choices.stripLocation = stripLocation_->isChecked();
    request.choices.stripMetadata = stripMetadata_->isChecked();
    request.choices.srgb = srgb_->isChecked();
    const std::string text = pattern_->text().toStdString();
    try {
        const batch::NamePattern pattern(text);
        for (const char* field : {"{category}", "{effect}", "{look}"}) {
            if (text.find(field) != std::string::npos) {
                status_->setText(tr("The name of an export takes {name} and {folder}"));
                return std::nullopt;
            }
        }
        // A photo that came from no file (the start-up sample) is "photo".
        const std::string input = photoPath_.empty() ? std::string("photo") : photoPath_;
        std::string name = pattern.Expand(input, Look{1, 1});
        if (!EndsInExtensionOf(name, format)) {
            name += '.';
            name += format.extensions[0];
        }
        request.path = (fs::path(folder_->text().toStdString()) / name).string();
    } catch (const std::exception& error) {
        status_->setText(MessageWords(error.what()));
        return std::nullopt;
    }
    return request;
}

void TFormExport::ChoicesChanged() {
    quality_->setEnabled(FormatOf(PhotoFormatId(format_->currentData().toInt())).lossy);
    stripLocation_->setEnabled(!stripMetadata_->isChecked());
    if (!photo_) return;
    estimate_.Drop();
    estimateDue_ = true;
    estimateText_->setText(tr("estimating..."));
    estimateTimer_->start();
}

void TFormExport::StartEstimate() {
    estimateDue_ = false;
    std::optional<ExportRequest> request = Request();
    if (!request || !photo_) return;
    const PictureSize size = ExportSize(photo_->Width(), photo_->Height(), request->choices);
    estimate_.Start([photo = photo_, metadata = metadata_,
                     request = *request] { return EstimateExportBytes(*photo, metadata, request); },
                    [this, size](uint64_t bytes) {
                        estimateText_->setText(tr("about %1, %2 x %3")
                                                   .arg(FileSizeText(qint64(bytes)), QString::number(size.width),
                                                        QString::number(size.height)));
                    },
                    [this](const std::string& error) { estimateText_->setText(MessageWords(error)); });
}

void TFormExport::ExportClick() {
    if (!photo_ || Exporting()) return;
    Guarded(dialogs_, [&] {
        const std::optional<ExportRequest> request = Request();
        if (!request) return;
        std::error_code ec;
        if (fs::exists(request->path, ec) && !dialogs_.ConfirmReplace(request->path)) return;
        export_->setEnabled(false);
        status_->setText(tr("Exporting..."));
        const auto finished = [this, path = request->path](const std::string& error) {
            export_->setEnabled(true);
            if (error.empty()) {
                const QFileInfo file(QString::fromStdString(path));
                status_->setText(tr("Exported %1, %2").arg(file.fileName(), FileSizeText(file.size())));
            } else {
                status_->clear();
                dialogs_.ShowError(error);
            }
            emit Exported();
        };
        write_.Start([photo = photo_, metadata = metadata_, request = *request] {
                         const std::string error = WriteExport(*photo, metadata, request);
                         // As after a save: the encoder's pages go back.
                         TrimPixelPool();
                         malloc_trim(0);
                         return error;
                     },
                     finished, finished);
    });
}

}  // namespace corvessa
