#pragma once

#include "core/FileChecks.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// A file that could not be read or written; the message names it.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    FileError(const std::string& message, std::string reason)
        : std::runtime_error(message), reason_(std::move(reason)) {}
    // Why, as the system said it; empty when the message is all there is.
    const std::string& Reason() const { return reason_; }

private:
    std::string reason_;
};

// Lines as the string list reads them: CR LF, LF or CR end a line, a missing final line end
// is allowed, and a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The string list's text: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines, bool finalLineEnd = true);

// A file that was not read because of what it is (a FIFO, a device, far too large) or because
// the memory ran out; the caller words the message.
class FileRefused : public FileError {
public:
    FileRefused(core::FileRefusal why, std::int64_t limit)
        : FileError("file refused"), why_(why), limit_(limit) {}
    core::FileRefusal Why() const { return why_; }
    std::int64_t Limit() const { return limit_; }

private:
    core::FileRefusal why_;
    std::int64_t limit_;
};

// The whole of a regular file of at most maxBytes; anything else is refused without waiting
// (a FIFO without a writer is never opened for blocking reads).
std::string ReadFileBytes(const std::string& path, std::int64_t maxBytes = core::MaxDrawFileBytes);
std::vector<std::string> ReadTextLines(const std::string& path,
                                       std::int64_t maxBytes = core::MaxDrawFileBytes);

// Writes a temporary file beside path and then puts it in place, so an interrupted write never
// leaves a truncated file. The temporary file gets a unique name and is created exclusively
// (kWrittenFileMode), never through a planted link. Every file the programs write goes here or
// through WriteTempBeside.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);

// Code page 1251 <-> UTF-8, for the files kept in that code page (settings, saved lists).
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page cannot hold become '?'; lossy is set when that happened.
std::string Utf8ToCp1251(std::string_view text, bool* lossy = nullptr);

} // namespace platform
