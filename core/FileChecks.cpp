#include "core/FileChecks.h"

#include "core/BiText.h"

namespace core {

std::string FileRefusalMessage(FileRefusal why, const std::string& path, std::int64_t limit,
                               Lang lang) {
    switch (why) {
    case FileRefusal::NotRegularFile:
        return "\"" + path +
               BiText{"\" - не обычный файл; он не прочитан",
                      "\" is not a regular file; it was not read"}(lang);
    case FileRefusal::TooLarge:
        return BiText{"Файл \"", "The file \""}(lang) + path +
               BiText{"\" слишком велик (больше ", "\" is too large (more than "}(lang) +
               std::to_string(limit) +
               BiText{" байт); он не прочитан", " bytes); it was not read"}(lang);
    case FileRefusal::OutOfMemory:
        return BiText{"Недостаточно памяти для чтения файла \"",
                      "Not enough memory to read the file \""}(lang) +
               path + "\"";
    }
    return {};
}

} // namespace core
