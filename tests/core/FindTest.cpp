#include "core/Edition.h"
#include "core/Find.h"

#include "core/DrawFile.h"
#include "core/NumberRoutines.h"

#include <gtest/gtest.h>

using namespace core;

TEST(Find, ListsTheQueryNumbersOfEveryDraw) {
    DrawStore store;
    std::vector<std::string> lines(120, "1 2 3 4 6 7");
    lines[0] = "5 17 20 31 40 44";
    LoadDrawLines(lines, Edition6x45.drawFile, store);
    const auto source = FindSource(store, CleanFindText("5 17 17"), 6);
    const auto found = source->Lines();
    ASSERT_EQ(found.size(), 120u);
    std::size_t bytes = 0;
    for (const auto& l : found) bytes += l.size();
    EXPECT_EQ(source->TextBytes(), bytes); // the sizes a view scrolls by agree with the lines
    EXPECT_EQ(found[0], "120:3 -->  5 17 17");
    EXPECT_EQ(found[1], "119:0");
    EXPECT_EQ(found[119], "1:0");
}

TEST(Find, EmptyQueryAndRepeatedNumbers) {
    DrawStore store;
    LoadDrawLines({"5 17 20 31 40 44", "1 2 3 4 5 6"}, Edition6x45.drawFile, store);
    EXPECT_EQ(FindSource(store, "", 6)->Lines(), (std::vector<std::string>{"2:0", "1:0"}));
    EXPECT_EQ(FindSource(store, "5 5", 6)->Line(0), "2:2 -->  5 5");
}

TEST(Find, CleansTheEditText) {
    EXPECT_EQ(CleanFindText("5,17;;  x20"), "5 17 20");
    EXPECT_EQ(CleanFindText("  1"), " 1");
    EXPECT_THROW(FindSource(DrawStore{}, "99999999999", 6), ConversionError);
}

TEST(Find, Captions) {
    EXPECT_EQ(FindCaption(Lang::English), "Draws where selected numbers were found");
    EXPECT_EQ(FindCaption(Lang::Russian), "Поиск номеров в предыдущих тиражах");
}

TEST(Find, FiveNumberDrawsNeverLookAtTheSixthPlace) {
    DrawStore store;
    LoadDrawLines({"7 01.01.2000 1 2 3 4 5"}, Edition5x36.drawFile, store);
    store.PutDraw(Draw{1, 2, 3, 4, 5, 9}, 0);
    EXPECT_EQ(FindSource(store, "9 5", 5)->Lines(), (std::vector<std::string>{"1:1 -->  5"}));
}
