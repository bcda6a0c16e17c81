// The Edit panel as it is made: the crop's shape, the turns and mirrors
// and the straightening on the left, a slider for each row of the
// adjustment table in two columns beside them, and the buttons below.
// What they do is in edit_panel.cpp.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "session/words.h"
#include "shell/action_table.h"
#include "shell/controls.h"
#include "shell/edit_panel.h"
#include "widgets/crop_frame.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"

namespace corvessa {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString ActionCaption(Action action) { return ActionName(RowOf(action)); }

QLabel* WhiteLabel(const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name) label->setObjectName(QString::fromLatin1(name));
    QPalette light = label->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(light);
    return label;
}

QPushButton* PanelButton(const char* name, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

QSlider* PanelSlider(const QString& name, int lowest, int highest, int value) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(name);
    slider->setRange(lowest, highest);
    slider->setValue(value);
    slider->setMinimumWidth(60);
    return slider;
}

}  // namespace

QString AdjustmentText(const Adjustment& row, int value) {
    const QString sign = value > 0 ? QStringLiteral("+") : QString();
    if (row.id == AdjustmentId::kExposure)
        return QCoreApplication::translate("TEditPanel", "%1 EV").arg(sign + QString::number(value * row.step, 'f', 2));
    return sign + QString::number(value * row.step, 'f', 0);
}

void TEditPanel::CreateControls(QWidget& window) {
    panel_ = MakePanel(&window, "EditPanel", QRect(125, 208, 575, 279), kOlive);
    panel_->hide();
    auto* rows = new QVBoxLayout(panel_);
    rows->setContentsMargins(10, 8, 10, 8);
    auto* columns = new QHBoxLayout;
    auto* geometry = new QGridLayout;
    auto* adjustments = new QGridLayout;
    CreateGeometryControls(*geometry);
    CreateAdjustmentControls(*adjustments);
    columns->addLayout(geometry, 2);
    columns->addSpacing(12);
    columns->addLayout(adjustments, 5);
    rows->addLayout(columns, 1);
    rows->addSpacing(8);
    auto* buttons = new QGridLayout;
    CreateButtons(*buttons);
    rows->addLayout(buttons);
    panel_->installEventFilter(this);
}

void TEditPanel::CreateGeometryControls(QGridLayout& grid) {
    comboShape_ = new QComboBox;
    comboShape_->setObjectName(QStringLiteral("ComboCropShape"));
    comboShape_->setToolTip(tr("The crop frame's shape; drag its corners and sides on the photo"));
    for (const CropShape& shape : kCropShapes)
        comboShape_->addItem(QCoreApplication::translate("TEditPanel", shape.name));
    // Each label is its control's buddy, which names the control for a screen reader.
    QLabel* crop = WhiteLabel(tr("Crop"));
    crop->setBuddy(comboShape_);
    comboShape_->view()->setAccessibleName(crop->text());
    grid.addWidget(crop, 0, 0);
    grid.addWidget(comboShape_, 0, 1, 1, 3);
    connect(comboShape_, &QComboBox::activated, this, [this](int index) { ChooseShape(index); });

    const struct {
        const char* name;
        QString caption, tip;
        std::function<void()> click;
    } buttons[] = {
        {"BtnTurnLeft", tr("Left 90\u00b0"), tr("Turns the photo a quarter to the left"), [this] { Turn(-1); }},
        {"BtnTurnRight", tr("Right 90\u00b0"), tr("Turns the photo a quarter to the right"), [this] { Turn(1); }},
        {"BtnFlipHorizontal", tr("Flip \u2194"), tr("Mirrors the photo left to right"), [this] { Flip(true); }},
        {"BtnFlipVertical", tr("Flip \u2195"), tr("Mirrors the photo top to bottom"), [this] { Flip(false); }},
    };
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = PanelButton(buttons[i].name, buttons[i].caption, buttons[i].tip);
        connect(button, &QPushButton::clicked, this, buttons[i].click);
        grid.addWidget(button, 1 + i / 2, (i % 2) * 2, 1, 2);
    }

    const int most = int(std::lround(kMostStraighten / kStraightenStep));
    sliderStraighten_ = PanelSlider(QStringLiteral("SliderStraighten"), -most, most, 0);
    sliderStraighten_->setPageStep(10);
    sliderStraighten_->setToolTip(tr("Turns the photo by up to 45\u00b0 either way and keeps the largest "
                                     "upright part of it"));
    labelStraighten_ = WhiteLabel(QString(), "LabelStraighten");
    labelStraighten_->setMinimumWidth(48);
    QLabel* straighten = WhiteLabel(tr("Straighten"));
    straighten->setBuddy(sliderStraighten_);
    grid.addWidget(straighten, 3, 0);
    grid.addWidget(sliderStraighten_, 3, 1, 1, 2);
    grid.addWidget(labelStraighten_, 3, 3);
    connect(sliderStraighten_, &QSlider::valueChanged, this, [this](int tenths) { Straighten(tenths); });
    connect(sliderStraighten_, &QSlider::sliderPressed, this, [this] { frame_->SetGrid(true); });
    connect(sliderStraighten_, &QSlider::sliderReleased, this, [this] { frame_->SetGrid(false); });
    labelSize_ = WhiteLabel(QString(), "LabelEditSize");
    grid.addWidget(labelSize_, 4, 0, 1, 4);
    // Rows of buttons grow too, to line up with the sliders beside them.
    for (int row = 0; row < 5; ++row) {
        grid.addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), row, 4);
        grid.setRowStretch(row, 1);
    }
}

