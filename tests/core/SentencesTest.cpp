#include "core/DrawLists.h"
#include "core/Sentence.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>
#include <vector>

using namespace core;

// nullptr: a place without a value or a value without a place, a fault in the program.
TEST(FillForm, PutsEachValueAtItsPlaceOnceOrRefuses) {
    const struct {
        const char* form;
        std::vector<std::string_view> values;
        const char* want;
    } cases[] = {
        {"no place", {}, "no place"},
        {"Draws in %1: %2", {"6x45.txt", "12"}, "Draws in 6x45.txt: 12"},
        // A translation may put the values in another order, or one of them twice.
        {"%2 of %1, %2", {"a", "b"}, "b of a, b"},
        // A percent sign before anything but a place number stays.
        {"50% = %1, %0 %", {"x"}, "50% = x, %0 %"},
        // A value is never read as a form.
        {"File %1 saved", {"%1%2.txt"}, "File %1%2.txt saved"},
        {"%1 %3", {"a", "b"}, nullptr},
        {"%2", {"a", "b"}, nullptr},
    };
    for (const auto& c : cases) {
        if (c.want)
            EXPECT_EQ(FillForm(c.form, c.values), c.want) << c.form;
        else
            EXPECT_THROW(FillForm(c.form, c.values), std::invalid_argument) << c.form;
    }
}

// A sentence whose languages hold different places is not a constant, so it does not compile.
static_assert(SamePlaces("%2 из %1", "%1 of %2"));
static_assert(!SamePlaces("Тиражей: %1", "Draws"));
static_assert(!SamePlaces("%2", "%2")); // %1 left out
static_assert(FormPlaces("%1 (%3%) 50% %") == 0b101);

TEST(Sentence, WritesWholeNumbersAndTextsInTheChosenLanguage) {
    constexpr Sentence s{"Файл %1: %2 тиражей", "File %1: %2 draws"};
    EXPECT_EQ(s(Lang::Russian, "a.txt", 12), "Файл a.txt: 12 тиражей");
    EXPECT_EQ(s(Lang::English, std::string("a.txt"), -3LL), "File a.txt: -3 draws");
    // Texts no command test pins.
    EXPECT_EQ(ExportSaveFailedMessage(Lang::Russian, "/d/1.bmp", ""),
              "Не удалось сохранить файл /d/1.bmp");
    EXPECT_EQ(ExportSaveFailedMessage(Lang::English, "/d/1.bmp", ""),
              "Could not save file /d/1.bmp");
    EXPECT_EQ(ExportDoneMessage(Lang::Russian, "/d"), "bmp файлы были созданы в директории /d");
}
