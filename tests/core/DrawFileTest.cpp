#include "core/DrawFile.h"
#include "core/Edition.h"

#include <gtest/gtest.h>

using namespace core;

TEST(IsDrawLine, SixNumbersOfDigitsAndBlanksDistinctAndInRange) {
    struct Case {
        const char* line;
        bool drawLine; // digits and blanks, six numbers
        bool valid;    // and 1..45, none repeated
    };
    for (const auto& c :
         {Case{"1 2 3 4 5 6", true, true}, Case{"  05 11  17 25   38 44  ", true, true},
          Case{"05,11,17,25,38,44", false, false}, Case{"1 2 3 4 5", false, false},
          Case{"1 2 3 4 5 6 7", false, false}, Case{"1 2 3\t4 5 6", false, false},
          Case{"", false, false}, Case{"   ", false, false}, Case{"1 2 3 4 5 -6", false, false},
          Case{"1 2 3 4 5 6.", false, false}, Case{"1 2 3 4 5 45", true, true},
          Case{"0 2 3 4 5 6", true, false}, Case{"1 2 3 4 5 46", true, false},
          Case{"1 2 3 4 5 301", true, false}, Case{"1 2 3 4 5 5", true, false},
          Case{"1 2 3 4 5 99999999999999", true, false}, Case{"001 2 3 4 5 6", true, true}}) {
        EXPECT_EQ(IsDrawLine(c.line, 6), c.drawLine) << "'" << c.line << "'";
        EXPECT_EQ(IsValidDrawLine(c.line, Edition6x45.drawFile), c.valid) << "'" << c.line << "'";
    }
}

TEST(LoadDrawLines, ThreeLineExampleRowByRow) {
    DrawStore store;
    const auto report = LoadDrawLines({"1 2 3 4 5 6", "4 5 6 7 8 9", "40 1 33 2 45 12"},
                                      Edition6x45.drawFile, store);
    EXPECT_EQ(report.loaded, 3);
    EXPECT_TRUE(report.incorrectLines.empty());
    EXPECT_EQ(store.DrawCount, 3);
    EXPECT_EQ(store[2], (Draw{1, 2, 12, 33, 40, 45}));

    const auto row1 = MainGridRow(store, 0, core::Game6x45);
    const std::pair<int, const char*> cells[] = {
        {0, "3"},  {1, ""},   {9, "5"},  {10, "3.50"}, {12, "1"},  {13, "1"}, {14, "1"},
        {15, "1"}, {16, "1"}, {18, "3"}, {19, "3"},    {20, "21"}, {21, "3"}};
    for (const auto& [col, text] : cells) EXPECT_EQ(row1.at(col), text) << "column " << col;
    EXPECT_EQ(MainGridRow(store, 1, core::Game6x45)[0], "2");
    const auto row3 = MainGridRow(store, 2, core::Game6x45);
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

TEST(LoadDrawLines, ReportsIncorrectLinesDescendingAndNoValidLineKeepsTheStore) {
    DrawStore store;
    const auto report = LoadDrawLines(
        {"1 2 3 4 5 6", "x", "7 8 9 10 11 12", "13 14 15 16 17 18", "", "19 20 21 22 23 24"},
        Edition6x45.drawFile, store);
    EXPECT_EQ(report.incorrectLines, (std::vector<int>{5, 2}));
    EXPECT_EQ(LoadMessage(report, Lang::English), "Error - incorrect lines: 5 2 ");
    EXPECT_EQ(LoadMessage(report, Lang::Russian), "Ошибка в строках: 5 2 ");
    EXPECT_EQ(store.DrawCount, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(store[i][0], 1 + 6 * i) << i;
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, std::vector<std::string>{"", "", ""},
          std::vector<std::string>{"a", "1 2 3"}}) {
        EXPECT_EQ(LoadDrawLines(lines, Edition6x45.drawFile, store).loaded, 0);
        EXPECT_EQ(store.DrawCount, 4);
        EXPECT_EQ(store[3], (Draw{19, 20, 21, 22, 23, 24}));
    }
}

