#pragma once
// Everything the main window asks the user through a modal dialog: the
// file to open, the name and format to save under, a colour for "Change
// Color", and the message box that reports an error. Behind one interface
// so tests can answer in place of the user.

#include <QString>
#include <optional>
#include <string>

#include "looks/render_context.h"

class QColorDialog;
class QFileDialog;
class QWidget;

namespace corvessa {

struct SaveChoice {
    std::string path;
    int filterIndex;  // kSaveFilterJpeg, kSaveFilterBmp or kSaveFilterPng
};

class ShellDialogs : public ColorChooser {
public:
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseOpenFile() = 0;
    virtual std::optional<SaveChoice> ChooseSaveFile() = 0;
    virtual void ShowError(const std::string& text) = 0;
    // Something the user should know about an operation that went through.
    virtual void ShowWarning(const std::string& text) = 0;
};

// The dialogs of the Open and Save filters, as Qt dialog filter strings.
QString OpenDialogFilter();
QString SaveDialogFilter();

// Qt's file, colour and message dialogs, owned by the main window. The
// file dialogs live as long as the window, so they keep their folder and
// chosen filter between uses.
class QtShellDialogs : public ShellDialogs {
public:
    explicit QtShellDialogs(QWidget* window);

    std::optional<std::string> ChooseOpenFile() override;
    std::optional<SaveChoice> ChooseSaveFile() override;
    std::optional<Rgb> ChooseColor() override;
    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;

private:
    QWidget* window_;
    QFileDialog* openDialog_;
    QFileDialog* saveDialog_;
    QColorDialog* colorDialog_;
};

}  // namespace corvessa