void TEditPanel::CreateAdjustmentControls(QGridLayout& grid) {
    // Five rows of two: the table's first half on the left.
    for (const Adjustment& row : kAdjustments) {
        const int i = int(row.id), place = i % 5, column = (i / 5) * 3;
        QLabel* label = WhiteLabel(Words("Adjustments", row.label));
        label->setToolTip(Words("Adjustments", row.help));
        QSlider* slider = PanelSlider(QStringLiteral("Slider") + Utf8(row.label), row.lowest, row.highest, row.neutral);
        slider->setToolTip(label->toolTip());
        label->setBuddy(slider);
        slider->setPageStep(std::max(1, (row.highest - row.lowest) / 20));
        values_[size_t(i)] = WhiteLabel(AdjustmentText(row, row.neutral));
        values_[size_t(i)]->setMinimumWidth(56);
        sliders_[size_t(i)] = slider;
        grid.addWidget(label, place, column);
        grid.addWidget(slider, place, column + 1);
        grid.addWidget(values_[size_t(i)], place, column + 2);
        connect(slider, &QSlider::valueChanged, this, [this, id = row.id](int value) { SetValue(id, value); });
    }
    grid.setColumnStretch(1, 1);
    grid.setColumnStretch(4, 1);
    grid.setColumnMinimumWidth(3, 12);
    for (int place = 0; place < 5; ++place) grid.setRowStretch(place, 1);
}

void TEditPanel::CreateButtons(QGridLayout& grid) {
    QPushButton* autoButton = PanelButton("BtnEditAuto", tr("Auto"), tr("Levels and white balance from the photo"));
    QPushButton* reset = PanelButton("BtnEditReset", tr("Reset"), tr("Every edit back at none"));
    QPushButton* cancel =
        PanelButton("BtnEditCancel", ActionCaption(Action::kCancel),
                    tr("Closes the panel; the photo stays as it was (%1)").arg(KeysText(Action::kCancel)));
    btnApply_ = PanelButton("BtnEditApply", ActionCaption(Action::kAcceptEdit),
                            tr("Makes the edits your photo (%1)").arg(KeysText(Action::kAcceptEdit)));
    grid.addWidget(autoButton, 0, 0);
    grid.addWidget(reset, 0, 1);
    grid.setColumnStretch(2, 1);
    grid.addWidget(cancel, 0, 3);
    grid.addWidget(btnApply_, 0, 4);
    connect(autoButton, &QPushButton::clicked, this, [this] { AutoClick(); });
    connect(reset, &QPushButton::clicked, this, [this] { ResetClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(btnApply_, &QPushButton::clicked, this, [this] { Accept(); });
}

std::vector<QWidget*> TEditPanel::KeyOrder() const {
    const auto named = [this](const char* name) { return panel_->findChild<QWidget*>(QLatin1String(name)); };
    std::vector<QWidget*> order{frame_, comboShape_};
    for (const char* name : {"BtnTurnLeft", "BtnTurnRight", "BtnFlipHorizontal", "BtnFlipVertical"})
        order.push_back(named(name));
    order.push_back(sliderStraighten_);
    // The table's order is down the left column of sliders, then down the right.
    order.insert(order.end(), sliders_.begin(), sliders_.end());
    for (const char* name : {"BtnEditAuto", "BtnEditReset", "BtnEditCancel", "BtnEditApply"})
        order.push_back(named(name));
    return order;
}

}  // namespace corvessa
