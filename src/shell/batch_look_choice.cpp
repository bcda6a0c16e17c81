// What the batch dialog's first page does: the photos it gathers, the look
// chosen (from the preview, a category's thumbnails or a .cube file) with
// its colour and strength, and the settings a batch runs with.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSlider>
#include <algorithm>
#include <filesystem>

#include "batch/name_pattern.h"
#include "catalogue/render_job.h"
#include "io/photo_files.h"
#include "session/words.h"
#include "shell/accessible_names.h"
#include "shell/batch_edit_box.h"
#include "shell/batch_settings_page.h"
#include "shell/form_batch.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

void TBatchSettingsPage::OfferPreviewLook(const batch::BatchLook& look) {
    previewLook_ = look;
    if (Offered(look)) {
        if (radioPreview_->isChecked())
            UsePreviewLook();
        else if (preferPreview_)
            radioPreview_->setChecked(true);  // through toggled
    }
    Refresh();
}

void TBatchSettingsPage::UsePreviewLook() {
    if (previewLook_.user && previewLook_.user->Usable()) {
        sliderStrength_->setValue(previewLook_.strength);
        return;
    }
    if (!Renderable(previewLook_.look)) return;
    // The strip shows the preview's category with its look picked.
    comboCategory_->setCurrentIndex(comboCategory_->findData(previewLook_.look.category));
    listLooks_->setCurrentRow(previewLook_.look.effect - 1);
    checkColour_->setChecked(previewLook_.colour.kind == ColourDecision::Kind::kChosen);
    if (previewLook_.colour.kind == ColourDecision::Kind::kChosen) colour_ = previewLook_.colour.colour;
    sliderStrength_->setValue(previewLook_.strength);
    ShowColour();
}

void TBatchSettingsPage::ShowColour() { btnColour_->setIcon(Swatch(colour_)); }

UserLook TBatchSettingsPage::CubeLook() const {
    const std::string path = editCube_->text().toStdString();
    if (cubeLook_.path == path) return cubeLook_;
    UserLook unread;
    unread.path = path;
    unread.name = std::filesystem::path(path).stem().string();
    return unread;
}

void TBatchSettingsPage::ReadCubeLook() {
    const std::string path = editCube_->text().toStdString();
    if (path.empty() || path == cubeLook_.path) return;
    cubeLook_ = ReadUserLook(path);
}

bool TBatchSettingsPage::CubeChosen() const { return radioCube_->isChecked(); }

std::optional<UserLook> TBatchSettingsPage::ReadCubeAgain() {
    if (editCube_->text().isEmpty()) return std::nullopt;
    cubeLook_ = ReadUserLook(editCube_->text().toStdString());
    Refresh();
    return cubeLook_;
}

void TBatchSettingsPage::BtnCubeFileClick() {
    if (const auto file = questions_.ChooseCubeFile(editCube_->text().toStdString())) {
        editCube_->setText(Text(*file));
        cubeLook_ = UserLook();
        ReadCubeLook();
        radioCube_->setChecked(true);
        Refresh();
    }
}

Look TBatchSettingsPage::ChosenLook() const {
    if (radioCube_->isChecked()) return Look{};
    if (radioPreview_->isChecked() && Offered(previewLook_)) return previewLook_.user ? Look{} : previewLook_.look;
    return Look{comboCategory_->currentData().toInt(), listLooks_->currentRow() + 1};
}

std::vector<std::string> TBatchSettingsPage::Photos() const {
    std::vector<std::string> photos;
    for (int i = 0; i < listPhotos_->count(); ++i)
        photos.push_back(listPhotos_->item(i)->data(Qt::UserRole).toString().toStdString());
    return photos;
}

QPixmap TBatchSettingsPage::PhotoIcon(const std::string& path) const {
    QPixmap icon;
    for (int i = 0; i < listPhotos_->count(); ++i)
        if (listPhotos_->item(i)->data(Qt::UserRole).toString() == Text(path))
            icon = listPhotos_->item(i)->icon().pixmap(kPhotoIconSide, kPhotoIconSide);
    return icon;
}

batch::BatchSettings TBatchSettingsPage::Settings() const {
    batch::BatchSettings settings;
    const bool fromPreview = radioPreview_->isChecked() && Offered(previewLook_);
    settings.look.look = ChosenLook();
    if (radioCube_->isChecked())
        settings.look.user = CubeLook();
    else if (fromPreview && previewLook_.user)
        settings.look.user = previewLook_.user;
    if (checkColour_->isEnabled() && checkColour_->isChecked())
        settings.look.colour = ColourDecision::Chosen(colour_);
    else if (fromPreview && checkColour_->isEnabled())
        settings.look.colour = previewLook_.colour.kind == ColourDecision::Kind::kCancelled ? ColourDecision::Cancelled()
                                                                                          : ColourDecision::NotAsked();
    settings.look.fallbackFill = fromPreview ? previewLook_.fallbackFill : kWhite;
    settings.look.strength = sliderStrength_->value();
    settings.outputFolder = editFolder_->text().toStdString();
    settings.names = batch::NamePattern(editName_->text().toStdString());
    settings.format = PhotoFormatId(comboFormat_->currentData().toInt());
    settings.skipExisting = checkSkip_->isChecked();
    settings.keepFaces = checkFaces_->isChecked();
    settings.edits = {editBox_->Edits(), editBox_->AutoPerPhoto()};
    if (spinLongEdge_->value() >= kExportEdgeMin) settings.exported.longEdge = spinLongEdge_->value();
    settings.exported.srgb = checkSrgb_->isChecked();
    settings.exported.stripLocation = checkNoLocation_->isChecked();
    return settings;
}

