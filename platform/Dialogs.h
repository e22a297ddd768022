#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

class TForm;

// The button a question box starts on (what Enter gives).
enum class DefaultAnswer { Yes, No };

// Long work shown while it runs: the window system keeps running between steps.
class ProgressBox {
public:
    virtual ~ProgressBox() = default;
    // done of the total steps are finished; false once the user cancelled.
    virtual bool Advance(int done) = 0;
};

// Every question and message the programs put to the user, and every modal showing, goes
// through this seam, so a test can answer from a script and read what was shown.
class DialogSeam {
public:
    virtual ~DialogSeam() = default;

    // The text the user confirmed, or the default text on Cancel.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    // True for Yes; No, Esc and closing the box give false.
    virtual bool AskYesNo(const std::string& text, const std::string& caption,
                          DefaultAnswer preset = DefaultAnswer::Yes) = 0;
    // A file name, or nothing when the user cancelled. filter: "desc|pattern|desc|pattern".
    virtual std::optional<std::string> OpenFileName(const std::string& filter,
                                                    const std::string& initialDir) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& filter,
                                                    const std::string& initialDir,
                                                    const std::string& fileName) = 0;
    // Hands a file or address to the desktop's opener; false when it could not.
    virtual bool ShellOpen(const std::string& target) = 0;
    // Shows the form and returns when it is closed.
    virtual void RunModal(TForm& form) = 0;
    // A progress box with a Cancel button for total steps. Without one of its own, a seam
    // only lets the window system run and never cancels.
    virtual std::unique_ptr<ProgressBox> StartProgress(const std::string& text,
                                                       const std::string& cancelText, int total);
};

// The seam in use: the Qt dialogs unless a test installed its own.
DialogSeam& Dialogs();
// Installs a seam (nullptr: back to the Qt dialogs) and returns the one it replaces.
std::unique_ptr<DialogSeam> SetDialogs(std::unique_ptr<DialogSeam> seam);

// The Qt implementation.
class QtDialogs : public DialogSeam {
public:
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& caption,
                  DefaultAnswer preset = DefaultAnswer::Yes) override;
    std::optional<std::string> OpenFileName(const std::string& filter,
                                            const std::string& initialDir) override;
    std::optional<std::string> SaveFileName(const std::string& filter,
                                            const std::string& initialDir,
                                            const std::string& fileName) override;
    bool ShellOpen(const std::string& target) override;
    void RunModal(TForm& form) override;
    std::unique_ptr<ProgressBox> StartProgress(const std::string& text,
                                               const std::string& cancelText, int total) override;
};

// The application's title, used as the caption of message boxes (and of no window).
const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);

} // namespace platform
