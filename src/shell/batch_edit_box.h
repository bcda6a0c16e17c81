#pragma once
// TBatchEditBox: the batch dialog's edits before the look, the same for
// every photo: one crop shape (the largest centred part of each photo of
// that shape), quarter turns, the ten adjustments of the adjustment table,
// and Auto, which reads each photo's own levels and white balance. Its
// choices come back in the next run (Recall, Remember).

#include <QGroupBox>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "edit/edit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace corvessa {

class Remembered;

// The crop shapes the batch offers, by name (as the settings keep it); the
// first is none.
inline constexpr struct BatchCropShape {
    const char* name;  // translated in the context "TEditPanel" where shown
    int ratioWidth, ratioHeight;
} kBatchCropShapes[] = {{QT_TRANSLATE_NOOP("TEditPanel", "No crop"), 0, 0},
                        {"1:1", 1, 1},
                        {"4:5", 4, 5},
                        {"3:2", 3, 2},
                        {"16:9", 16, 9},
                        {"9:16", 9, 16}};

// The adjustments as --adjust spells them, "shadows=40,warmth=20": each
// one away from neutral, in the table's units (exposure in EV).
QString AdjustText(const EditSettings& edits);
// The slider values `text` gives, the others neutral; nothing when it
// names an adjustment twice or none of the table's, or a value out of its
// range.
std::optional<std::array<int, kAdjustmentCount>> ReadAdjustText(const QString& text);

class TBatchEditBox : public QGroupBox {
    Q_OBJECT
public:
    TBatchEditBox();

    // What the controls say.
    EditSettings Edits() const;
    bool AutoPerPhoto() const;

    void Recall(const Remembered& kept);
    void Remember(Remembered& kept) const;
    // The box's controls in the order Tab reaches them: along the top row,
    // then down each column of sliders.
    std::vector<QWidget*> KeyOrder() const;

private:
    void ShowValue(const Adjustment& row);

    QComboBox* comboCrop_ = nullptr;
    QComboBox* comboTurn_ = nullptr;
    QCheckBox* checkAuto_ = nullptr;
    std::array<QSlider*, kAdjustmentCount> sliders_{};
    std::array<QLabel*, kAdjustmentCount> values_{};
};

}  // namespace corvessa
