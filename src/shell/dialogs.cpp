#include "shell/dialogs.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

#include "ground/error.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "shell/main_layout.h"
#include "shell/remembered.h"

namespace corvessa {

namespace {

// The save dialog's filter of `format`: "*.jpg (*.jpg)".
QString SaveFilter(const PhotoFormat& format) {
    return QStringLiteral("%1 (*.%2)").arg(QString::fromUtf8(format.saveLabel.data(), qsizetype(format.saveLabel.size())),
                                           QString::fromUtf8(format.extensions.front().data(),
                                                             qsizetype(format.extensions.front().size())));
}

// The save dialog's filter index (kSaveFilterJpeg, ...) of `filter`.
int SaveFilterIndex(const QString& filter) {
    const std::vector<const PhotoFormat*> formats = SaveFormats();
    for (size_t i = 0; i < formats.size(); ++i)
        if (SaveFilter(*formats[i]) == filter) return int(i) + 1;
    return kSaveFilterJpeg;
}

// `folder` when it still exists, else the user's pictures folder (the home
// folder where there is none).
QString StartFolder(const std::string& folder) {
    const QString given = QString::fromStdString(folder);
    if (!given.isEmpty() && QFileInfo(given).isDir()) return given;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

// Enter in the file name field while its completion list is open accepts
// the dialog through the list, and the list hides itself only once the
// field has lost the focus, which a closing dialog does not take from it:
// the list would stay on screen as the active popup and swallow the next
// click anywhere. So it is hidden with the dialog.
void HideCompletionsOnClose(QFileDialog* dialog) {
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter* completer : dialog->findChildren<QCompleter*>())
            if (completer->popup()) completer->popup()->hide();
    });
}

}  // namespace

void Guarded(ShellDialogs& dialogs, const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        dialogs.ShowError(CurrentErrorText());
    }
}

QString OpenDialogFilter() {
    // The default lists every picture the program opens; the old pair stays
    // offered after it. Only a filter's name is the user's words: Qt reads
    // the patterns in its brackets.
    return QStringLiteral("%1 (%2);;*.bmp *.jpg (*.bmp *.jpg)")
        .arg(QCoreApplication::translate("Dialogs", "All pictures"), QString::fromStdString(ReadablePatterns()));
}

QString SaveDialogFilter() {
    QStringList filters;
    for (const PhotoFormat* format : SaveFormats()) filters << SaveFilter(*format);
    return filters.join(QStringLiteral(";;"));
}

QtShellDialogs::QtShellDialogs(QWidget* window, Remembered* remembered)
    : window_(window),
      openDialog_(new QFileDialog(window)),
      saveDialog_(new QFileDialog(window)),
      colorDialog_(new QColorDialog(window)),
      remembered_(remembered) {
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
    saveDialog_->selectNameFilter(SaveFilter(SaveFormatAt(kSaveFilterJpeg)));

    // The quality of the lossy formats, below the file type, where Qt
    // draws the dialog itself (a desktop's own dialog has no room for it).
    if (auto* grid = qobject_cast<QGridLayout*>(saveDialog_->layout())) {
        saveQuality_ = new QSpinBox(saveDialog_);
        saveQuality_->setObjectName(QStringLiteral("SaveQuality"));
        saveQuality_->setRange(kDefaultQuality, 100);
        saveQuality_->setSpecialValueText(QCoreApplication::translate("Dialogs", "the format's own"));
        saveQuality_->setToolTip(
            QCoreApplication::translate("Dialogs", "Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100"));
        const int row = grid->rowCount();
        auto* label = new QLabel(QCoreApplication::translate("Dialogs", "Quality:"), saveDialog_);
        label->setBuddy(saveQuality_);
        grid->addWidget(label, row, 0);
        grid->addWidget(saveQuality_, row, 1);
        const auto lossyOrNot = [this](const QString& filter) {
            saveQuality_->setEnabled(SaveFormatAt(SaveFilterIndex(filter)).lossy);
        };
        QObject::connect(saveDialog_, &QFileDialog::filterSelected, saveQuality_, lossyOrNot);
        lossyOrNot(saveDialog_->selectedNameFilter());
    }
    if (remembered_) {
        const QString open = remembered_->Text(Setting::kOpenFilter), save = remembered_->Text(Setting::kSaveFilter);
        if (!open.isEmpty()) openDialog_->selectNameFilter(open);
        if (!save.isEmpty()) {
            saveDialog_->selectNameFilter(save);
            emit saveDialog_->filterSelected(save);
        }
        if (saveQuality_) saveQuality_->setValue(remembered_->Number(Setting::kSaveQuality));
    }

    colorDialog_->setObjectName(QStringLiteral("ColorDialog1"));
    HideCompletionsOnClose(openDialog_);
    HideCompletionsOnClose(saveDialog_);
}

