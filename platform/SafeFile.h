#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Every file the programs write is their user's alone: a settings file holds a password, and a
// list or a draw file is nobody else's business either.
inline constexpr unsigned kWrittenFileMode = 0600;

// A new file beside path under a fresh unique name (path + ".tmp-" + six characters), created
// exclusively with the permission bits given (less the umask) and never through a link.
struct TempFile {
    int fd = -1;
    std::string name;
};
std::optional<TempFile> CreateTempBeside(const std::string& path, unsigned mode);

// Removes what CreateTempBeside left beside path when a run ended before putting it in place.
void RemoveStaleTemps(const std::string& path);

// Renames a file unless the new name is taken; an existing file is never replaced.
bool RenameNoReplace(const std::string& from, const std::string& to);

// Writes bytes to a fresh temporary file (kWrittenFileMode) in the folder of path and flushes it
// to disk; its name, or nothing when it could not be written completely (then nothing is left
// behind, and errno tells why).
std::optional<std::string> WriteTempBeside(const std::string& path, std::string_view bytes);

// Gives the file at path a second name (a hard link, or else a copy), which must not exist yet
// in any form; the file keeps its place.
bool KeepCopy(const std::string& path, const std::string& copyName);

// Whether any directory entry has the name: a file, a folder, a link that leads nowhere.
bool NameTaken(const std::string& path);

// Puts a file in place of another in one step.
bool ReplaceFile(const std::string& from, const std::string& to);

void RemoveFile(const std::string& path);

} // namespace platform
