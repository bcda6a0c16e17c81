#pragma once
// The main window's dialogs answered by the test: queues of answers filled
// beforehand, every error the window would have shown recorded. An empty
// queue answers as a cancelled dialog would; a question about replacing a
// file is answered "No", one about the format of a name "Cancel", one
// about a batch's outputs that exist "Cancel",
// one about closing or opening over unsaved changes
// "Discard".

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/dialogs.h"

namespace corvessa::test {

class FakeDialogs : public ShellDialogs {
public:
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<SaveChoice>> saveAnswers;
    // The files each Add Look dialog chose, and the folder it started in.
    std::deque<std::vector<std::string>> cubeAnswers;
    std::vector<std::string> cubeFolders;
    std::deque<std::optional<Rgb>> colourAnswers;
    std::deque<bool> replaceAnswers;
    std::deque<SaveFormatChoice> formatAnswers;
    std::deque<ExistingOutputsChoice> existingOutputsAnswers;
    std::deque<UnsavedChoice> closeAnswers;
    std::deque<UnsavedChoice> openingAnswers;
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    int saveDialogsRun = 0;
    int colourDialogsRun = 0;
    int closeQuestions = 0;
    // The photo of every question before opening one over unsaved changes.
    std::vector<std::string> openingQuestions;
    // What the window passed: the folder each open dialog started in, the
    // photo each save dialog was given, every file it asked to replace.
    std::vector<std::string> openFolders;
    std::vector<std::string> savePhotos;
    std::vector<std::string> replaceQuestions;
    // The two targets of every question about a name's format: by the
    // name, by the filter.
    std::vector<std::pair<SaveTarget, SaveTarget>> formatQuestions;
    std::vector<std::string> existingOutputsQuestions;
    // Whether the desktop can show documents; every one it was asked to.
    bool desktopOpens = true;
    std::vector<std::string> desktopDocuments;
    // Runs whenever the colour dialog is asked for, before it answers.
    std::function<void()> onChooseColor;

    std::optional<std::string> ChooseOpenFile(const std::string& folder) override {
        openFolders.push_back(folder);
        return Next(openAnswers);
    }
    std::vector<std::string> ChooseCubeFiles(const std::string& folder) override {
        cubeFolders.push_back(folder);
        if (cubeAnswers.empty()) return {};
        return Next(cubeAnswers);
    }
    std::optional<SaveChoice> ChooseSaveFile(const std::string& photo) override {
        ++saveDialogsRun;
        savePhotos.push_back(photo);
        return Next(saveAnswers);
    }
    bool ConfirmReplace(const std::string& path) override {
        replaceQuestions.push_back(path);
        return Next(replaceAnswers);
    }
    SaveFormatChoice AskSaveFormat(const SaveTarget& asName, const SaveTarget& asFilter) override {
        formatQuestions.emplace_back(asName, asFilter);
        if (formatAnswers.empty()) return SaveFormatChoice::kCancel;
        return Next(formatAnswers);
    }
    ExistingOutputsChoice AskExistingOutputs(const QString& question) override {
        existingOutputsQuestions.push_back(question.toStdString());
        if (existingOutputsAnswers.empty()) return ExistingOutputsChoice::kCancel;
        return Next(existingOutputsAnswers);
    }
    UnsavedChoice AskSaveBeforeClosing() override {
        ++closeQuestions;
        if (closeAnswers.empty()) return UnsavedChoice::kDiscard;
        return Next(closeAnswers);
    }
    UnsavedChoice AskSaveBeforeOpening(const std::string& photo) override {
        openingQuestions.push_back(photo);
        if (openingAnswers.empty()) return UnsavedChoice::kDiscard;
        return Next(openingAnswers);
    }
    void OpenWithDesktop(const std::string& path, std::function<void()> failed) override {
        desktopDocuments.push_back(path);
        if (!desktopOpens) failed();
    }
    std::optional<Rgb> ChooseColor() override {
        ++colourDialogsRun;
        if (onChooseColor) onChooseColor();
        return Next(colourAnswers);
    }
    using ShellDialogs::ShowError;
    using ShellDialogs::ShowWarning;
    void ShowError(const QString& text) override { errors.push_back(text.toStdString()); }
    void ShowWarning(const QString& text) override { warnings.push_back(text.toStdString()); }

private:
    template <class T>
    static T Next(std::deque<T>& answers) {
        if (answers.empty()) return T();
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace corvessa::test
