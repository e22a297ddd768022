#include "apps/shared/Prompts.h"

#include "apps/shared/EditionHost.h"
#include "platform/Dialogs.h"

int AskNumber(int def, const std::string& caption, const std::string& prompt) {
    return core::AskNumberAnswer(platform::Dialogs().InputBox(caption, prompt, std::to_string(def)),
                                 def);
}

std::optional<int> AskLastN(const EditionHost& host, const std::string& caption,
                            core::LastNVariant variant) {
    const int count = host.Store().DrawCount;
    const std::string prompt = core::LastNPrompt(count, host.Language());
    return AskLastN(host, caption, prompt, variant);
}

std::optional<int> AskLastN(const EditionHost& host, const std::string& caption,
                            const std::string& prompt, core::LastNVariant variant) {
    const int count = host.Store().DrawCount;
    const std::string answer = platform::Dialogs().InputBox(caption, prompt, std::to_string(count));
    try {
        return core::LastNAnswer(answer, count, variant);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return std::nullopt;
    }
}
