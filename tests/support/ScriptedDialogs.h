#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A dialog seam that answers from queues and records what was shown, without nested event
// loops. An input box with no queued answer is cancelled (returns its default text).
class ScriptedDialogs : public platform::DialogSeam {
public:
    struct Prompt {
        std::string caption, prompt, defaultText;
    };
    struct Modal {
        platform::TForm* form;
        std::string caption;
        std::string content;
    };

    std::deque<std::optional<std::string>> inputs; // nullopt: Cancel
    std::deque<bool> yesNo;                        // empty: Yes
    std::deque<std::optional<std::string>> files;  // open and save dialogs; empty: cancelled
    // Runs while a form is "shown"; the showing ends when it returns.
    std::function<void(platform::TForm&)> onModal;
    // Runs at each step of a progress box; false is the user's Cancel. Empty: every step goes on.
    std::function<bool(int done)> onProgress;
    struct Progress {
        std::string text, cancelText;
        int total = 0;
        std::vector<int> steps;
    };
    std::vector<Progress> progress;
    int progressOpen = 0; // progress boxes started and not yet closed
    // Messages shown while a progress box was open, where it could hide them.
    std::vector<std::string> messagesUnderProgress;

    std::vector<Prompt> prompts;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<platform::DefaultAnswer> questionDefaults; // per question
    std::vector<std::string> opened;
    std::vector<Modal> modals;

    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& caption,
                  platform::DefaultAnswer preset = platform::DefaultAnswer::Yes) override;
    std::optional<std::string> OpenFileName(const std::string& filter,
                                            const std::string& initialDir) override;
    std::optional<std::string> SaveFileName(const std::string& filter,
                                            const std::string& initialDir,
                                            const std::string& fileName) override;
    bool ShellOpen(const std::string& target) override;
    void RunModal(platform::TForm& form) override;
    std::unique_ptr<platform::ProgressBox>
    StartProgress(const std::string& text, const std::string& cancelText, int total) override;
};

// Installs a ScriptedDialogs for the scope of a test.
class ScopedDialogs {
public:
    ScopedDialogs();
    ~ScopedDialogs();
    ScriptedDialogs& operator*() { return *seam_; }
    ScriptedDialogs* operator->() { return seam_; }

private:
    ScriptedDialogs* seam_;
    std::unique_ptr<platform::DialogSeam> previous_;
};

} // namespace testing_support
