#pragma once

#include <optional>
#include <string>

namespace platform {

// Renames a file unless the new name is taken; an existing file is never replaced.
bool RenameNoReplace(const std::string& from, const std::string& to);

// Writes bytes to a fresh temporary file in the folder of path and flushes it to disk; its name,
// or nothing when it could not be written completely (then nothing is left behind).
std::optional<std::string> WriteTempBeside(const std::string& path, const std::string& bytes);

// Puts a file in place of another in one step.
bool ReplaceFile(const std::string& from, const std::string& to);

void RemoveFile(const std::string& path);

} // namespace platform
