#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A file that could not be read or written; the message names it.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lines as the string list reads them: CR LF, LF or CR end a line, a missing final line end
// is allowed, and a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The string list's text: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines, bool finalLineEnd = true);

std::string ReadFileBytes(const std::string& path);
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes a temporary file beside path and then puts it in place, so an interrupted write never
// leaves a truncated file. mode: the permission bits of a newly made file.
void WriteFileAtomic(const std::string& path, std::string_view bytes, unsigned mode = 0644);

bool FileExists(const std::string& path);

// Code page 1251 <-> UTF-8, for the files that the original kept in that code page.
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page cannot hold become '?'; lossy is set when that happened.
std::string Utf8ToCp1251(std::string_view text, bool* lossy = nullptr);

} // namespace platform