bool TBatchSettingsPage::RefreshLook() {
    const bool offered = Offered(previewLook_);
    radioPreview_->setEnabled(offered);
    const QString shown = previewLook_.user
                              ? tr("My Looks: %1").arg(Text(previewLook_.user->name))
                              : AccessibleText::LookTitle(previewLook_.look.category, previewLook_.look.effect);
    radioPreview_->setText(offered ? tr("The look in the preview: %1").arg(shown)
                                   : tr("The look in the preview (none shown yet)"));
    const Look look = ChosenLook();
    const bool asks = Renderable(look) && RecipeAsksForColour(look.category, look.effect);
    checkColour_->setEnabled(asks);
    btnColour_->setEnabled(asks && checkColour_->isChecked());
    checkColour_->setToolTip(asks ? QString() : tr("This look takes no colour"));
    if (radioCube_->isChecked() && cubeLook_.path == editCube_->text().toStdString() && !cubeLook_.Usable()) {
        // Told now, and again should Start be pressed.
        editCube_->setToolTip(MessageWords(cubeLook_.reason));
        editCube_->setStyleSheet(QStringLiteral("color: #c00000"));
    } else {
        editCube_->setToolTip(QString());
        editCube_->setStyleSheet(QString());
    }
    const bool userLook = radioCube_->isChecked() ? !editCube_->text().isEmpty()
                                                  : radioPreview_->isChecked() && offered && previewLook_.user;
    return Renderable(look) || userLook;
}

void TBatchSettingsPage::Refresh() {
    const std::vector<std::string> photos = Photos();
    btnRemove_->setEnabled(!listPhotos_->selectedItems().isEmpty());
    if (!folderChosen_) {
        editFolder_->setText(photos.empty() ? QString()
                                            : QFileInfo(Text(photos[0])).absoluteDir().filePath(QStringLiteral("Corvessa")));
    }
    bool ready = RefreshLook() && !photos.empty() && !editFolder_->text().isEmpty();
    try {
        const batch::BatchSettings settings = Settings();
        labelExample_->setStyleSheet(QString());
        labelExample_->setText(photos.empty() ? tr("Fields: %1").arg(Text(batch::NamePattern::kFieldList))
                                              : tr("The first photo's: %1")
                                                    .arg(Text(batch::OutputFileName(photos[0], settings))));
    } catch (const std::exception& error) {
        labelExample_->setStyleSheet(QStringLiteral("color: #c00000"));
        labelExample_->setText(MessageWords(error.what()));
        ready = false;
    }
    btnStart_->setEnabled(ready && !running_());
}

void TBatchSettingsPage::AddPhotos(const std::vector<std::string>& paths) {
    const bool hadFirst = listPhotos_->count() > 0;
    std::vector<std::string> known = Photos();
    for (const std::string& path : paths) {
        const QString absolute = QFileInfo(Text(path)).absoluteFilePath();
        const std::string key = absolute.toStdString();
        if (std::find(known.begin(), known.end(), key) != known.end()) continue;
        known.push_back(key);
        auto* item = new QListWidgetItem(QFileInfo(absolute).fileName());
        item->setData(Qt::UserRole, absolute);
        item->setToolTip(absolute);
        QPixmap blank(kPhotoIconSide, kPhotoIconSide);
        blank.fill(Qt::transparent);
        item->setIcon(blank);
        listPhotos_->addItem(item);
        MakeThumbnail(key);
    }
    if (!hadFirst && listPhotos_->count() > 0) RenderLooks();
    Refresh();
}

void TBatchSettingsPage::AddFolder(const std::string& folder) {
    std::vector<std::string> photos;
    const QFileInfoList files = QDir(Text(folder)).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        if (HasPhotoExtension(file.fileName().toStdString())) photos.push_back(file.absoluteFilePath().toStdString());
    AddPhotos(photos);
}

void TBatchSettingsPage::BtnAddFilesClick() { AddPhotos(questions_.ChoosePhotos()); }

void TBatchSettingsPage::BtnAddFolderClick() {
    if (const auto folder = questions_.ChoosePhotoFolder()) AddFolder(*folder);
}

void TBatchSettingsPage::BtnColourClick() {
    if (const auto chosen = questions_.ChooseColour(colour_)) {
        colour_ = *chosen;
        checkColour_->setChecked(true);
        ShowColour();
    }
}

void TBatchSettingsPage::BtnOutputFolderClick() {
    if (const auto folder = questions_.ChooseOutputFolder(editFolder_->text().toStdString())) {
        editFolder_->setText(Text(*folder));
        folderChosen_ = true;
        Refresh();
    }
}

}  // namespace corvessa
