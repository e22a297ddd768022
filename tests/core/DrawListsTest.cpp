#include "core/DrawLists.h"

#include "core/NumberRoutines.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(DrawLists, DrawListBothWays) {
    core::DrawStore store;
    store.PutDraw({1, 2, 3, 4, 5, 6}, 0);
    store.PutDraw({10, 20, 30, 40, 44, 45}, 1);
    store.DrawCount = 2;
    EXPECT_EQ(core::DrawListLines(store, core::Game6x45, false),
              (std::vector<std::string>{"01 02 03 04 05 06", "10 20 30 40 44 45"}));
    EXPECT_EQ(core::DrawListLines(store, core::Game6x45, true),
              (std::vector<std::string>{"10 20 30 40 44 45", "01 02 03 04 05 06"}));
    EXPECT_EQ(core::DrawListLines(store, core::Game5x36, false)[0], "01 02 03 04 05");
    EXPECT_TRUE(core::DrawListLines(core::DrawStore{}, core::Game6x45, false).empty());
}

TEST(DrawLists, BinaryRecords) {
    struct Case {
        std::string bytes;
        int perDraw;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {std::string("\x01\x02\x03\x04\x05\x06\x0a\x14\x1e\x28\x2c\x2d", 12),
         6,
         {"01 02 03 04 05 06", "10 20 30 40 44 45"}},
        {"", 6, {}},
        {std::string("\x01\x02\x03\x04\x05\x06\x07", 7), 6, {"01 02 03 04 05 06", "07"}},
        {std::string("\x00\xff\x64\x09\x0a", 5), 5, {"00 255 100 09 10"}},
        {std::string("\x01\x02\x03\x04\x05\x06\x07", 7), 5, {"01 02 03 04 05", "06 07"}},
    };
    for (const auto& c : cases) EXPECT_EQ(core::BinaryDrawLines(c.bytes, c.perDraw), c.lines);
}

TEST(DrawLists, ListFileNameAppendsTxtUnlessItIsThere) {
    struct Case {
        const char* chosen;
        const char* name;
    };
    const Case cases[] = {
        {"/d/list", "/d/list.txt"},         {"/d/x.TXT", "/d/x.TXT"},
        {"/d/x.txt", "/d/x.txt"},           {"/d/x.csv", "/d/x.csv.txt"},
        {"/d.txt/list", "/d.txt/list.txt"}, {"/d/x.txt.bak", "/d/x.txt.bak.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(core::ListFileName(c.chosen), c.name) << c.chosen;
}

TEST(DrawLists, UniqueFileNameAddsTheFirstFreeNumber) {
    std::set<std::string> files;
    auto exists = [&](const std::string& p) { return files.count(p) > 0; };
    EXPECT_EQ(core::UniqueFileName("/p/merged.bmp", exists), "/p/merged.bmp");
    files = {"/p/merged.bmp"};
    EXPECT_EQ(core::UniqueFileName("/p/merged.bmp", exists), "/p/merged[0].bmp");
    files = {"/p/merged.bmp", "/p/merged[0].bmp", "/p/merged[1].bmp"};
    EXPECT_EQ(core::UniqueFileName("/p/merged.bmp", exists), "/p/merged[2].bmp");
    // The base runs to the name's first dot; dots in the folder don't count.
    files = {"/a.b/118.x.bmp"};
    EXPECT_EQ(core::UniqueFileName("/a.b/118.x.bmp", exists), "/a.b/118[0].bmp");
    files = {"/p/noext"};
    EXPECT_EQ(core::UniqueFileName("/p/noext", exists), "/p/noext[0]");
}

TEST(DrawLists, ExportCountAnswer) {
    struct Case {
        const char* answer;
        int draws, expected;
    };
    const Case cases[] = {
        {"", 120, 20},   {"12", 120, 12}, {"1 2", 120, 12},  {"500", 120, 20},
        {"x3y", 120, 3}, {"0", 120, 1},   {"120", 120, 120}, {"", 5, 5},
        {"3", 5, 3},     {"7", 5, 5},     {"", 0, 0},        {"5", 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::ExportCountAnswer(c.answer, c.draws), c.expected)
            << c.answer << " of " << c.draws;
    EXPECT_THROW(core::ExportCountAnswer("99999999999", 120), core::ConversionError);
}

TEST(DrawLists, ExportTexts) {
    EXPECT_EQ(core::ExportCaption(core::Lang::English), "Charts in last draws");
    EXPECT_EQ(core::ExportPrompt(core::Lang::English, 120), "Enter number of last draws 1..120");
    EXPECT_EQ(core::ExportPrompt(core::Lang::Russian, 7), "Введите число тиражей 1..7");
    EXPECT_EQ(core::ExportDoneMessage(core::Lang::English, "/p"),
              "bmp files has been created in directory /p");
}

} // namespace
