#include "core/FileChecks.h"

#include "core/Sentence.h"

namespace core {

std::string FileRefusalMessage(FileRefusal why, const std::string& path, std::int64_t limit,
                               Lang lang) {
    switch (why) {
    case FileRefusal::NotRegularFile:
        return Sentence{"\"%1\" - не обычный файл; он не прочитан",
                        "\"%1\" is not a regular file; it was not read"}(lang, path);
    case FileRefusal::TooLarge:
        return Sentence{"Файл \"%1\" слишком велик (больше %2 байт); он не прочитан",
                        "The file \"%1\" is too large (more than %2 bytes); it was not read"}(
            lang, path, limit);
    case FileRefusal::OutOfMemory:
        return Sentence{"Недостаточно памяти для чтения файла \"%1\"",
                        "Not enough memory to read the file \"%1\""}(lang, path);
    }
    return {};
}

} // namespace core
