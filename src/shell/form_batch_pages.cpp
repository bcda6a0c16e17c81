// The batch dialog's three pages: the settings, the progress and the
// summary. Running the batch is in form_batch.cpp.
#include "shell/form_batch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QMimeData>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QStackedWidget>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cstring>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "shell/application.h"
#include "shell/batch_runner.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

void TFormBatch::CreateSettingsPage() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);

    // Photos.
    auto* photos = new QGroupBox(QStringLiteral("Photos"));
    auto* photosLayout = new QVBoxLayout(photos);
    listPhotos_ = new QListWidget;
    listPhotos_->setObjectName(QStringLiteral("ListPhotos"));
    listPhotos_->setIconSize(QSize(kPhotoIconSide, kPhotoIconSide));
    listPhotos_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listPhotos_->setMinimumWidth(300);
    photosLayout->addWidget(listPhotos_);
    auto* photoButtons = new QHBoxLayout;
    btnAddFiles_ = NamedButton("BtnAddFiles", QStringLiteral("Add Files..."));
    btnAddFolder_ = NamedButton("BtnAddFolder", QStringLiteral("Add Folder..."));
    btnRemove_ = NamedButton("BtnRemove", QStringLiteral("Remove"));
    photoButtons->addWidget(btnAddFiles_);
    photoButtons->addWidget(btnAddFolder_);
    photoButtons->addWidget(btnRemove_);
    photosLayout->addLayout(photoButtons);
    photosLayout->addWidget(new QLabel(QStringLiteral("Photos may also be dropped here.")));
    connect(btnAddFiles_, &QPushButton::clicked, this, [this] { BtnAddFilesClick(); });
    connect(btnAddFolder_, &QPushButton::clicked, this, [this] { BtnAddFolderClick(); });
    connect(btnRemove_, &QPushButton::clicked, this, [this] {
        const bool firstGoes = listPhotos_->count() > 0 && listPhotos_->item(0)->isSelected();
        qDeleteAll(listPhotos_->selectedItems());
        if (firstGoes) RenderLooks();
        Refresh();
    });
    connect(listPhotos_, &QListWidget::itemSelectionChanged, this, [this] { Refresh(); });

    // Look.
    auto* look = new QGroupBox(QStringLiteral("Look"));
    auto* lookLayout = new QVBoxLayout(look);
    radioPreview_ = new QRadioButton;
    radioPreview_->setObjectName(QStringLiteral("RadioPreviewLook"));
    radioChoose_ = new QRadioButton(QStringLiteral("This look, on the first photo:"));
    radioChoose_->setObjectName(QStringLiteral("RadioChooseLook"));
    radioCube_ = new QRadioButton(QStringLiteral("A .cube file:"));
    radioCube_->setObjectName(QStringLiteral("RadioCubeFile"));
    radioCube_->setToolTip(QStringLiteral("A colour table of the .cube form as the look"));
    auto* group = new QButtonGroup(this);
    group->addButton(radioPreview_);
    group->addButton(radioChoose_);
    group->addButton(radioCube_);
    radioChoose_->setChecked(true);
    lookLayout->addWidget(radioPreview_);
    auto* chooseRow = new QHBoxLayout;
    chooseRow->addWidget(radioChoose_);
    comboCategory_ = new QComboBox;
    comboCategory_->setObjectName(QStringLiteral("ComboCategory"));
    for (const int category : kCategoryColumn) {
        comboCategory_->addItem(Text(FindCategory(category)->caption), category);
        comboCategory_->setItemData(comboCategory_->count() - 1, Text(FindCategory(category)->help), Qt::ToolTipRole);
    }
    comboCategory_->setCurrentIndex(comboCategory_->findData(1));
    chooseRow->addWidget(comboCategory_);
    chooseRow->addStretch();
    lookLayout->addLayout(chooseRow);
    listLooks_ = new QListWidget;
    listLooks_->setObjectName(QStringLiteral("ListLooks"));
    listLooks_->setViewMode(QListView::IconMode);
    listLooks_->setMovement(QListView::Static);
    listLooks_->setResizeMode(QListView::Adjust);
    listLooks_->setWordWrap(true);
    listLooks_->setIconSize(QSize(kStripIconSide, kStripIconSide));
    listLooks_->setGridSize(QSize(kStripIconSide + 16, kStripIconSide + 40));
    listLooks_->setFixedSize(5 * (kStripIconSide + 16) + 8, 2 * (kStripIconSide + 40) + 8);
    listLooks_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int n = 1; n <= kEffectCount; ++n) listLooks_->addItem(QString());
    listLooks_->setCurrentRow(0);
    lookLayout->addWidget(listLooks_);
    labelLooks_ = NamedLabel("LabelLooks");
    lookLayout->addWidget(labelLooks_);
    auto* cubeRow = new QHBoxLayout;
    cubeRow->addWidget(radioCube_);
    editCube_ = new QLineEdit;
    editCube_->setObjectName(QStringLiteral("EditCubeFile"));
    btnCube_ = NamedButton("BtnCubeFile", QStringLiteral("Browse..."));
    cubeRow->addWidget(editCube_, 1);
    cubeRow->addWidget(btnCube_);
    lookLayout->addLayout(cubeRow);
    connect(btnCube_, &QPushButton::clicked, this, [this] { BtnCubeFileClick(); });
    connect(editCube_, &QLineEdit::textEdited, this, [this] {
        radioCube_->setChecked(true);
        Refresh();
    });
    connect(editCube_, &QLineEdit::editingFinished, this, [this] {
        ReadCubeLook();
        Refresh();
    });
    connect(radioCube_, &QRadioButton::toggled, this, [this](bool on) {
        preferCube_ = on;
        Refresh();
    });
    connect(radioPreview_, &QRadioButton::toggled, this, [this](bool on) {
        preferPreview_ = on;
        if (on) UsePreviewLook();
        Refresh();
    });
    connect(comboCategory_, &QComboBox::currentIndexChanged, this, [this] {
        RenderLooks();
        Refresh();
    });
    connect(listLooks_, &QListWidget::currentRowChanged, this, [this] { Refresh(); });
    // Picking a category or a thumbnail picks "this look".
    connect(comboCategory_, &QComboBox::activated, this, [this] { radioChoose_->setChecked(true); });
    connect(listLooks_, &QListWidget::itemPressed, this, [this] { radioChoose_->setChecked(true); });

    auto* colourRow = new QHBoxLayout;
    checkColour_ = new QCheckBox(QStringLiteral("Change Color:"));
    checkColour_->setObjectName(QStringLiteral("CheckColour"));
    btnColour_ = NamedButton("BtnColour", QStringLiteral("Choose..."));
    colourRow->addWidget(checkColour_);
    colourRow->addWidget(btnColour_);
    colourRow->addSpacing(24);
    colourRow->addWidget(new QLabel(QStringLiteral("Strength:")));
    sliderStrength_ = new QSlider(Qt::Horizontal);
    sliderStrength_->setObjectName(QStringLiteral("SliderStrength"));
    sliderStrength_->setRange(0, kFullStrength);
    sliderStrength_->setValue(kFullStrength);
    sliderStrength_->setPageStep(10);
    colourRow->addWidget(sliderStrength_, 1);
    labelStrength_ = NamedLabel("LabelStrength", QStringLiteral("100 %"));
    labelStrength_->setMinimumWidth(40);
    colourRow->addWidget(labelStrength_);
    lookLayout->addLayout(colourRow);
    connect(checkColour_, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(btnColour_, &QPushButton::clicked, this, [this] { BtnColourClick(); });
    connect(sliderStrength_, &QSlider::valueChanged, this,
            [this](int value) { labelStrength_->setText(QStringLiteral("%1 %").arg(value)); });
    ShowColour();

    // Output.
    auto* output = new QGroupBox(QStringLiteral("Output"));
    auto* form = new QFormLayout(output);
    auto* folderRow = new QHBoxLayout;
    editFolder_ = new QLineEdit;
    editFolder_->setObjectName(QStringLiteral("EditFolder"));
    btnFolder_ = NamedButton("BtnFolder", QStringLiteral("Choose..."));
    folderRow->addWidget(editFolder_, 1);
    folderRow->addWidget(btnFolder_);
    form->addRow(QStringLiteral("Folder:"), folderRow);
    comboFormat_ = new QComboBox;
    comboFormat_->setObjectName(QStringLiteral("ComboFormat"));
    for (const PhotoFormat* format : SaveFormats())
        comboFormat_->addItem(QString::fromUtf8(format->name.data(), qsizetype(format->name.size())), int(format->id));
    form->addRow(QStringLiteral("Format:"), comboFormat_);
    editName_ = new QLineEdit(Text(batch::NamePattern::kDefault));
    editName_->setObjectName(QStringLiteral("EditName"));
    editName_->setToolTip(QStringLiteral("Fields: %1").arg(Text(batch::NamePattern::kFieldList)));
    form->addRow(QStringLiteral("Names:"), editName_);
    labelExample_ = NamedLabel("LabelExample");
    labelExample_->setWordWrap(true);
    form->addRow(QString(), labelExample_);
    checkSkip_ = new QCheckBox(QStringLiteral("Skip photos already done"));
    checkSkip_->setObjectName(QStringLiteral("CheckSkip"));
    form->addRow(QString(), checkSkip_);
    connect(editFolder_, &QLineEdit::textEdited, this, [this] {
        folderChosen_ = true;
        Refresh();
    });
    connect(btnFolder_, &QPushButton::clicked, this, [this] { BtnOutputFolderClick(); });
    connect(comboFormat_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(editName_, &QLineEdit::textChanged, this, [this] { Refresh(); });

    auto* left = new QVBoxLayout;
    left->addWidget(photos, 1);
    left->addWidget(output);
    auto* right = new QVBoxLayout;
    right->addWidget(look);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnStart_ = NamedButton("BtnStart", QStringLiteral("Start"));
    btnStart_->setDefault(true);
    auto* close = NamedButton("BtnClose", QStringLiteral("Close"));
    buttons->addWidget(btnStart_);
    buttons->addWidget(close);
    right->addLayout(buttons);
    connect(btnStart_, &QPushButton::clicked, this, [this] { Start(); });
    connect(close, &QPushButton::clicked, this, [this] { hide(); });
    columns->addLayout(left, 1);
    columns->addLayout(right);
    pages_->addWidget(page);
}

void TFormBatch::CreateProgressPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    labelProgress_ = NamedLabel("LabelProgress");
    QFont large = labelProgress_->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    labelProgress_->setFont(large);
    layout->addWidget(labelProgress_);
    progressBar_ = new QProgressBar;
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    layout->addWidget(progressBar_);
    labelCurrent_ = NamedLabel("LabelCurrent");
    labelCurrentIcon_ = NamedLabel("LabelCurrentIcon");
    labelCurrentIcon_->setFixedSize(kPhotoIconSide, kPhotoIconSide);
    labelTime_ = NamedLabel("LabelTime");
    labelFailedSoFar_ = NamedLabel("LabelFailedSoFar");
    auto* current = new QHBoxLayout;
    current->addWidget(labelCurrentIcon_);
    current->addWidget(labelCurrent_, 1);
    layout->addLayout(current);
    layout->addWidget(labelTime_);
    layout->addWidget(labelFailedSoFar_);
    // Every photo as it ends, the latest at the foot.
    listDone_ = new QListWidget;
    listDone_->setObjectName(QStringLiteral("ListDone"));
    layout->addWidget(listDone_, 1);
    layout->addWidget(new QLabel(QStringLiteral("The main window stays usable; closing this dialog lets the batch go on.")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnCancel_ = NamedButton("BtnCancel", QStringLiteral("Cancel"));
    buttons->addWidget(btnCancel_);
    layout->addLayout(buttons);
    connect(btnCancel_, &QPushButton::clicked, this, [this] { Cancel(); });
    pages_->addWidget(page);
}

void TFormBatch::CreateSummaryPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    labelSummary_ = NamedLabel("LabelSummary");
    labelSummary_->setWordWrap(true);
    labelSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(labelSummary_);
    listFailures_ = new QListWidget;
    listFailures_->setObjectName(QStringLiteral("ListFailures"));
    listFailures_->setWordWrap(true);
    layout->addWidget(listFailures_, 1);
    labelWarnings_ = NamedLabel("LabelWarnings", QStringLiteral("Rendered with a warning:"));
    layout->addWidget(labelWarnings_);
    listWarnings_ = new QListWidget;
    listWarnings_->setObjectName(QStringLiteral("ListWarnings"));
    listWarnings_->setWordWrap(true);
    layout->addWidget(listWarnings_, 1);
    labelOpenFailed_ = NamedLabel("LabelOpenFailed");
    labelOpenFailed_->setWordWrap(true);
    labelOpenFailed_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the folder may be copied
    labelOpenFailed_->hide();
    layout->addWidget(labelOpenFailed_);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOpenFolder_ = NamedButton("BtnOpenFolder", QStringLiteral("Open Folder"));
    btnNewBatch_ = NamedButton("BtnNewBatch", QStringLiteral("New Batch"));
    auto* close = NamedButton("BtnCloseSummary", QStringLiteral("Close"));
    buttons->addWidget(btnOpenFolder_);
    buttons->addWidget(btnNewBatch_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(btnOpenFolder_, &QPushButton::clicked, this, [this] { BtnOpenFolderClick(); });
    connect(btnNewBatch_, &QPushButton::clicked, this, [this] {
        pages_->setCurrentIndex(0);
        Refresh();
    });
    connect(close, &QPushButton::clicked, this, [this] { hide(); });
    pages_->addWidget(page);
}

}  // namespace corvessa
