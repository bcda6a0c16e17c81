// The batch dialog's first page as it is made: its three boxes (photos,
// look, output) and its buttons. What the controls do is in
// batch_look_choice.cpp, the pictures in batch_thumbnails.cpp.
#include "shell/batch_settings_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QThreadPool>
#include <QVBoxLayout>

#include "batch/name_pattern.h"
#include "catalogue/catalogue.h"
#include "ground/strength.h"
#include "io/photo_formats.h"
#include "shell/accessible_names.h"
#include "shell/batch_edit_box.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

TBatchSettingsPage::TBatchSettingsPage(BatchQuestions& questions, std::shared_ptr<const PictureSource> pictures,
                                       std::function<bool()> running)
    : questions_(questions), pictures_(std::move(pictures)), running_(std::move(running)) {
    pool_ = new QThreadPool(this);
    pool_->setMaxThreadCount(2);
    auto* columns = new QHBoxLayout(this);
    QGroupBox* photos = CreatePhotosBox();
    QGroupBox* look = CreateLookBox();
    QGroupBox* output = CreateOutputBox();
    auto* left = new QVBoxLayout;
    left->addWidget(photos, 1);
    left->addWidget(output);
    editBox_ = new TBatchEditBox;
    auto* right = new QVBoxLayout;
    right->addWidget(look);
    right->addWidget(editBox_);
    right->addStretch();
    right->addLayout(CreateButtons());
    columns->addLayout(left, 1);
    columns->addLayout(right);
    OrderForKeys();
}

void TBatchSettingsPage::OrderForKeys() {
    // Down the left column (the photos, then the output), then down the
    // right (the look, the edits, the buttons).
    const auto named = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };
    std::vector<QWidget*> order{listPhotos_, named("BtnAddFiles"), named("BtnAddFolder"), btnRemove_,
                                editFolder_, named("BtnFolder"), comboFormat_, editName_, checkSkip_,
                                spinLongEdge_, checkSrgb_, checkNoLocation_,
                                radioPreview_, radioChoose_, comboCategory_, listLooks_, radioCube_, editCube_,
                                named("BtnCubeFile"), checkColour_, btnColour_, sliderStrength_, checkFaces_};
    const std::vector<QWidget*> edits = editBox_->KeyOrder();
    order.insert(order.end(), edits.begin(), edits.end());
    order.push_back(btnStart_);
    order.push_back(named("BtnClose"));
    OrderTabs(order);
}

TBatchSettingsPage::~TBatchSettingsPage() {
    pool_->clear();
    pool_->waitForDone();
}

QGroupBox* TBatchSettingsPage::CreatePhotosBox() {
    auto* photos = new QGroupBox(tr("Photos"));
    auto* photosLayout = new QVBoxLayout(photos);
    listPhotos_ = new QListWidget;
    listPhotos_->setObjectName(QStringLiteral("ListPhotos"));
    listPhotos_->setIconSize(QSize(kPhotoIconSide, kPhotoIconSide));
    listPhotos_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listPhotos_->setMinimumWidth(300);
    photosLayout->addWidget(listPhotos_);
    auto* photoButtons = new QHBoxLayout;
    auto* addFiles = NamedButton("BtnAddFiles", tr("Add Files..."));
    auto* addFolder = NamedButton("BtnAddFolder", tr("Add Folder..."));
    btnRemove_ = NamedButton("BtnRemove", tr("Remove"));
    photoButtons->addWidget(addFiles);
    photoButtons->addWidget(addFolder);
    photoButtons->addWidget(btnRemove_);
    photosLayout->addLayout(photoButtons);
    photosLayout->addWidget(new QLabel(tr("Photos may also be dropped here.")));
    connect(addFiles, &QPushButton::clicked, this, [this] { BtnAddFilesClick(); });
    connect(addFolder, &QPushButton::clicked, this, [this] { BtnAddFolderClick(); });
    connect(btnRemove_, &QPushButton::clicked, this, [this] {
        const bool firstGoes = listPhotos_->count() > 0 && listPhotos_->item(0)->isSelected();
        qDeleteAll(listPhotos_->selectedItems());
        if (firstGoes) RenderLooks();
        Refresh();
    });
    connect(listPhotos_, &QListWidget::itemSelectionChanged, this, [this] { Refresh(); });
    return photos;
}

