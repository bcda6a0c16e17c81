// What the batch dialog keeps between runs in the settings store: its
// choices, read when the dialog is made and written when a batch starts and
// when it closes. A value that makes no sense leaves the default.
#include <QByteArray>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <optional>

#include "batch/name_pattern.h"
#include "shell/form_batch.h"
#include "shell/remembered.h"
#include "shell/window_place.h"

namespace corvessa {

namespace {

// The dialog's choices in the settings store.
const QString kKeyFolder = QStringLiteral("batch/folder");
const QString kKeyFormat = QStringLiteral("batch/format");
const QString kKeyNames = QStringLiteral("batch/names");
const QString kKeySkip = QStringLiteral("batch/skipDone");
const QString kKeyLookSource = QStringLiteral("batch/lookSource");
const QString kKeyCategory = QStringLiteral("batch/category");
const QString kKeyEffect = QStringLiteral("batch/effect");
const QString kKeyChangeColour = QStringLiteral("batch/changeColor");
const QString kKeyColour = QStringLiteral("batch/color");
const QString kKeyStrength = QStringLiteral("batch/strength");
const QString kKeyGeometry = QStringLiteral("batch/geometry");
const QString kKeyCubeFile = QStringLiteral("batch/cubeFile");
const QString kCubeFile = QStringLiteral("cube");
const QString kFromPreview = QStringLiteral("preview");
const QString kChosenHere = QStringLiteral("chosen");

// "#rrggbb", as QColor::name writes it.
std::optional<Rgb> ParseColour(const QString& text) {
    if (text.size() != 7 || text[0] != QChar('#')) return std::nullopt;
    bool ok = false;
    const uint value = text.mid(1).toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return Rgb{uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

}  // namespace

void TFormBatch::Recall() {
    const Remembered& kept = *remembered_;
    const QString folder = kept.Text(kKeyFolder);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        editFolder_->setText(folder);
        folderChosen_ = true;
    }
    const int format = comboFormat_->findText(kept.Text(kKeyFormat));
    if (format >= 0) comboFormat_->setCurrentIndex(format);
    const QString names = kept.Text(kKeyNames);
    try {
        batch::NamePattern(names.toStdString());
        editName_->setText(names);
    } catch (const std::exception&) {
        // The default stays.
    }
    checkSkip_->setChecked(kept.Flag(kKeySkip, false));
    const QString source = kept.Text(kKeyLookSource);
    preferPreview_ = source != kChosenHere && source != kCubeFile;
    editCube_->setText(kept.Text(kKeyCubeFile));
    if (source == kCubeFile) {
        preferCube_ = true;
        radioCube_->setChecked(true);
    }
    const int category = comboCategory_->findData(kept.Number(kKeyCategory, 1, 1000, 1));
    comboCategory_->setCurrentIndex(category >= 0 ? category : comboCategory_->findData(1));
    listLooks_->setCurrentRow(kept.Number(kKeyEffect, 1, kEffectCount, 1) - 1);
    checkColour_->setChecked(kept.Flag(kKeyChangeColour, false));
    colour_ = ParseColour(kept.Text(kKeyColour)).value_or(kWhite);
    ShowColour();
    sliderStrength_->setValue(kept.Number(kKeyStrength, 0, kFullStrength, kFullStrength));
    const QByteArray geometry = QByteArray::fromBase64(kept.Text(kKeyGeometry).toLatin1());
    if (RestoreWindowPlace(*this, geometry)) placed_ = true;
}

void TFormBatch::Remember() {
    Remembered& kept = *remembered_;
    // Only a folder the user chose: the default follows the first photo.
    kept.SetText(kKeyFolder, folderChosen_ ? editFolder_->text() : QString());
    kept.SetText(kKeyFormat, comboFormat_->currentText());
    kept.SetText(kKeyNames, editName_->text());
    kept.SetFlag(kKeySkip, checkSkip_->isChecked());
    kept.SetText(kKeyLookSource, preferPreview_ ? kFromPreview : preferCube_ ? kCubeFile : kChosenHere);
    kept.SetText(kKeyCubeFile, editCube_->text());
    kept.SetNumber(kKeyCategory, comboCategory_->currentData().toInt());
    kept.SetNumber(kKeyEffect, listLooks_->currentRow() + 1);
    kept.SetFlag(kKeyChangeColour, checkColour_->isChecked());
    kept.SetText(kKeyColour, QColor(colour_.r, colour_.g, colour_.b).name());
    kept.SetNumber(kKeyStrength, sliderStrength_->value());
    // A dialog never shown has no place of its own yet.
    if (everShown_) kept.SetText(kKeyGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    kept.Write();
}

}  // namespace corvessa
