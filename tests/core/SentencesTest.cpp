#include "core/DrawFile.h"
#include "core/DrawLists.h"
#include "core/DrawUpdate.h"
#include "core/Edition.h"
#include "core/FileChecks.h"
#include "core/FilterCommands.h"
#include "core/FrequencyCommands.h"
#include "core/Groups.h"
#include "core/NumberRoutines.h"
#include "core/PairCommands.h"
#include "core/Sentence.h"
#include "core/StrategyCommands.h"
#include "core/ZoneCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

using namespace core;

namespace {

using Values = std::vector<std::string_view>;

TEST(FillForm, PutsEachValueAtItsPlaceOnce) {
    const struct {
        const char* form;
        Values values;
        const char* want;
    } cases[] = {
        {"no place", {}, "no place"},
        {"%1", {"x"}, "x"},
        {"Draws in %1: %2", {"6x45.txt", "12"}, "Draws in 6x45.txt: 12"},
        // A translation may put the values in another order, or one of them twice.
        {"%2 of %1, %2", {"a", "b"}, "b of a, b"},
        {"%1%2", {"1", "2"}, "12"},
        // A percent sign before anything but a place number stays.
        {"%1 (%2%)  ", {"7", "33.33"}, "7 (33.33%)  "},
        {"50% = %1, %0 %", {"x"}, "50% = x, %0 %"},
        // A value is never read as a form.
        {"File %1 saved", {"%1%2.txt"}, "File %1%2.txt saved"},
    };
    for (const auto& c : cases) EXPECT_EQ(FillForm(c.form, c.values), c.want) << c.form;
}

TEST(FillForm, RefusesAPlaceWithoutAValueAndAValueWithoutAPlace) {
    const struct {
        const char* form;
        Values values;
    } cases[] = {
        {"%1", {}}, {"%1 %3", {"a", "b"}}, {"%2", {"a", "b"}}, {"none", {"a"}}, {"%1", {"a", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_THROW(FillForm(c.form, c.values), std::invalid_argument) << c.form;
}

// A sentence whose languages hold different places is not a constant, so it does not compile.
static_assert(SamePlaces("Тиражей: %1", "Draws: %1"));
static_assert(SamePlaces("%2 из %1", "%1 of %2"));
static_assert(SamePlaces("Нет", "None"));
static_assert(!SamePlaces("Тиражей: %1", "Draws"));
static_assert(!SamePlaces("%1 %2", "%1"));
static_assert(!SamePlaces("%2", "%2")); // %1 left out
static_assert(FormPlaces("%1 (%3%) 50% %") == 0b101);

TEST(Sentence, WritesWholeNumbersAndTextsInTheChosenLanguage) {
    constexpr Sentence s{"Файл %1: %2 тиражей", "File %1: %2 draws"};
    EXPECT_EQ(s(Lang::Russian, "a.txt", 12), "Файл a.txt: 12 тиражей");
    EXPECT_EQ(s(Lang::English, std::string("a.txt"), -3LL), "File a.txt: -3 draws");
    EXPECT_THROW(s(Lang::English, "a.txt"), std::invalid_argument);
}

DrawStore Store(const Game& game) {
    if (game.perDraw == 6)
        return testing_support::StoreOf(
            {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {10, 11, 12, 13, 14, 15}});
    return testing_support::StoreOf({{1, 2, 3, 4, 5}, {1, 2, 3, 7, 8}, {10, 11, 12, 13, 14}});
}

// Every sentence with values the programs show, in both languages, as they show it.
struct Shown {
    const char* what;
    std::function<std::string(Lang)> make;
    const char* russian;
    const char* english;
};

std::vector<Shown> SentenceTable() {
    const Edition& six = Edition6x45;
    const Edition& five = Edition5x36;
    const DrawStore s6 = Store(six.game), s5 = Store(five.game);
    return {
        {"last-N prompt", [](Lang l) { return LastNPrompt(42, l); },
         "Введите число последних тиражей [1..42]", "Enter number of last draws 1..42"},
        {"frequency prompt 6x45", [&](Lang l) { return FrequencyPrompt(six, 42, l).prompt; },
         "Введите число последних тиражей [1..42]", "Enter number of last draws 1..42"},
        {"frequency prompt 5x36", [&](Lang l) { return FrequencyPrompt(five, 42, l).prompt; },
         "Введите число последних тиражей, 1..42", "Enter number of last draws 1..42"},
        {"statistics 6x45", [=](Lang l) { return StatisticsCommand(s6, six, 2, l).caption; },
         "Стстистика: Самые частовыпадающие номера в последних 2 games",
         "Statistics - Most Frequently Numbers for last 2 games"},
        {"statistics 5x36", [=](Lang l) { return StatisticsCommand(s5, five, 2, l).caption; },
         "Статистика: Самые частовыпадающие номера в последних 2 тиражах",
         "Statistics - Most Frequently Numbers for last 2 games"},
        {"delta", [=](Lang l) { return DeltaCommand(s6, six, 3, l).caption; },
         "Статистика: Дельта - промежутки в последних 3 тиражах",
         "Statistics - Delta Spans for last 3 games"},
        {"average 6x45", [=](Lang l) { return AverageCommand(s6, six, 3, l).caption; },
         "Среднее значение выпавших номеров для 1..6 позиции в последних 3 тиражах",
         "Average numbers for 1..6 positions of last 3 draws"},
        {"average 5x36", [=](Lang l) { return AverageCommand(s5, five, 2, l).caption; },
         "Среднее значение выпавших номеров для 1..5 позиции в последних 2 тиражах",
         "Average numbers for 1..5 positions of last 2 draws"},
        {"frequency 6x45", [=](Lang l) { return FrequencyCommand(s6, six, 3, l).caption; },
         "Число выпадений в последних 3 тиражах - Как часто выпадал каждый шар",
         "Amount of number appearance in last 3 draws - How often each number has occurred"},
        {"frequency 5x36", [=](Lang l) { return FrequencyCommand(s5, five, 3, l).caption; },
         "Частота появления номеров в последних 3 тиражах - Как часто выпадал каждый номер",
         "Amount of number appearance in last 3 draws - How often each number has occurred"},
        {"frequency average", [=](Lang l) { return FrequencyCommand(s5, five, 3, l).lines.back(); },
         "Среднее: 0.42", "Average: 0.42"},
        {"positions", [=](Lang l) { return FreqA1A6Command(s5, five, 3, l).caption; },
         "Число выпадений в последних 3 тиражах - Как часто выпадал каждый шар позиционно,  "
         "A1..A6",
         "Amount of number appearance in last 3 draws - How often each number has occurred by "
         "positions A1..A6"},
        {"position 6x45", [=](Lang l) { return FreqA1A6Command(s6, six, 3, l).lines[1]; },
         "Number/Occurence for position A1:", "Number/Occurence for position A1:"},
        {"position 5x36", [=](Lang l) { return FreqA1A6Command(s5, five, 3, l).lines[5]; },
         "Номер/Частота появления на позиции A2:", "Number/Occurence for position A2:"},
        {"numbers prompt", [](Lang l) { return NumbersPrompt(42, l).prompt; },
         "Введите число последних тиражей, 1..42", "Enter number of last draws, 1..42"},
        {"numbers heading 6x45", [=](Lang l) { return Numbers(s6, six, 3, l).lines[5]; },
         "Number 2:", "Number 2:"},
        {"numbers heading 5x36", [=](Lang l) { return Numbers(s5, five, 3, l).lines[5]; },
         "Номер 2:", "Number 2:"},
        {"pairs 6x45", [=](Lang l) { return Numbers(s6, six, 3, l).lines[3]; },
         "Pairs total: 10   Hits: 2 (66.67%)  ", "Pairs total: 10   Hits: 2 (66.67%)  "},
        {"pairs 5x36", [=](Lang l) { return Numbers(s5, five, 3, l).lines[3]; },
         "Пар всего: 8  Выпадений: 2 (66.67%)  ", "Pairs total: 8   Hits: 2 (66.67%)  "},
        {"pairs chart", [=](Lang l) { return Numbers(s6, six, 2, l).charts[0].caption; },
         "Статистика пар чисел за 2 последних тиража", "Pairs Statistics in last 2 draws"},
        {"duples", [=](Lang l) { return StatsDuples(s6, six.game, 4, l).caption; },
         "Статистика дублей для 4 и более повторений",
         "Statistics of duples for 4 and more numbers"},
        {"update done", [](Lang l) { return UpdateSuccessMessage("6x45.txt", 1500, l); },
         "Файл с данными 6x45.txt был успешно обновлён\r\n\r\nТиражей: 1500",
         "File 6x45.txt has been updated successfully\r\n\r\nDraws: 1500"},
        {"backup failed", [](Lang l) { return BackupFailedMessage("6x45.txt", l); },
         "Не удалось сохранить копию файла 6x45.txt; файл не обновлён",
         "The old 6x45.txt could not be kept as a backup; the file was not updated"},
        {"shrink", [](Lang l) { return ShrinkQuestion("5x36.txt", 1500, 20, l); },
         "Тиражей в файле 5x36.txt: 1500, в загруженном: 20. Заменить файл?",
         "Draws in 5x36.txt: 1500, in the download: 20. Replace the file?"},
        {"save failed", [](Lang l) { return SaveFailedMessage("6x45.txt", l); },
         "Не удалось записать файл 6x45.txt; файл не обновлён",
         "The file 6x45.txt could not be written; the file was not updated"},
        {"zones", [=](Lang l) { return Zones(s6, six, 3, l).caption; }, "Числа в 3 зонах",
         "Numbers in 3 zones"},
        {"groups", [=](Lang l) { return Groups(s5, five.game, 4, l).caption; }, "Числа в 4 группах",
         "Numbers in 4 groups"},
        {"separation prompt", [](Lang l) { return SeparationPrompt(42, l).prompt; },
         "Введите номер тиража, 1..42", "Enter number of draw, 1..42"},
        {"separation range", [](Lang l) { return SeparationRangeMessage(42, l); },
         "Номер тиража должен быть от 1 до 42", "The draw number must be 1..42"},
        {"separation", [=](Lang l) { return Separation(s6, six.game, 2, l)->caption; },
         "Расчёт начиная с тиража 2", "Starting from draw number 2"},
        {"load",
         [](Lang l) {
             std::vector<int> lines(MaxListedLines + 3);
             for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = static_cast<int>(i) + 1;
             return LoadMessage({.incorrectLines = lines, .leftOut = 2, .labels = {}}, l);
         },
         "Ошибка в строках: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 … и ещё 3\r\n\r\n"
         "Загружены последние 10000 тиражей; более старые строки не загружены: 2",
         "Error - incorrect lines: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 … and 3 "
         "more\r\n\r\nOnly the newest 10000 draws were loaded; older lines left out: 2"},
        {"export prompt", [](Lang l) { return ExportPrompt(l, 42); }, "Введите число тиражей 1..42",
         "Enter number of last draws 1..42"},
        {"export failed", [](Lang l) { return ExportSaveFailedMessage(l, "/d/1.bmp", ""); },
         "Не удалось сохранить файл /d/1.bmp", "Could not save file /d/1.bmp"},
        {"export failed why",
         [](Lang l) { return ExportSaveFailedMessage(l, "/d/1.bmp", "No space"); },
         "Не удалось сохранить файл /d/1.bmp: No space", "Could not save file /d/1.bmp: No space"},
        {"export done", [](Lang l) { return ExportDoneMessage(l, "/d"); },
         "bmp файлы были созданы в директории /d", "bmp files has been created in directory /d"},
        {"not a file",
         [](Lang l) { return FileRefusalMessage(FileRefusal::NotRegularFile, "/d", 9, l); },
         "\"/d\" - не обычный файл; он не прочитан",
         "\"/d\" is not a regular file; it was not read"},
        {"too large", [](Lang l) { return FileRefusalMessage(FileRefusal::TooLarge, "/d", 9, l); },
         "Файл \"/d\" слишком велик (больше 9 байт); он не прочитан",
         "The file \"/d\" is too large (more than 9 bytes); it was not read"},
        {"no memory",
         [](Lang l) { return FileRefusalMessage(FileRefusal::OutOfMemory, "/d", 9, l); },
         "Недостаточно памяти для чтения файла \"/d\"",
         "Not enough memory to read the file \"/d\""},
        {"skip prompt 6x45", [&](Lang l) { return SkipStrategyPrompt(42, six, l).prompt; },
         "Введите число последних розыгрышей [1..42]", "Enter number of last draws 1..42"},
        {"skip prompt 5x36", [&](Lang l) { return SkipStrategyPrompt(42, five, l).prompt; },
         "Введите число последних тиражей, 1..42", "Enter number of last draws 1..42"},
        {"skip heading 6x45", [=](Lang l) { return SkipStrategy(s6, six, 3, l).lines[0]; },
         "Number 1:", "Number 1:"},
        {"skip heading 5x36", [=](Lang l) { return SkipStrategy(s5, five, 3, l).lines[0]; },
         "Номер 1:", "Number 1:"},
        {"skip figures 6x45", [=](Lang l) { return SkipStrategy(s6, six, 3, l).lines[4]; },
         "Skip Median: -1        Summary: 0        Average: 0.00",
         "Skip Median: -1        Summary: 0        Average: 0.00"},
        {"skip figures 5x36", [=](Lang l) { return SkipStrategy(s5, five, 3, l).lines[4]; },
         "Медиана пропусков: -1        Сумма всех пропусков: 0        Среднее значение: 0.00",
         "Skip Median: -1        Summary: 0        Average: 0.00"},
        {"skip", [=](Lang l) { return SkipStrategy(s6, six, 3, l).caption; },
         "Стратегия пропусков в последних 3 тиражах", "Skip strategy in last 3 draws"},
        {"frequency strategy", [=](Lang l) { return FrequencyStrategy(s6, six, 3, l).caption; },
         "Стратегия, основанная на частоте выпадений в 3 предыдущих тиражах",
         "Lottery Strategy, Systems Based On Number Frequency of 3 previous draws"},
        {"analyse prompt", [](Lang l) { return FreqAnalysePrompt(42, l).prompt; },
         "Введите число полседних тиражей, 1..42", "Enter number of last draws 1..42"},
        {"analyse heading", [=](Lang l) { return FreqAnalyse(s6, six.game, 3, l).lines[2]; },
         "Номер 1:", "Number 1:"},
        {"analyse", [=](Lang l) { return FreqAnalyse(s6, six.game, 3, l).caption; },
         "Частотный анализ в последних 3 тиражах", "Frequency Analyse in last 3 draws"},
    };
}

TEST(Sentences, EveryOneInBothLanguagesAsTheProgramsShowIt) {
    for (const Shown& s : SentenceTable()) {
        EXPECT_EQ(s.make(Lang::Russian), s.russian) << s.what;
        EXPECT_EQ(s.make(Lang::English), s.english) << s.what;
    }
}

} // namespace
