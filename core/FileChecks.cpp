#include "core/FileChecks.h"

namespace core {

std::string FileRefusalMessage(FileRefusal why, const std::string& path, std::int64_t limit,
                               Lang lang) {
    const bool ru = lang == Lang::Russian;
    switch (why) {
    case FileRefusal::NotRegularFile:
        return ru ? "\"" + path + "\" - не обычный файл; он не прочитан"
                  : "\"" + path + "\" is not a regular file; it was not read";
    case FileRefusal::TooLarge:
        return ru ? "Файл \"" + path + "\" слишком велик (больше " + std::to_string(limit) +
                        " байт); он не прочитан"
                  : "The file \"" + path + "\" is too large (more than " + std::to_string(limit) +
                        " bytes); it was not read";
    case FileRefusal::OutOfMemory:
        return ru ? "Недостаточно памяти для чтения файла \"" + path + "\""
                  : "Not enough memory to read the file \"" + path + "\"";
    }
    return {};
}

} // namespace core