TEST(LoadDrawLines, AShorterFileKeepsTheOlderRecordsBeyondIt) {
    DrawStore store;
    std::vector<std::string> hundred, forty;
    for (int i = 0; i < 100; ++i) hundred.push_back("1 2 3 4 5 " + std::to_string(6 + i % 40));
    for (int i = 0; i < 40; ++i) forty.push_back("11 12 13 14 15 16");
    LoadDrawLines(hundred, Edition6x45.drawFile, store);
    LoadDrawLines(forty, Edition6x45.drawFile, store);
    EXPECT_EQ(store.DrawCount, 40);
    EXPECT_EQ(store[39], (Draw{11, 12, 13, 14, 15, 16}));
    for (int i = 40; i < 100; ++i) EXPECT_EQ(store[i][5], 6 + i % 40) << i;
}

TEST(DerivedMeasures, OfOneDraw) {
    const Draw d{3, 8, 15, 22, 30, 44};
    EXPECT_EQ(DrawSpan(d, 6), 41);
    EXPECT_NEAR(static_cast<double>(DrawAverage(d, 6)), 122.0 / 6, 1e-12);
    Draw deltas = d;
    DrawDeltas(deltas, 6);
    EXPECT_EQ(deltas, (Draw{5, 7, 7, 8, 14, 44}));
    EXPECT_EQ(CountOdd(d, 6), 2);
    EXPECT_EQ(CountEven(d, 6), 4);
    EXPECT_EQ(CountEqualPairs(d, Draw{1, 3, 15, 30, 40, 45}, 6), 3);
}

TEST(ParseDrawLine, CutsFiveNumbersFromTheEndThenNumberAndDate) {
    struct Case {
        const char* line;
        bool valid;
        const char* numbers;
        const char* date;
        const char* drawNumber;
    };
    for (const auto& c : {
             Case{"1234 05.03.2013 3 12 17 25 36", true, "3 12 17 25 36", "05.03.2013", "1234"},
             Case{"1234\t05.03.2013\t3\t12\t17\t25\t36", true, "3 12 17 25 36", "05.03.2013",
                  "1234"},
             Case{"  1234   05.03.2013  36 3 25 17 12 \r", true, "36 3 25 17 12", "05.03.2013",
                  "1234"},
             Case{"1234 05/03/2013 3 12 17 25 36", false, "3 12 17 25 36", "05/03/2013", "1234"},
             Case{"1234 05.03 2013 3 12 17 25 36", false, "3 12 17 25 36", "05.03 2013", "1234"},
             Case{"1234 05.03.2013 3 12 17 25 36 40", false, "12 17 25 36 40", "05.03.2013 3",
                  "1234"},
             Case{"1234 3 12 17 25 36", false, "3 12 17 25 36", "", "1234"},
             Case{"3 12 17 25 36 40", false, "12 17 25 36 40", "", "3"},
             Case{"1 2 3 4", false, "", "1 2 3 4", ""},
             Case{"", false, "", "", ""},
             Case{"A12 05.03.2013 3 12 17 25 36", false, "3 12 17 25 36", "05.03.2013", "A12"},
             Case{"12 05.03.2013 3 12 17 25 3x", false, "3 12 17 25 3x", "05.03.2013", "12"},
         }) {
        std::string numbers = "x", date = "x", drawNumber = "x";
        EXPECT_EQ(ParseDrawLine(c.line, numbers, date, drawNumber), c.valid) << c.line;
        EXPECT_EQ(numbers, c.numbers) << c.line;
        EXPECT_EQ(date, c.date) << c.line;
        EXPECT_EQ(drawNumber, c.drawNumber) << c.line;
    }
}

TEST(IsValidDrawLine, FiveOfThirtySixNeedsDistinctNumbersInRangeAndNineDigits) {
    const DrawFileRules rules = Edition5x36.drawFile;
    struct Case {
        const char* line;
        bool valid;
    };
    for (const auto& c :
         {Case{"1234 05.03.2013 3 12 17 25 36", true}, Case{"1 1 1 2 3 4 5", true},
          Case{"1234 05.03.2013 3 12 17 25 37", false},
          Case{"1234 05.03.2013 0 12 17 25 36", false},
          Case{"1234 05.03.2013 3 12 17 25 25", false},
          Case{"123456789 05.03.2013 3 12 17 25 36", true},
          Case{"1234567890 05.03.2013 3 12 17 25 36", false},
          Case{"1234 05.03.2013 3 12 17 25 0000000036", false}, Case{"1 2 3 4 5 6", false}})
        EXPECT_EQ(IsValidDrawLine(c.line, rules), c.valid) << c.line;
}