std::optional<std::string> QtShellDialogs::ChooseOpenFile(const std::string& folder) {
    openDialog_->setDirectory(StartFolder(folder));
    if (openDialog_->exec() != QDialog::Accepted || openDialog_->selectedFiles().isEmpty()) return std::nullopt;
    if (remembered_) remembered_->SetText(Setting::kOpenFilter, openDialog_->selectedNameFilter());
    return openDialog_->selectedFiles().first().toStdString();
}

QString CubeDialogFilter() {
    return QStringLiteral("%1 (*.cube *.CUBE *.Cube);;%2 (*)")
        .arg(QCoreApplication::translate("Dialogs", "Colour tables"), QCoreApplication::translate("Dialogs", "All files"));
}

std::vector<std::string> QtShellDialogs::ChooseCubeFiles(const std::string& folder) {
    const QStringList chosen = QFileDialog::getOpenFileNames(window_, QCoreApplication::translate("Dialogs", "Add Look"),
                                                             QString::fromStdString(folder), CubeDialogFilter());
    std::vector<std::string> files;
    for (const QString& file : chosen) files.push_back(file.toStdString());
    return files;
}

std::optional<SaveChoice> QtShellDialogs::ChooseSaveFile(const std::string& photo) {
    // The dialog asks before replacing the chosen name, but the filter may
    // add an extension to it, so the window asks of the name it writes.
    const QFileInfo info(QString::fromStdString(photo));
    saveDialog_->setDirectory(StartFolder(photo.empty() ? std::string() : info.absolutePath().toStdString()));
    const PhotoFormat& format = SaveFormatAt(SaveFilterIndex(saveDialog_->selectedNameFilter()));
    const QString extension = QStringLiteral(".") + QString::fromUtf8(format.extensions.front().data(),
                                                                      qsizetype(format.extensions.front().size()));
    saveDialog_->selectFile(photo.empty() ? QString() : info.completeBaseName() + extension);
    if (saveDialog_->exec() != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty()) return std::nullopt;
    const int quality = saveQuality_ ? saveQuality_->value() : kDefaultQuality;
    if (remembered_) {
        remembered_->SetText(Setting::kSaveFilter, saveDialog_->selectedNameFilter());
        if (saveQuality_) remembered_->SetNumber(Setting::kSaveQuality, quality);
    }
    return SaveChoice{saveDialog_->selectedFiles().first().toStdString(), SaveFilterIndex(saveDialog_->selectedNameFilter()),
                      quality};
}

std::optional<Rgb> QtShellDialogs::ChooseColor() {
    if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
    const QColor c = colorDialog_->selectedColor();
    return Rgb{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())};
}

