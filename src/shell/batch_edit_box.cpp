#include "shell/batch_edit_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QStringList>
#include <cmath>

#include "session/words.h"
#include "shell/edit_panel.h"
#include "shell/remembered.h"

namespace corvessa {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

QString AdjustText(const EditSettings& edits) {
    QStringList parts;
    for (const Adjustment& row : kAdjustments)
        if (edits.Value(row.id) != row.neutral)
            parts << Utf8(row.key) + QLatin1Char('=') + QString::number(edits.Value(row.id) * row.step, 'g', 6);
    return parts.join(QLatin1Char(','));
}

std::optional<std::array<int, kAdjustmentCount>> ReadAdjustText(const QString& text) {
    std::array<int, kAdjustmentCount> values = EditSettings::Neutral().adjustments;
    std::array<bool, kAdjustmentCount> named{};
    if (text.isEmpty()) return values;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList keyValue = part.split(QLatin1Char('='));
        if (keyValue.size() != 2) return std::nullopt;
        const Adjustment* row = AdjustmentByKey(keyValue[0].trimmed().toStdString());
        bool number = false;
        const double value = keyValue[1].trimmed().toDouble(&number);
        if (!row || !number || named[size_t(row->id)]) return std::nullopt;
        const double steps = std::round(value / row->step);
        if (steps < row->lowest || steps > row->highest) return std::nullopt;
        values[size_t(row->id)] = int(steps);
        named[size_t(row->id)] = true;
    }
    return values;
}

TBatchEditBox::TBatchEditBox() : QGroupBox(tr("Edits before the look")) {
    setObjectName(QStringLiteral("BoxEdits"));
    auto* grid = new QGridLayout(this);
    comboCrop_ = new QComboBox;
    comboCrop_->setObjectName(QStringLiteral("ComboBatchCrop"));
    comboCrop_->setToolTip(tr("The largest centred part of each photo of this shape"));
    for (const BatchCropShape& shape : kBatchCropShapes)
        comboCrop_->addItem(QCoreApplication::translate("TEditPanel", shape.name));
    comboTurn_ = new QComboBox;
    comboTurn_->setObjectName(QStringLiteral("ComboBatchTurn"));
    comboTurn_->addItem(tr("Not turned"), 0);
    comboTurn_->addItem(tr("Right 90\u00b0"), 1);
    comboTurn_->addItem(tr("180\u00b0"), 2);
    comboTurn_->addItem(tr("Left 90\u00b0"), 3);
    checkAuto_ = new QCheckBox(tr("Auto for each photo"));
    checkAuto_->setObjectName(QStringLiteral("CheckBatchAuto"));
    checkAuto_->setToolTip(tr("Levels and white balance read from each photo, in place of what those sliders say"));
    grid->addWidget(new QLabel(tr("Crop:")), 0, 0);
    grid->addWidget(comboCrop_, 0, 1);
    grid->addWidget(new QLabel(tr("Turn:")), 0, 3);
    grid->addWidget(comboTurn_, 0, 4);
    grid->addWidget(checkAuto_, 0, 5, 1, 2);
    // Five rows of two, as in the Edit panel.
    for (const Adjustment& row : kAdjustments) {
        const int i = int(row.id), place = 1 + i % 5, column = (i / 5) * 3;
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setObjectName(QStringLiteral("SliderBatch") + Utf8(row.label));
        slider->setRange(row.lowest, row.highest);
        slider->setValue(row.neutral);
        slider->setToolTip(Words("Adjustments", row.help));
        sliders_[size_t(i)] = slider;
        values_[size_t(i)] = new QLabel;
        values_[size_t(i)]->setMinimumWidth(56);
        // The label is the slider's buddy, which names it for a screen reader.
        auto* label = new QLabel(Words("Adjustments", row.label));
        label->setBuddy(slider);
        grid->addWidget(label, place, column);
        grid->addWidget(slider, place, column + 1);
        grid->addWidget(values_[size_t(i)], place, column + 2);
        ShowValue(row);
        connect(slider, &QSlider::valueChanged, this, [this, &row] { ShowValue(row); });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
}

void TBatchEditBox::ShowValue(const Adjustment& row) {
    values_[size_t(row.id)]->setText(AdjustmentText(row, sliders_[size_t(row.id)]->value()));
}

EditSettings TBatchEditBox::Edits() const {
    EditSettings edits = EditSettings::Neutral();
    const BatchCropShape& shape = kBatchCropShapes[size_t(std::max(0, comboCrop_->currentIndex()))];
    if (shape.ratioWidth > 0) edits.crop = Crop{0, 0, 0, 0, shape.ratioWidth, shape.ratioHeight};
    edits.quarterTurns = comboTurn_->currentData().toInt();
    for (const Adjustment& row : kAdjustments) edits.SetValue(row.id, sliders_[size_t(row.id)]->value());
    return edits;
}

bool TBatchEditBox::AutoPerPhoto() const { return checkAuto_->isChecked(); }

std::vector<QWidget*> TBatchEditBox::KeyOrder() const {
    std::vector<QWidget*> order{comboCrop_, comboTurn_, checkAuto_};
    // The table's order is down the left column of sliders, then down the right.
    order.insert(order.end(), sliders_.begin(), sliders_.end());
    return order;
}

void TBatchEditBox::Recall(const Remembered& kept) {
    // The shape by its name in the table, whatever the box shows for it.
    int crop = 0;
    for (size_t i = 1; i < std::size(kBatchCropShapes); ++i)
        if (kept.Text(Setting::kBatchCrop) == QLatin1String(kBatchCropShapes[i].name)) crop = int(i);
    comboCrop_->setCurrentIndex(crop);
    comboTurn_->setCurrentIndex(std::max(0, comboTurn_->findData(kept.Number(Setting::kBatchTurns))));
    checkAuto_->setChecked(kept.Flag(Setting::kBatchAuto));
    const std::array<int, kAdjustmentCount> values =
        ReadAdjustText(kept.Text(Setting::kBatchAdjust)).value_or(EditSettings::Neutral().adjustments);
    for (const Adjustment& row : kAdjustments) sliders_[size_t(row.id)]->setValue(values[size_t(row.id)]);
}

void TBatchEditBox::Remember(Remembered& kept) const {
    const int crop = comboCrop_->currentIndex();
    kept.SetText(Setting::kBatchCrop, crop > 0 ? QLatin1String(kBatchCropShapes[size_t(crop)].name) : QString());
    kept.SetNumber(Setting::kBatchTurns, comboTurn_->currentData().toInt());
    kept.SetFlag(Setting::kBatchAuto, checkAuto_->isChecked());
    kept.SetText(Setting::kBatchAdjust, AdjustText(Edits()));
}

}  // namespace corvessa
