#pragma once
// TFormPreview: the preview dialog of the effect browser. It shows the
// full-size render of the thumbnail clicked last and offers "Apply",
// "Cancel" and "Change Color". It never blocks the main window: while it is
// open the user may press categories, other thumbnails, Open, Save or Undo.
// Created hidden right after the main window and only hidden, never
// destroyed, until the program ends.

#include <QWidget>

#include "ground/bitmap.h"

class QLabel;
class QPushButton;

namespace corvessa {

class TFlatPanel;
class TFormMain;
class TImageView;

// The dialog's client size when it opens.
inline constexpr int kPreviewClientWidth = 395;
inline constexpr int kPreviewClientHeight = 290;

class TFormPreview : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by `formMain`, whose buffers Apply and Change
    // Color work on.
    explicit TFormPreview(TFormMain& formMain);

    TFlatPanel* Panel1() const { return panel1_; }
    TImageView* ImgPreview() const { return imgPreview_; }
    QLabel* Label1() const { return label1_; }  // "PROCESSING---"
    QLabel* Label2() const { return label2_; }  // "Wait seconds"
    QPushButton* BtnColor() const { return btnColor_; }
    QPushButton* BtnApply() const { return btnApply_; }
    QPushButton* BtnCancel() const { return btnCancel_; }

    // Hides the last result and shows the two red labels.
    void ShowProcessing();
    // Fits ImgPreview to `photo` (its aspect at the panel's height, centred,
    // clipped by the panel when wider) and shows the dialog in front.
    void PreparePreview(const TBitmap& photo);
    // Shows a copy of `result` in place of the labels.
    void ShowResult(const TBitmap& result);

    void BtnApplyClick();
    // Cancel: hides the dialog and nothing else.
    void Button2Click();
    void BtnColorClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TFormMain& formMain_;
    TFlatPanel* panel1_ = nullptr;
    TImageView* imgPreview_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* btnColor_ = nullptr;
    QPushButton* btnApply_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    bool placed_ = false;  // moved over the main window's photo area yet
};

}  // namespace corvessa