TEST(LoadDrawLines, FiveOfThirtySixKeepsLabelsPerRecordAndEmptiesOnNoValidLine) {
    DrawStore store;
    const auto report = LoadDrawLines({"0012 1.1 36 3 25 17 12", "bad", "11 31.12.2012 1 2 3 4 5"},
                                      Edition5x36.drawFile, store);
    EXPECT_EQ(report.incorrectLines, (std::vector<int>{2}));
    ASSERT_EQ(report.labels.size(), 2u);
    EXPECT_EQ(report.labels[0].drawNumber, "0012");
    EXPECT_EQ(report.labels[0].date, "1.1");
    EXPECT_EQ(store.DrawCount, 2);
    EXPECT_EQ(store[0], (Draw{3, 12, 17, 25, 36, 0}));
    const auto row = MainGridRow(store, 0, Game5x36, &report.labels[0]);
    EXPECT_EQ(row[0], "0012");
    EXPECT_EQ(row[1], "1.1");
    EXPECT_EQ(row[7], "");
    EXPECT_EQ(row[10], "18.60");
    EXPECT_EQ(row[16], "");
    EXPECT_EQ(row[21], "1");

    // Unlike the numbers-only rule, a file without a valid line empties the store.
    const auto none = LoadDrawLines({"1 2 3 4 5 6", ""}, Edition5x36.drawFile, store);
    EXPECT_TRUE(none.emptied);
    EXPECT_EQ(none.loaded, 0);
    EXPECT_EQ(store.DrawCount, 0);
    EXPECT_EQ(none.incorrectLines, (std::vector<int>{2, 1}));
}

TEST(LoadDrawLines, MoreThanTheStoreHoldsLoadsTheNewestUnderBothRules) {
    std::vector<std::string> plain(MaxDraws + 7, "1 2 3 4 5 6"), labelled;
    plain[0] = "7 8 9 10 11 12";
    for (int i = 10005; i >= 1; --i)
        labelled.push_back(std::to_string(i) + " 01.01.2000 1 2 3 4 5");
    DrawStore store;
    const auto report = LoadDrawLines(plain, Edition6x45.drawFile, store);
    EXPECT_EQ(store.DrawCount, MaxDraws);
    EXPECT_EQ(store[0][0], 7);
    EXPECT_EQ(report.leftOut, 7);
    EXPECT_EQ(LoadMessage(report, Lang::English),
              "Only the newest 10000 draws were loaded; older lines left out: 7");
    const auto five = LoadDrawLines(labelled, Edition5x36.drawFile, store);
    EXPECT_EQ(five.loaded, MaxDraws);
    EXPECT_EQ(five.leftOut, 5);
    EXPECT_EQ(five.labels.front().drawNumber, "10005");
    EXPECT_EQ(five.labels.back().drawNumber, "6");
}

TEST(LoadDrawLines, AByteOrderMarkIsSkippedAndNoNumberFieldExceedsNineCharacters) {
    const std::string mark = "\xEF\xBB\xBF";
    struct Case {
        std::string line;
        bool valid;
    };
    const struct {
        const DrawFileRules rules;
        std::vector<Case> cases;
    } editions[] = {
        {Edition6x45.drawFile,
         {{mark + "1 2 3 4 5 6", true},
          {"000000007 1 2 3 4 5", true},
          {"0000000007 1 2 3 4 5", false},
          {"1 2 3 4 5 0000000045", false},
          {mark + mark + "1 2 3 4 5 6", false}}},
        {Edition5x36.drawFile,
         {{mark + "12 01.01.2000 1 2 3 4 5", true},
          {"000000012 01.01.2000 000000001 2 3 4 5", true},
          {"0000000012 01.01.2000 1 2 3 4 5", false},
          {"12 01.01.2000 0000000007 2 3 4 5", false},
          {"12 01.01.2000 1 2 0000000003 4 5", false},
          {"12 01.01.2000 1 2 3 4 0000000005", false}}},
    };
    for (const auto& e : editions) {
        for (const Case& c : e.cases) {
            DrawStore store;
            const LoadReport report = LoadDrawLines(DrawFileLines(c.line), e.rules, store);
            EXPECT_EQ(report.loaded, c.valid ? 1 : 0) << c.line;
        }
        // The mark counts only at the start of the file.
        DrawStore store;
        const auto second = LoadDrawLines(DrawFileLines(e.cases[1].line + "\r\n" + e.cases[0].line),
                                          e.rules, store);
        EXPECT_EQ(second.incorrectLines, std::vector<int>{2});
    }
}
