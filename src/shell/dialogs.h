#pragma once
// Everything the main window asks the user through a modal dialog: the
// file to open, the name and format to save under, whether to replace a
// file (or a batch's outputs), which format a name of another format's is
// saved as, whether to save before closing, a colour for "Change Color", and
// the message box that reports an error; and the desktop's viewer for the
// help page. Behind one interface so tests can answer in place of the user.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/photo_formats.h"
#include "looks/render_context.h"
#include "session/save_target.h"
#include "session/words.h"

class QColorDialog;
class QFileDialog;
class QSpinBox;
class QWidget;

namespace corvessa {

class Remembered;

struct SaveChoice {
    std::string path;
    int filterIndex;  // kSaveFilterJpeg, kSaveFilterBmp, kSaveFilterPng, ...
    // 1..100 for a lossy format, or kDefaultQuality: the format's own.
    int quality = kDefaultQuality;
};

enum class UnsavedChoice { kSave, kDiscard, kCancel };
// A name of one format chosen with another's filter: saved as the name
// says, as the filter says, or not yet (the save dialog comes back).
enum class SaveFormatChoice { kAsName, kAsFilter, kCancel };
// What to do with the outputs of a batch that exist already.
enum class ExistingOutputsChoice { kReplace, kSkip, kCancel };

class ShellDialogs : public ColorChooser {
public:
    // The chosen file, or nothing when the user cancelled. The dialog
    // starts in `folder` (the user's pictures folder when it is empty).
    virtual std::optional<std::string> ChooseOpenFile(const std::string& folder) = 0;
    // The dialog starts in the folder of `photo` and proposes its name with
    // the extension of the chosen filter; with no photo, in the user's
    // pictures folder with no name.
    virtual std::optional<SaveChoice> ChooseSaveFile(const std::string& photo) = 0;
    // The .cube colour tables chosen (several at once) to add to the
    // user's looks; none when the user cancelled. Starts in `folder`.
    virtual std::vector<std::string> ChooseCubeFiles(const std::string& folder) = 0;
    // Whether the existing file `path` may be replaced.
    virtual bool ConfirmReplace(const std::string& path) = 0;
    // The name chosen is one of `asName`'s format ("out.heic") but the
    // filter chosen `asFilter`'s ("*.jpg", so out.heic.jpg).
    virtual SaveFormatChoice AskSaveFormat(const SaveTarget& asName, const SaveTarget& asFilter) = 0;
    // Some outputs of a batch about to start exist already, as `question`
    // says: "Replace", "Skip those" or "Cancel".
    virtual ExistingOutputsChoice AskExistingOutputs(const QString& question) = 0;
    // Closing the window would lose an edit that was never saved.
    virtual UnsavedChoice AskSaveBeforeClosing() = 0;
    // So would opening `photo` in place of the working photo.
    virtual UnsavedChoice AskSaveBeforeOpening(const std::string& photo) = 0;
    // `text` in the user's words.
    virtual void ShowError(const QString& text) = 0;
    // Something the user should know about an operation that went through.
    virtual void ShowWarning(const QString& text) = 0;
    // A message of the layers below (a CorvessaError's text, a reader's
    // warning), in the user's words.
    void ShowError(std::string_view message) { ShowError(MessageWords(message)); }
    void ShowWarning(std::string_view message) { ShowWarning(MessageWords(message)); }
    // Asks the desktop to show the document `path` with its own program;
    // `failed` runs, now or once the desktop has given up, if it cannot.
    virtual void OpenWithDesktop(const std::string& path, std::function<void()> failed) = 0;
};

// Runs `action`; an error it throws is shown through `dialogs` and the
// program goes on. Every handler of the windows runs through here.
void Guarded(ShellDialogs& dialogs, const std::function<void()>& action);

// The filter of the dialogs that choose .cube colour tables.
QString CubeDialogFilter();
// The dialogs of the Open and Save filters, as Qt dialog filter strings.
QString OpenDialogFilter();
QString SaveDialogFilter();

// Qt's file, colour and message dialogs, owned by the main window. The
// file dialogs live as long as the window, so they keep their folder and
// chosen filter between uses.
class QtShellDialogs : public ShellDialogs {
public:
    // With `remembered`, the file dialogs' filters and the save quality
    // are kept between runs there.
    explicit QtShellDialogs(QWidget* window, Remembered* remembered = nullptr);

    std::optional<std::string> ChooseOpenFile(const std::string& folder) override;
    std::optional<SaveChoice> ChooseSaveFile(const std::string& photo) override;
    std::vector<std::string> ChooseCubeFiles(const std::string& folder) override;
    bool ConfirmReplace(const std::string& path) override;
    SaveFormatChoice AskSaveFormat(const SaveTarget& asName, const SaveTarget& asFilter) override;
    ExistingOutputsChoice AskExistingOutputs(const QString& question) override;
    UnsavedChoice AskSaveBeforeClosing() override;
    UnsavedChoice AskSaveBeforeOpening(const std::string& photo) override;
    std::optional<Rgb> ChooseColor() override;
    using ShellDialogs::ShowError;
    using ShellDialogs::ShowWarning;
    void ShowError(const QString& text) override;
    void ShowWarning(const QString& text) override;
    void OpenWithDesktop(const std::string& path, std::function<void()> failed) override;

private:
    QWidget* window_;
    QFileDialog* openDialog_;
    QFileDialog* saveDialog_;
    QSpinBox* saveQuality_ = nullptr;  // in the save dialog, where Qt draws it
    QColorDialog* colorDialog_;
    Remembered* remembered_;
};

}  // namespace corvessa
