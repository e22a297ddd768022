#pragma once

#include "core/Lang.h"

#include <cstdint>
#include <string>

namespace core {

// Why a file is not read at all: reading a FIFO or a device would block or never end, and a
// file far beyond what the program can hold would only exhaust the memory.
enum class FileRefusal { NotRegularFile, TooLarge, OutOfMemory };

// Plausible sizes: a 10,000-draw file is about 200 KB; its binary form 60 KB, and reading one
// lists every record in the text window.
inline constexpr std::int64_t MaxDrawFileBytes = 16 << 20;
inline constexpr std::int64_t MaxBinaryDrawFileBytes = 256 << 10;
inline constexpr std::int64_t MaxSettingsFileBytes = 64 << 10;

std::string FileRefusalMessage(FileRefusal why, const std::string& path, std::int64_t limit,
                               Lang lang);

} // namespace core
