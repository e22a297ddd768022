#include "core/BiText.h"
#include "core/DrawFile.h"
#include "core/DrawUpdate.h"
#include "core/FileChecks.h"

#include <gtest/gtest.h>

using namespace core;

TEST(BilingualMessages, EveryFileAndUpdateMessageInBothLanguages) {
    const struct {
        std::string (*make)(Lang);
        BiText want;
    } cases[] = {
        {[](Lang l) { return FileRefusalMessage(FileRefusal::NotRegularFile, "/d/a", 42, l); },
         {"\"/d/a\" - не обычный файл; он не прочитан",
          "\"/d/a\" is not a regular file; it was not read"}},
        {[](Lang l) { return FileRefusalMessage(FileRefusal::TooLarge, "/d/a", 42, l); },
         {"Файл \"/d/a\" слишком велик (больше 42 байт); он не прочитан",
          "The file \"/d/a\" is too large (more than 42 bytes); it was not read"}},
        {[](Lang l) { return FileRefusalMessage(FileRefusal::OutOfMemory, "/d/a", 42, l); },
         {"Недостаточно памяти для чтения файла \"/d/a\"",
          "Not enough memory to read the file \"/d/a\""}},
        {[](Lang l) {
             return LoadMessage({.incorrectLines = {3, 9}, .leftOut = 7, .labels = {}}, l);
         },
         {"Ошибка в строках: 3 9 \r\n\r\nЗагружены последние 10000 тиражей; более старые "
          "строки не загружены: 7",
          "Error - incorrect lines: 3 9 \r\n\r\nOnly the newest 10000 draws were loaded; older "
          "lines left out: 7"}},
        {[](Lang l) { return BackupFailedMessage("6x45.txt", l); },
         {"Не удалось сохранить копию файла 6x45.txt; файл не обновлён",
          "The old 6x45.txt could not be kept as a backup; the file was not updated"}},
        {[](Lang l) { return SaveFailedMessage("6x45.txt", l); },
         {"Не удалось записать файл 6x45.txt; файл не обновлён",
          "The file 6x45.txt could not be written; the file was not updated"}},
    };
    for (const auto& c : cases)
        for (const Lang lang : {Lang::Russian, Lang::English})
            EXPECT_EQ(c.make(lang), c.want(lang));
}
