#pragma once

#include "core/NumberRoutines.h"

#include <optional>
#include <string>

class EditionHost;

// The integer prompt: non-digits dropped, an unusable answer gives def.
int AskNumber(int def, const std::string& caption, const std::string& prompt);

// The last-N prompt over the host's draws, with the standard prompt text in the host's
// language or a prompt of the command's own; nothing when the answer was unusable (the user
// was told).
std::optional<int> AskLastN(const EditionHost& host, const std::string& caption,
                            core::LastNVariant variant = core::LastNVariant::Standard);
std::optional<int> AskLastN(const EditionHost& host, const std::string& caption,
                            const std::string& prompt,
                            core::LastNVariant variant = core::LastNVariant::Standard);