QGroupBox* TBatchSettingsPage::CreateLookBox() {
    auto* look = new QGroupBox(tr("Look"));
    auto* lookLayout = new QVBoxLayout(look);
    radioPreview_ = new QRadioButton;
    radioPreview_->setObjectName(QStringLiteral("RadioPreviewLook"));
    radioChoose_ = new QRadioButton(tr("This look, on the first photo:"));
    radioChoose_->setObjectName(QStringLiteral("RadioChooseLook"));
    radioCube_ = new QRadioButton(tr("A .cube file:"));
    radioCube_->setObjectName(QStringLiteral("RadioCubeFile"));
    radioCube_->setToolTip(tr("A colour table of the .cube form as the look"));
    auto* group = new QButtonGroup(this);
    group->addButton(radioPreview_);
    group->addButton(radioChoose_);
    group->addButton(radioCube_);
    radioChoose_->setChecked(true);
    lookLayout->addWidget(radioPreview_);
    AddLookSourceRows(*lookLayout);
    lookLayout->addLayout(CreateColourRow());
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
    ShowColour();
    return look;
}

void TBatchSettingsPage::AddLookSourceRows(QBoxLayout& rows) {
    auto* chooseRow = new QHBoxLayout;
    chooseRow->addWidget(radioChoose_);
    comboCategory_ = new QComboBox;
    comboCategory_->setObjectName(QStringLiteral("ComboCategory"));
    for (const int category : kCategoryColumn) {
        const Category& listed = *FindCategory(category);
        comboCategory_->addItem(AccessibleText::Catalogue(listed.caption), category);
        comboCategory_->setItemData(comboCategory_->count() - 1, AccessibleText::Catalogue(listed.help), Qt::ToolTipRole);
    }
    comboCategory_->setCurrentIndex(comboCategory_->findData(1));
    chooseRow->addWidget(comboCategory_);
    chooseRow->addStretch();
    rows.addLayout(chooseRow);
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
    rows.addWidget(listLooks_);
    labelLooks_ = NamedLabel("LabelLooks");
    rows.addWidget(labelLooks_);
    auto* cubeRow = new QHBoxLayout;
    cubeRow->addWidget(radioCube_);
    editCube_ = new QLineEdit;
    editCube_->setObjectName(QStringLiteral("EditCubeFile"));
    auto* browse = NamedButton("BtnCubeFile", tr("Browse..."));
    cubeRow->addWidget(editCube_, 1);
    cubeRow->addWidget(browse);
    rows.addLayout(cubeRow);
    connect(browse, &QPushButton::clicked, this, [this] { BtnCubeFileClick(); });
    connect(editCube_, &QLineEdit::textEdited, this, [this] {
        radioCube_->setChecked(true);
        Refresh();
    });
    connect(editCube_, &QLineEdit::editingFinished, this, [this] {
        ReadCubeLook();
        Refresh();
    });
}

