#include "shell/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "io/photo_files.h"
#include "shell/main_layout.h"

namespace corvessa {

namespace {

const QString kJpegFilter = QStringLiteral("*.jpg (*.jpg)");
const QString kBmpFilter = QStringLiteral("*.bmp (*.bmp)");
const QString kPngFilter = QStringLiteral("*.png (*.png)");

}  // namespace

QString OpenDialogFilter() {
    QString filter = QStringLiteral("*.bmp *.jpg (*.bmp *.jpg)");
    filter += QStringLiteral(";;All pictures (%1)").arg(QString::fromStdString(ReadablePatterns()));
    return filter;
}

QString SaveDialogFilter() { return kJpegFilter + QStringLiteral(";;") + kBmpFilter + QStringLiteral(";;") + kPngFilter; }

QtShellDialogs::QtShellDialogs(QWidget* window)
    : window_(window),
      openDialog_(new QFileDialog(window)),
      saveDialog_(new QFileDialog(window)),
      colorDialog_(new QColorDialog(window)) {
    openDialog_->setObjectName(QStringLiteral("OpenDialog1"));
    openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name need not exist: the reader then says it cannot open it.
    openDialog_->setFileMode(QFileDialog::AnyFile);
    openDialog_->setNameFilter(OpenDialogFilter());

    saveDialog_->setObjectName(QStringLiteral("SaveDialog1"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);
    saveDialog_->setNameFilter(SaveDialogFilter());
    saveDialog_->selectNameFilter(kJpegFilter);

    colorDialog_->setObjectName(QStringLiteral("ColorDialog1"));
}

std::optional<std::string> QtShellDialogs::ChooseOpenFile() {
    if (openDialog_->exec() != QDialog::Accepted || openDialog_->selectedFiles().isEmpty()) return std::nullopt;
    return openDialog_->selectedFiles().first().toStdString();
}

std::optional<SaveChoice> QtShellDialogs::ChooseSaveFile() {
    if (saveDialog_->exec() != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = saveDialog_->selectedNameFilter();
    const int index = chosen == kBmpFilter ? kSaveFilterBmp : chosen == kPngFilter ? kSaveFilterPng : kSaveFilterJpeg;
    return SaveChoice{saveDialog_->selectedFiles().first().toStdString(), index};
}

std::optional<Rgb> QtShellDialogs::ChooseColor() {
    if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
    const QColor c = colorDialog_->selectedColor();
    return Rgb{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())};
}

void QtShellDialogs::ShowError(const std::string& text) {
    QMessageBox::critical(window_, QStringLiteral("Corvessa"), QString::fromStdString(text));
}

void QtShellDialogs::ShowWarning(const std::string& text) {
    QMessageBox::warning(window_, QStringLiteral("Corvessa"), QString::fromStdString(text));
}

}  // namespace corvessa
