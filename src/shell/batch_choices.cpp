// What the batch dialog's first page keeps between runs in the settings
// store: its choices, read when the dialog is made and written when a batch
// starts and when it closes. A value that makes no sense reads as the
// default (setting_table.h).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

#include "shell/batch_edit_box.h"
#include "shell/batch_settings_page.h"
#include "shell/remembered.h"

namespace corvessa {

void TBatchSettingsPage::Recall(const Remembered& kept) {
    if (const QString folder = kept.Folder(Setting::kBatchFolder); !folder.isEmpty()) {
        editFolder_->setText(folder);
        folderChosen_ = true;
    }
    const int format = comboFormat_->findText(kept.Text(Setting::kBatchFormat));
    if (format >= 0) comboFormat_->setCurrentIndex(format);
    editName_->setText(kept.Text(Setting::kBatchNames));
    checkSkip_->setChecked(kept.Flag(Setting::kBatchSkipDone));
    checkFaces_->setChecked(kept.Flag(Setting::kBatchKeepFaces));
    const QString source = kept.Text(Setting::kBatchLookSource);
    preferPreview_ = source == QLatin1String(kLookSourcePreview);
    editCube_->setText(kept.Text(Setting::kBatchCubeFile));
    if (source == QLatin1String(kLookSourceCube)) {
        preferCube_ = true;
        radioCube_->setChecked(true);
    }
    const int category = comboCategory_->findData(kept.Number(Setting::kBatchCategory));
    comboCategory_->setCurrentIndex(category >= 0 ? category : comboCategory_->findData(1));
    listLooks_->setCurrentRow(kept.Number(Setting::kBatchEffect) - 1);
    checkColour_->setChecked(kept.Flag(Setting::kBatchChangeColour));
    colour_ = kept.Colour(Setting::kBatchColour);
    ShowColour();
    sliderStrength_->setValue(kept.Number(Setting::kBatchStrength));
    editBox_->Recall(kept);
    // The recalled category's thumbnails, and what the choices allow.
    RenderLooks();
    Refresh();
}

void TBatchSettingsPage::Remember(Remembered& kept) const {
    // Only a folder the user chose: the default follows the first photo.
    kept.SetFolder(Setting::kBatchFolder, folderChosen_ ? editFolder_->text() : QString());
    kept.SetText(Setting::kBatchFormat, comboFormat_->currentText());
    kept.SetText(Setting::kBatchNames, editName_->text());
    kept.SetFlag(Setting::kBatchSkipDone, checkSkip_->isChecked());
    kept.SetFlag(Setting::kBatchKeepFaces, checkFaces_->isChecked());
    kept.SetText(Setting::kBatchLookSource, QLatin1String(preferPreview_ ? kLookSourcePreview
                                                          : preferCube_  ? kLookSourceCube
                                                                         : kLookSourceChosen));
    kept.SetText(Setting::kBatchCubeFile, editCube_->text());
    kept.SetNumber(Setting::kBatchCategory, comboCategory_->currentData().toInt());
    kept.SetNumber(Setting::kBatchEffect, listLooks_->currentRow() + 1);
    kept.SetFlag(Setting::kBatchChangeColour, checkColour_->isChecked());
    kept.SetColour(Setting::kBatchColour, colour_);
    kept.SetNumber(Setting::kBatchStrength, sliderStrength_->value());
    editBox_->Remember(kept);
}

}  // namespace corvessa
