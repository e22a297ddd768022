#include "core/DrawFile.h"
#include "core/DrawUpdate.h"
#include "core/FileChecks.h"

#include <gtest/gtest.h>

using namespace core;

TEST(FileRefusalMessage, EveryReasonInBothLanguages) {
    const struct {
        FileRefusal why;
        Lang lang;
        const char* text;
    } cases[] = {
        {FileRefusal::NotRegularFile, Lang::English,
         "\"/d/a\" is not a regular file; it was not read"},
        {FileRefusal::NotRegularFile, Lang::Russian, "\"/d/a\" - не обычный файл; он не прочитан"},
        {FileRefusal::TooLarge, Lang::English,
         "The file \"/d/a\" is too large (more than 42 bytes); it was not read"},
        {FileRefusal::TooLarge, Lang::Russian,
         "Файл \"/d/a\" слишком велик (больше 42 байт); он не прочитан"},
        {FileRefusal::OutOfMemory, Lang::English, "Not enough memory to read the file \"/d/a\""},
        {FileRefusal::OutOfMemory, Lang::Russian, "Недостаточно памяти для чтения файла \"/d/a\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileRefusalMessage(c.why, "/d/a", 42, c.lang), c.text) << int(c.why);
}

TEST(LoadMessage, BadLinesAndLinesLeftOutInBothLanguages) {
    LoadReport report;
    report.incorrectLines = {3, 9};
    report.leftOut = 7;
    EXPECT_EQ(LoadMessage(report, Lang::English),
              "Error - incorrect lines: 3 9 \r\n\r\nOnly the newest 10000 draws were loaded; older "
              "lines left out: 7");
    EXPECT_EQ(LoadMessage(report, Lang::Russian),
              "Ошибка в строках: 3 9 \r\n\r\nЗагружены последние 10000 тиражей; более старые "
              "строки не загружены: 7");
}

TEST(UpdateMessages, AFileThatCouldNotBeKeptOrWrittenInBothLanguages) {
    EXPECT_EQ(BackupFailedMessage("6x45.txt", Lang::English),
              "The old 6x45.txt could not be kept as a backup; the file was not updated");
    EXPECT_EQ(BackupFailedMessage("6x45.txt", Lang::Russian),
              "Не удалось сохранить копию файла 6x45.txt; файл не обновлён");
    EXPECT_EQ(SaveFailedMessage("6x45.txt", Lang::English),
              "The file 6x45.txt could not be written; the file was not updated");
    EXPECT_EQ(SaveFailedMessage("6x45.txt", Lang::Russian),
              "Не удалось записать файл 6x45.txt; файл не обновлён");
}
