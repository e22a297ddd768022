#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Every draw of the store as its numbers two digits wide separated by blanks, newest first
// or oldest first.
std::vector<std::string> DrawListLines(const DrawStore& store, const Game& game, bool oldestFirst);

// A binary draw file as text: one line per record of perDraw bytes, each byte at least two
// digits wide; a last, shorter record shows only the bytes it has.
std::vector<std::string> BinaryDrawLines(std::string_view bytes, int perDraw);

// The name a saved list gets: ".txt" appended unless its extension already is that (in any
// case).
std::string ListFileName(const std::string& chosen);

// path itself while no file of that name exists, else folder + base + "[n]" + extension with
// the first n = 0, 1, ... that is free; base runs to the name's first ".", the extension from
// its last.
std::string UniqueFileName(const std::string& path,
                           const std::function<bool(const std::string&)>& exists);

// The count of pictures to export from the prompt's answer: non-digits dropped, empty or
// above drawCount gives 20, and the result is kept within 1..drawCount (0 when there are no
// draws). Throws ConversionError for a number beyond 32 bits.
int ExportCountAnswer(std::string_view answer, int drawCount);

// Texts of the export.
std::string ExportCaption(Lang lang);
std::string ExportPrompt(Lang lang, int drawCount);
std::string ExportDoneMessage(Lang lang, const std::string& folder);
// Told after Cancel: how many pictures were written before it.
std::string ExportCancelledMessage(Lang lang, int written, const std::string& folder);
std::string ExportCancelText(Lang lang);
// A picture that could not be written: its file and why.
std::string ExportSaveFailedMessage(Lang lang, const std::string& path, const std::string& reason);

} // namespace core
