#pragma once
// The main window's dialogs answered by the test: queues of answers filled
// beforehand, every error the window would have shown recorded.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/dialogs.h"

namespace corvessa::test {

class FakeDialogs : public ShellDialogs {
public:
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<SaveChoice>> saveAnswers;
    std::deque<std::optional<Rgb>> colourAnswers;
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    int saveDialogsRun = 0;
    int colourDialogsRun = 0;
    // Runs whenever the colour dialog is asked for, before it answers.
    std::function<void()> onChooseColor;

    std::optional<std::string> ChooseOpenFile() override { return Next(openAnswers); }
    std::optional<SaveChoice> ChooseSaveFile() override {
        ++saveDialogsRun;
        return Next(saveAnswers);
    }
    std::optional<Rgb> ChooseColor() override {
        ++colourDialogsRun;
        if (onChooseColor) onChooseColor();
        return Next(colourAnswers);
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

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
