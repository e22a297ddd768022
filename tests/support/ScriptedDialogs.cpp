#include "tests/support/ScriptedDialogs.h"

#include "platform/Form.h"

namespace testing_support {

std::string ScriptedDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& defaultText) {
    prompts.push_back({caption, prompt, defaultText});
    if (inputs.empty()) return defaultText;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer ? *answer : defaultText;
}

void ScriptedDialogs::ShowMessage(const std::string& text) {
    messages.push_back(text);
    if (progressOpen > 0) messagesUnderProgress.push_back(text);
}

bool ScriptedDialogs::AskYesNo(const std::string& text, const std::string&,
                               platform::DefaultAnswer preset) {
    questions.push_back(text);
    questionDefaults.push_back(preset);
    if (yesNo.empty()) return true;
    const bool a = yesNo.front();
    yesNo.pop_front();
    return a;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(const std::string&, const std::string&) {
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedDialogs::SaveFileName(const std::string&, const std::string&,
                                                         const std::string&) {
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

bool ScriptedDialogs::ShellOpen(const std::string& target) {
    opened.push_back(target);
    return true;
}

void ScriptedDialogs::RunModal(platform::TForm& form) {
    modals.push_back({&form, form.Caption(), form.ModalContent()});
    if (onModal) onModal(form);
    form.NotifyClosed();
}

namespace {

class ScriptedProgress : public platform::ProgressBox {
public:
    ScriptedProgress(ScriptedDialogs& seam, std::size_t index) : seam_(seam), index_(index) {
        ++seam_.progressOpen;
    }
    ~ScriptedProgress() override { --seam_.progressOpen; }
    bool Advance(int done) override {
        seam_.progress[index_].steps.push_back(done);
        return !seam_.onProgress || seam_.onProgress(done);
    }

private:
    ScriptedDialogs& seam_;
    std::size_t index_;
};

} // namespace

std::unique_ptr<platform::ProgressBox>
ScriptedDialogs::StartProgress(const std::string& text, const std::string& cancelText, int total) {
    progress.push_back({text, cancelText, total, {}});
    return std::make_unique<ScriptedProgress>(*this, progress.size() - 1);
}

ScopedDialogs::ScopedDialogs() {
    auto seam = std::make_unique<ScriptedDialogs>();
    seam_ = seam.get();
    previous_ = platform::SetDialogs(std::move(seam));
}

ScopedDialogs::~ScopedDialogs() {
    platform::SetDialogs(std::move(previous_));
}

} // namespace testing_support