bool QtShellDialogs::ConfirmReplace(const std::string& path) {
    const QString text = QCoreApplication::translate("Dialogs", "%1 already exists.\nDo you want to replace it?")
                             .arg(QString::fromStdString(path));
    return QMessageBox::question(window_, QStringLiteral("Corvessa"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

SaveFormatChoice QtShellDialogs::AskSaveFormat(const SaveTarget& asName, const SaveTarget& asFilter) {
    const auto name = [](const SaveTarget& target) {
        const std::string_view format = FormatOf(target.format).name;
        return QString::fromUtf8(format.data(), qsizetype(format.size()));
    };
    const auto file = [](const SaveTarget& target) { return QFileInfo(QString::fromStdString(target.path)).fileName(); };
    QMessageBox box(QMessageBox::Question, QStringLiteral("Corvessa"),
                    QCoreApplication::translate("Dialogs",
                                                "%1 is the name of a %2 file, but the file type chosen is %3.\n"
                                                "Save the photo as %2 under %1, or as %3 under %4?")
                        .arg(file(asName), name(asName), name(asFilter), file(asFilter)),
                    QMessageBox::NoButton, window_);
    const QString saveAs = QCoreApplication::translate("Dialogs", "Save as %1");
    QPushButton* byName = box.addButton(saveAs.arg(name(asName)), QMessageBox::AcceptRole);
    QPushButton* byFilter = box.addButton(saveAs.arg(name(asFilter)), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(byName);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == byName) return SaveFormatChoice::kAsName;
    if (box.clickedButton() == byFilter) return SaveFormatChoice::kAsFilter;
    return SaveFormatChoice::kCancel;
}

ExistingOutputsChoice QtShellDialogs::AskExistingOutputs(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Corvessa"), question, QMessageBox::NoButton, window_);
    QPushButton* replace = box.addButton(QCoreApplication::translate("Dialogs", "Replace"), QMessageBox::DestructiveRole);
    QPushButton* skip = box.addButton(QCoreApplication::translate("Dialogs", "Skip those"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    // Enter keeps what exists; only a click replaces it.
    box.setDefaultButton(skip);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == replace) return ExistingOutputsChoice::kReplace;
    if (box.clickedButton() == skip) return ExistingOutputsChoice::kSkip;
    return ExistingOutputsChoice::kCancel;
}

namespace {

UnsavedChoice AskSaveBefore(QWidget* window, const QString& question) {
    const auto answer = QMessageBox::warning(window, QStringLiteral("Corvessa"), question,
                                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                             QMessageBox::Save);
    if (answer == QMessageBox::Save) return UnsavedChoice::kSave;
    if (answer == QMessageBox::Discard) return UnsavedChoice::kDiscard;
    return UnsavedChoice::kCancel;
}

}  // namespace

UnsavedChoice QtShellDialogs::AskSaveBeforeClosing() {
    return AskSaveBefore(window_, QCoreApplication::translate("Dialogs", "The photo has changes that were not saved.\n"
                                                                         "Do you want to save them before closing?"));
}

UnsavedChoice QtShellDialogs::AskSaveBeforeOpening(const std::string& photo) {
    const QString name = QFileInfo(QString::fromStdString(photo)).fileName();
    return AskSaveBefore(window_, QCoreApplication::translate("Dialogs", "The photo has changes that were not saved.\n"
                                                                         "Do you want to save them before opening %1?")
                                      .arg(name));
}

void QtShellDialogs::ShowError(const QString& text) {
    QMessageBox::critical(window_, QStringLiteral("Corvessa"), text);
}

void QtShellDialogs::ShowWarning(const QString& text) {
    QMessageBox::warning(window_, QStringLiteral("Corvessa"), text);
}

namespace {

// Runs xdg-open on `path`. It says by its exit status whether the desktop
// could show the document; it may run as long as the viewer it started.
// The process has no parent and is never destroyed while it runs, so the
// viewer is not ended with the program; `failed` is tied to `window` and
// so never runs after it is gone.
void StartOpener(QWidget* window, const QString& path, std::function<void()> failed) {
    auto* opener = new QProcess;
    // The viewer inherits the channels: a pipe nobody reads would stall it.
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    auto fail = [opener, failed = std::move(failed)] {
        opener->deleteLater();
        failed();
    };
    QObject::connect(opener, &QProcess::errorOccurred, window, [fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) fail();
    });
    QObject::connect(opener, &QProcess::finished, window, [opener, fail](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0)
            opener->deleteLater();
        else
            fail();
    });
    opener->start(QStringLiteral("xdg-open"), {path});
}

}  // namespace

void QtShellDialogs::OpenWithDesktop(const std::string& path, std::function<void()> failed) {
    // Where no program is set for the document's type, xdg-open tries one
    // browser after another before it gives up, a second or more; which
    // program is set is known in milliseconds. A browser named in $BROWSER
    // is what xdg-open uses then, so that counts as one.
    const QString document = QString::fromStdString(path);
    const QString type = QFileInfo(document).isDir() ? QStringLiteral("inode/directory")
                                                      : QMimeDatabase().mimeTypeForFile(document).name();
    const bool browser = qEnvironmentVariableIsSet("BROWSER") && type == QStringLiteral("text/html");
    auto* query = new QProcess(window_);
    query->setProcessChannelMode(QProcess::SeparateChannels);
    query->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(query, &QProcess::errorOccurred, window_,
                     [this, query, document, failed](QProcess::ProcessError error) {
                         // Without xdg-mime, xdg-open decides by itself.
                         if (error != QProcess::FailedToStart) return;
                         query->deleteLater();
                         StartOpener(window_, document, failed);
                     });
    QObject::connect(query, &QProcess::finished, window_, [this, query, document, failed, browser](int code) {
        query->deleteLater();
        const bool programSet = code == 0 && !query->readAllStandardOutput().trimmed().isEmpty();
        if (programSet || browser)
            StartOpener(window_, document, failed);
        else
            failed();
    });
    query->start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
}

}  // namespace corvessa