QLayout* TBatchSettingsPage::CreateColourRow() {
    auto* colourRow = new QHBoxLayout;
    checkColour_ = new QCheckBox(tr("Change Color:"));
    checkColour_->setObjectName(QStringLiteral("CheckColour"));
    btnColour_ = NamedButton("BtnColour", tr("Choose..."));
    colourRow->addWidget(checkColour_);
    colourRow->addWidget(btnColour_);
    colourRow->addSpacing(24);
    colourRow->addWidget(new QLabel(tr("Strength:")));
    sliderStrength_ = new QSlider(Qt::Horizontal);
    sliderStrength_->setObjectName(QStringLiteral("SliderStrength"));
    sliderStrength_->setRange(0, kFullStrength);
    sliderStrength_->setValue(kFullStrength);
    sliderStrength_->setPageStep(10);
    colourRow->addWidget(sliderStrength_, 1);
    labelStrength_ = NamedLabel("LabelStrength", tr("%1 %").arg(kFullStrength));
    labelStrength_->setMinimumWidth(40);
    colourRow->addWidget(labelStrength_);
    colourRow->addSpacing(24);
    checkFaces_ = new QCheckBox(tr("Keep faces clear"));
    checkFaces_->setObjectName(QStringLiteral("CheckKeepFaces"));
    checkFaces_->setToolTip(tr("The look taken back over the faces found in each photo"));
    colourRow->addWidget(checkFaces_);
    connect(checkColour_, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(btnColour_, &QPushButton::clicked, this, [this] { BtnColourClick(); });
    connect(sliderStrength_, &QSlider::valueChanged, this,
            [this](int value) { labelStrength_->setText(tr("%1 %").arg(value)); });
    return colourRow;
}

QGroupBox* TBatchSettingsPage::CreateOutputBox() {
    auto* output = new QGroupBox(tr("Output"));
    auto* form = new QFormLayout(output);
    auto* folderRow = new QHBoxLayout;
    editFolder_ = new QLineEdit;
    editFolder_->setObjectName(QStringLiteral("EditFolder"));
    auto* chooseFolder = NamedButton("BtnFolder", tr("Choose..."));
    folderRow->addWidget(editFolder_, 1);
    folderRow->addWidget(chooseFolder);
    form->addRow(tr("Folder:"), folderRow);
    comboFormat_ = new QComboBox;
    comboFormat_->setObjectName(QStringLiteral("ComboFormat"));
    for (const PhotoFormat* format : SaveFormats()) comboFormat_->addItem(Text(format->name), int(format->id));
    form->addRow(tr("Format:"), comboFormat_);
    editName_ = new QLineEdit(Text(batch::NamePattern::kDefault));
    editName_->setObjectName(QStringLiteral("EditName"));
    editName_->setToolTip(tr("Fields: %1").arg(Text(batch::NamePattern::kFieldList)));
    form->addRow(tr("Names:"), editName_);
    labelExample_ = NamedLabel("LabelExample");
    labelExample_->setWordWrap(true);
    form->addRow(QString(), labelExample_);
    checkSkip_ = new QCheckBox(tr("Skip photos already done"));
    checkSkip_->setObjectName(QStringLiteral("CheckSkip"));
    form->addRow(QString(), checkSkip_);
    form->addRow(tr("To share:"), CreateSharingRow());
    connect(editFolder_, &QLineEdit::textEdited, this, [this] {
        folderChosen_ = true;
        Refresh();
    });
    connect(chooseFolder, &QPushButton::clicked, this, [this] { BtnOutputFolderClick(); });
    connect(comboFormat_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(editName_, &QLineEdit::textChanged, this, [this] { Refresh(); });
    return output;
}

QLayout* TBatchSettingsPage::CreateSharingRow() {
    auto* row = new QHBoxLayout;
    spinLongEdge_ = new QSpinBox;
    spinLongEdge_->setObjectName(QStringLiteral("SpinLongEdge"));
    spinLongEdge_->setRange(kExportEdgeMin - 1, kExportEdgeMax);
    spinLongEdge_->setSpecialValueText(tr("full size"));
    spinLongEdge_->setSuffix(tr(" px"));
    spinLongEdge_->setToolTip(tr("The longer side of each output; a smaller photo keeps its size"));
    checkSrgb_ = new QCheckBox(tr("sRGB"));
    checkSrgb_->setObjectName(QStringLiteral("CheckSrgb"));
    checkNoLocation_ = new QCheckBox(tr("Without the location"));
    checkNoLocation_->setObjectName(QStringLiteral("CheckNoLocation"));
    row->addWidget(spinLongEdge_);
    row->addWidget(checkSrgb_);
    row->addWidget(checkNoLocation_, 1);
    return row;
}

QLayout* TBatchSettingsPage::CreateButtons() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnStart_ = NamedButton("BtnStart", tr("Start"));
    btnStart_->setDefault(true);
    auto* close = NamedButton("BtnClose", tr("Close"));
    buttons->addWidget(btnStart_);
    buttons->addWidget(close);
    connect(btnStart_, &QPushButton::clicked, this, &TBatchSettingsPage::StartPressed);
    connect(close, &QPushButton::clicked, this, &TBatchSettingsPage::ClosePressed);
    return buttons;
}

}  // namespace corvessa
