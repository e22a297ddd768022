#include "core/DrawFile.h"

#include <gtest/gtest.h>

using namespace core;

TEST(IsDrawLine, AcceptsSixNumbersOfDigitsAndBlanks) {
    struct Case {
        const char* line;
        bool valid;
    };
    for (const auto& c :
         {Case{"1 2 3 4 5 6", true}, Case{"  05 11  17 25   38 44  ", true},
          Case{"05,11,17,25,38,44", false}, Case{"1 2 3 4 5", false}, Case{"1 2 3 4 5 6 7", false},
          Case{"1 2 3\t4 5 6", false}, Case{"", false}, Case{"   ", false},
          Case{"1 2 3 4 5 -6", false}, Case{"1 2 3 4 5 6.", false}})
        EXPECT_EQ(IsDrawLine(c.line), c.valid) << "'" << c.line << "'";
}

TEST(IsValidDrawLine, RefusesNumbersOutOfRangeOrRepeated) {
    struct Case {
        const char* line;
        bool valid;
    };
    for (const auto& c :
         {Case{"1 2 3 4 5 45", true}, Case{"0 2 3 4 5 6", false}, Case{"1 2 3 4 5 46", false},
          Case{"1 2 3 4 5 301", false}, Case{"1 2 3 4 5 5", false},
          Case{"1 2 3 4 5 99999999999999", false}, Case{"001 2 3 4 5 6", true}})
        EXPECT_EQ(IsValidDrawLine(c.line, Game6x45), c.valid) << "'" << c.line << "'";
}

TEST(LoadDrawLines, ThreeLineExampleRowByRow) {
    DrawStore store;
    const auto report =
        LoadDrawLines({"1 2 3 4 5 6", "4 5 6 7 8 9", "40 1 33 2 45 12"}, Game6x45, store);
    EXPECT_EQ(report.loaded, 3);
    EXPECT_TRUE(report.incorrectLines.empty());
    EXPECT_EQ(store.DrawCount, 3);
    EXPECT_EQ(store[2], (Draw{1, 2, 12, 33, 40, 45}));

    const auto row1 = MainGridRow(store, 0);
    EXPECT_EQ(row1[0], "3");
    EXPECT_EQ(row1[21], "3");
    EXPECT_EQ(row1[10], "3.50");
    EXPECT_EQ(row1[9], "5");
    for (int c = 12; c <= 16; ++c) EXPECT_EQ(row1[c], "1");
    EXPECT_EQ(row1[18], "3");
    EXPECT_EQ(row1[19], "3");
    EXPECT_EQ(row1[20], "21");
    EXPECT_EQ(row1[1], "");
    EXPECT_EQ(MainGridRow(store, 1)[0], "2");
    const auto row3 = MainGridRow(store, 2);
    EXPECT_EQ(row3[0], "1");
    EXPECT_EQ((std::vector<std::string>(row3.begin() + 2, row3.begin() + 8)),
              (std::vector<std::string>{"1", "2", "12", "33", "40", "45"}));
    EXPECT_EQ(row3[21], "");
}

TEST(LoadMessage, NamesTwentyIncorrectLinesAndCountsTheRest) {
    LoadReport report;
    for (int n = 100000; n >= 1; --n) report.incorrectLines.push_back(n);
    std::string first20;
    for (int n = 100000; n > 99980; --n) first20 += std::to_string(n) + " ";
    EXPECT_EQ(LoadMessage(report, Lang::English),
              "Error - incorrect lines: " + first20 + "… and 99980 more");
    EXPECT_EQ(LoadMessage(report, Lang::Russian), "Ошибка в строках: " + first20 + "… и ещё 99980");
    report.incorrectLines.resize(20);
    EXPECT_EQ(LoadMessage(report, Lang::English), "Error - incorrect lines: " + first20);
}

TEST(LoadDrawLines, ReportsIncorrectLinesDescending) {
    DrawStore store;
    const auto report = LoadDrawLines(
        {"1 2 3 4 5 6", "x", "7 8 9 10 11 12", "13 14 15 16 17 18", "", "19 20 21 22 23 24"},
        Game6x45, store);
    EXPECT_EQ(report.incorrectLines, (std::vector<int>{5, 2}));
    EXPECT_EQ(LoadMessage(report, Lang::English), "Error - incorrect lines: 5 2 ");
    EXPECT_EQ(LoadMessage(report, Lang::Russian), "Ошибка в строках: 5 2 ");
    EXPECT_EQ(store.DrawCount, 4);
    EXPECT_EQ(store[0][0], 1);
    EXPECT_EQ(store[1][0], 7);
    EXPECT_EQ(store[2][0], 13);
    EXPECT_EQ(store[3][0], 19);
}

TEST(LoadDrawLines, NoValidLineKeepsTheStore) {
    DrawStore store;
    LoadDrawLines({"1 2 3 4 5 6"}, Game6x45, store);
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, std::vector<std::string>{"", "", ""},
          std::vector<std::string>{"a", "1 2 3"}}) {
        const auto report = LoadDrawLines(lines, Game6x45, store);
        EXPECT_EQ(report.loaded, 0);
        EXPECT_EQ(store.DrawCount, 1);
        EXPECT_EQ(store[0], (Draw{1, 2, 3, 4, 5, 6}));
    }
}

TEST(LoadDrawLines, AShorterFileKeepsTheOlderRecordsBeyondIt) {
    DrawStore store;
    std::vector<std::string> hundred, forty;
    for (int i = 0; i < 100; ++i) hundred.push_back("1 2 3 4 5 " + std::to_string(6 + i % 40));
    for (int i = 0; i < 40; ++i) forty.push_back("11 12 13 14 15 16");
    LoadDrawLines(hundred, Game6x45, store);
    LoadDrawLines(forty, Game6x45, store);
    EXPECT_EQ(store.DrawCount, 40);
    EXPECT_EQ(store[39], (Draw{11, 12, 13, 14, 15, 16}));
    for (int i = 40; i < 100; ++i) EXPECT_EQ(store[i][5], 6 + i % 40) << i;
}

TEST(LoadDrawLines, MoreThanTheStoreHoldsLoadsTheNewest) {
    DrawStore store;
    std::vector<std::string> lines(MaxDraws + 7, "1 2 3 4 5 6");
    lines[0] = "7 8 9 10 11 12";
    const auto report = LoadDrawLines(lines, Game6x45, store);
    EXPECT_EQ(store.DrawCount, MaxDraws);
    EXPECT_EQ(store[0][0], 7);
    EXPECT_EQ(report.leftOut, 7);
    EXPECT_EQ(LoadMessage(report, Lang::English),
              "Only the newest 10000 draws were loaded; older lines left out: 7");
}

TEST(DerivedMeasures, OfOneDraw) {
    const Draw d{3, 8, 15, 22, 30, 44};
    EXPECT_EQ(DrawSpan(d), 41);
    EXPECT_NEAR(static_cast<double>(DrawAverage(d)), 122.0 / 6, 1e-12);
    Draw deltas = d;
    DrawDeltas(deltas);
    EXPECT_EQ(deltas, (Draw{5, 7, 7, 8, 14, 44}));
    EXPECT_EQ(CountOdd(d, 6), 2);
    EXPECT_EQ(CountEven(d, 6), 4);
    EXPECT_EQ(CountEqualPairs(d, Draw{1, 3, 15, 30, 40, 45}), 3);
}
