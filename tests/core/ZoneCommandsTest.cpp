#include "tests/support/Stores.h"
#include "core/ZoneCommands.h"

#include "core/NumberRoutines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using core::ZoneRange;

using testing_support::StoreOf;

core::DrawStore RandomStore(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<int> pool(45);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<core::Draw> draws;
    for (int i = 0; i < count; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        core::Draw d{};
        for (int k = 0; k < 6; ++k) d[k] = static_cast<std::uint8_t>(pool[k]);
        std::sort(d.begin(), d.end());
        draws.push_back(d);
    }
    return StoreOf(draws);
}

// --- Zones ---

struct RangeCase {
    int z;
    std::vector<ZoneRange> expected;
};

std::vector<ZoneRange> Singles(int pool) {
    std::vector<ZoneRange> r;
    for (int n = 1; n <= pool; ++n) r.push_back({n, n});
    return r;
}

TEST(ZoneRanges, FollowTheWidthAndCoverThePool) {
    const std::vector<RangeCase> cases = {
        {1, {{1, 45}}},
        {2, {{1, 22}, {23, 45}}},
        {4, {{1, 11}, {12, 22}, {23, 33}, {34, 45}}},
        {7, {{1, 6}, {7, 12}, {13, 18}, {19, 24}, {25, 30}, {31, 36}, {37, 45}}},
        {8,
         {{1, 5}, {6, 10}, {11, 15}, {16, 20}, {21, 25}, {26, 30}, {31, 35}, {36, 40}, {41, 45}}},
        {15,
         {{1, 3},
          {4, 6},
          {7, 9},
          {10, 12},
          {13, 15},
          {16, 18},
          {19, 21},
          {22, 24},
          {25, 27},
          {28, 30},
          {31, 33},
          {34, 36},
          {37, 39},
          {40, 42},
          {43, 45}}},
        {45, Singles(45)},
        // 0 is taken as 1, never a division by zero.
        {0, {{1, 45}}},
    };
    for (const auto& c : cases) EXPECT_EQ(core::ZoneRanges(c.z, 45), c.expected) << "z=" << c.z;
}

TEST(ZoneRanges, EveryCountCoversEachNumberOnceForBothPools) {
    for (int pool : {45, 36})
        for (int z = 1; z <= pool; ++z) {
            const auto ranges = core::ZoneRanges(z, pool);
            ASSERT_GE(static_cast<int>(ranges.size()), z) << pool << " " << z;
            int next = 1;
            for (const auto& r : ranges) {
                EXPECT_EQ(r.lo, next);
                EXPECT_GE(r.hi, r.lo);
                next = r.hi + 1;
            }
            EXPECT_EQ(next, pool + 1) << pool << " " << z;
        }
}

TEST(ZoneRanges, FiveOfThirtySixExamples) {
    EXPECT_EQ(core::ZoneRanges(2, 36), (std::vector<ZoneRange>{{1, 18}, {19, 36}}));
    EXPECT_EQ(core::ZoneRanges(3, 36), (std::vector<ZoneRange>{{1, 12}, {13, 24}, {25, 36}}));
    EXPECT_EQ(core::ZoneRanges(5, 36).back(), (ZoneRange{29, 36}));
}

TEST(ZoneRangesText, ListsEveryRangeWithATrailingBlank) {
    EXPECT_EQ(core::ZoneRangesText(2, 45), "1..22 23..45 ");
    EXPECT_EQ(core::ZoneRangesText(1, 45), "1..45 ");
}

TEST(ZoneAnswer, CleansAndBoundsTheAnswer) {
    struct Case {
        const char* answer;
        int z;
    };
    const Case cases[] = {{"", 2},  {"abc", 2}, {"4", 4},   {" 1 2", 12}, {"99", 45},
                          {"0", 1}, {"00", 1},  {"45", 45}, {"x7y", 7}};
    for (const auto& c : cases) EXPECT_EQ(core::ZoneAnswer(c.answer, 45), c.z) << c.answer;
    EXPECT_EQ(core::ZoneAnswer("99", 36), 36);
    EXPECT_THROW(core::ZoneAnswer("99999999999", 45), core::ConversionError);
}

TEST(Zones, LineFormatHeaderAndCaption) {
    const auto store = StoreOf({{3, 10, 22, 23, 40, 45}, {1, 2, 3, 4, 5, 6}});
    const auto r = core::Zones(store, core::Edition6x45, 2, core::Lang::English);
    const auto lines = core::AllLines(r);
    EXPECT_EQ(r.caption, "Numbers in 2 zones");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "    1..22 23..45 ");
    EXPECT_EQ(lines[1], "2:   3 : 3");
    EXPECT_EQ(lines[2], "1:   6 : 0");
    EXPECT_EQ(core::Zones(store, core::Edition6x45, 1, core::Lang::Russian).caption,
              "Числа в 1 зонах");
    EXPECT_EQ(core::AllLines(core::Zones(store, core::Edition6x45, 1, core::Lang::English))[1],
              "2:   6");
}

TEST(Zones, DrawNumbersArePaddedAgainstTheCount) {
    const auto store = RandomStore(512, 3);
    const auto lines =
        core::AllLines(core::Zones(store, core::Edition6x45, 1, core::Lang::English));
    EXPECT_EQ(lines[1], "512:   6");
    EXPECT_EQ(lines[512], "001:   6");
}

TEST(Zones, EveryLineCountsEveryRangeAndAddsUpToSix) {
    const auto store = RandomStore(200, 5);
    for (int z : {8, 10, 23, 44, 45}) {
        const auto ranges = core::ZoneRanges(z, 45);
        const auto lines =
            core::AllLines(core::Zones(store, core::Edition6x45, z, core::Lang::English));
        for (int i = 0; i < store.DrawCount; ++i) {
            const std::string& line = lines[i + 1];
            const std::string counts = line.substr(line.find(":   ") + 4);
            int sum = 0, fields = 0;
            std::size_t p = 0;
            while (p <= counts.size()) {
                const auto q = std::min(counts.find(" : ", p), counts.size());
                sum += std::stoi(counts.substr(p, q - p));
                ++fields;
                p = q + 3;
            }
            EXPECT_EQ(fields, static_cast<int>(ranges.size())) << z;
            EXPECT_EQ(sum, 6) << z;
            const auto literal = core::ZoneCounts(store[i], ranges, 6);
            EXPECT_EQ(std::accumulate(literal.begin(), literal.end(), 0), 6);
        }
    }
}

TEST(ZonesPrompt, Texts) {
    const auto en = core::ZonesPrompt(core::Edition6x45, core::Lang::English);
    EXPECT_EQ(en.caption, "Number of zone");
    EXPECT_EQ(en.prompt, "Enter zone count");
    EXPECT_EQ(en.defaultText, "2");
    const auto ru = core::ZonesPrompt(core::Edition6x45, core::Lang::Russian);
    EXPECT_EQ(ru.caption, "Число зон");
    EXPECT_EQ(ru.prompt, "Введите число зон:");
}

// --- Final sums ---

TEST(FinalSum, NineForMultiplesOfNine) {
    const std::pair<int, int> cases[] = {{45, 9}, {10, 1}, {9, 9}, {18, 9}, {1, 1}, {44, 8}};
    for (auto [n, s] : cases) EXPECT_EQ(core::FinalSum(n), s) << n;
}

TEST(FinalSums, ColumnsNineToFourteen) {
    const auto store = StoreOf({{9, 10, 18, 27, 36, 45}, {1, 2, 3, 4, 5, 6}});
    const auto r = core::FinalSums(store, core::Edition6x45, core::Lang::English);
    EXPECT_EQ(r.caption, "Table - Final summary of numbers (n mod 9)");
    EXPECT_EQ(core::FinalSums(store, core::Edition6x45, core::Lang::Russian).caption,
              "Таблица конечных сумм чисел (n mod 9)");
    EXPECT_EQ(r.table.colCount, 15);
    ASSERT_EQ(r.table.columns.size(), 6u);
    const char* newest[] = {"9", "1", "9", "9", "9", "9"};
    for (int p = 0; p < 6; ++p) {
        const auto& c = r.table.columns[p];
        EXPECT_EQ(c.index, 9 + p);
        EXPECT_EQ(c.header, "S" + std::to_string(p + 1));
        EXPECT_EQ(c.width, 20);
        ASSERT_EQ(c.Rows(), 2u);
        EXPECT_EQ(c.Cell(0), newest[p]);
        EXPECT_EQ(c.Cell(1), std::to_string(p + 1));
    }
}

// --- Prognosis ---

TEST(Prognosis, BoundariesAreInclusiveAndTheWindowEndsAtTheNewest) {
    // Oldest first as draw numbers 1..5; the store holds them newest first.
    const std::vector<core::Draw> oldestFirst = {
        {20, 25, 30, 33, 35, 37}, // 1: sum 180 qualifies
        {10, 20, 21, 22, 23, 24}, // 2: lowest 10 listed; sum 120 qualifies for rule 2
        {9, 20, 21, 30, 31, 40},  // 3: lowest 9 not listed; highest 40 not listed
        {1, 2, 3, 4, 5, 36},      // 4: highest 36 listed; sum 51
        {30, 31, 32, 33, 34, 37}, // 5: newest, sum 197 qualifies with nothing after
    };
    std::vector<core::Draw> newestFirst(oldestFirst.rbegin(), oldestFirst.rend());
    const auto store = StoreOf(newestFirst);
    const auto r = core::Prognosis(store, core::Game6x45, core::Lang::English);
    EXPECT_EQ(r.caption, "Prognosis");
    const std::vector<std::string> expected = {
        "If the sum of the 6 regular numbers is greater then 180, then in the next 10 draws "
        "there should be a draw where the lowest number will be 10. [10..45]",
        "",
        "1: #2-->10  #5-->30  ",
        "5: ",
        "",
        "If the sum of the 6 regular numbers is lower then 120, then in the next 10 draws there "
        "should be a draw which the highest number is lower then 37. [1..36].",
        "",
        "2: #4-->36  ",
        "4: ",
    };
    EXPECT_EQ(core::AllLines(r), expected);
    std::size_t bytes = 0;
    for (const auto& l : expected) bytes += l.size();
    EXPECT_EQ(r.source->TextBytes(), bytes); // the sizes a view scrolls by agree with the lines
    EXPECT_EQ(core::Prognosis(store, core::Game6x45, core::Lang::Russian).caption, "Прогноз");
}

TEST(Prognosis, ListsAtMostTenFollowingDraws) {
    std::vector<core::Draw> newestFirst(15, core::Draw{30, 31, 32, 33, 34, 35});
    const auto store = StoreOf(newestFirst);
    const auto r = core::Prognosis(store, core::Game6x45, core::Lang::English);
    const auto lines = core::AllLines(r);
    EXPECT_EQ(lines[2], "01: #02-->30  #03-->30  #04-->30  #05-->30  #06-->30  #07-->30  #08-->30  "
                        "#09-->30  #10-->30  #11-->30  ");
    EXPECT_EQ(lines[2 + 14], "15: ");
}

// --- Spans ---

TEST(DrawGaps, NumbersStrictlyBetweenNeighbours) {
    EXPECT_EQ(core::DrawGaps({1, 2, 3, 4, 5, 6}, 6), (core::Draw{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(core::DrawGaps({1, 3, 5, 7, 9, 11}, 6), (core::Draw{1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(core::DrawGaps({1, 10, 11, 20, 44, 45}, 6), (core::Draw{8, 0, 8, 23, 0, 0}));
}

TEST(SpanBins, GapOfOneGoesToBinZeroAndZerosAreNotCounted) {
    const auto bins = core::SpanBins(StoreOf({{1, 2, 3, 4, 5, 6}, {1, 3, 5, 7, 9, 11}}), 6);
    EXPECT_EQ(bins[0], 5);
    EXPECT_EQ(std::accumulate(bins.begin(), bins.end(), 0), 5);
    const auto wide = core::SpanBins(StoreOf({{1, 2, 3, 4, 5, 45}}), 6);
    EXPECT_EQ(wide[38], 1); // 45 - 5 - 1 = 39 -> bin 38
}

TEST(SpanBins, MatchTheLiteralCountOnARandomHistory) {
    const auto store = RandomStore(1000, 11);
    std::array<int, 45> literal{};
    for (int i = 0; i < store.DrawCount; ++i) {
        const auto g = core::DrawGaps(store[i], 6);
        for (int k = 0; k < 5; ++k)
            if (g[k] >= 1 && g[k] <= 45) ++literal[g[k] - 1];
    }
    EXPECT_EQ(core::SpanBins(store, 6), literal);
}

TEST(CountLevels, DescendingDistinctValuesThenZeros) {
    const int c[] = {3, 7, 3, 0, 5, 7};
    EXPECT_EQ(core::CountLevels(c, 6, 6), (std::vector<int>{7, 5, 3, 0, 0, 0}));
    const int none[] = {0, 0};
    EXPECT_EQ(core::CountLevels(none, 2, 2), (std::vector<int>{0, 0}));
}

TEST(Spans, HundredLevelLinesWithBinIndices) {
    const auto r =
        core::Spans(StoreOf({{1, 3, 5, 7, 9, 11}, {1, 3, 6, 10, 11, 12}}), core::Game6x45);
    EXPECT_EQ(r.text.caption, "Statistics - Most Frequently Spans for all games");
    ASSERT_EQ(r.text.lines.size(), 100u);
    // Gaps: 1 1 1 1 1 and 1 2 3 0 0 -> bin0 = 6, bin1 = 1, bin2 = 1.
    EXPECT_EQ(r.text.lines[0], "6: 0");
    EXPECT_EQ(r.text.lines[1], "1: 1 2");
    EXPECT_EQ(r.text.lines[2], "0:");
    EXPECT_EQ(r.text.lines[99], "0:");
    EXPECT_EQ(r.bins[0], 6);
    EXPECT_EQ(r.bins[1], 1);
    EXPECT_EQ(r.bins[2], 1);
    EXPECT_EQ(r.firstLabel, 0);
}

// --- Sort by groups ---

TEST(SortByGroups, SevenLinesNewestFirst) {
    const auto r = core::SortByGroups(StoreOf({{1, 8, 14, 21, 27, 33}, {7, 13, 20, 26, 40, 45}}),
                                      core::Game6x45);
    EXPECT_EQ(r.caption,
              "Numbers sorted by groups: 1..7  8..13  14..20  21..26  27..32  33..39  40..45");
    const std::vector<std::string> expected = {"1 7 ", "8 13 ", "14 20 ", "21 26 ",
                                               "27 ",  "33 ",   "40 45 "};
    EXPECT_EQ(r.lines, expected);
}

// --- 1..12 34..45 ---

TEST(Band, CollectsHighestNumbersAscendingAndLeavesLinesWithoutHitsEmpty) {
    const auto r =
        core::Band(StoreOf({{1, 2, 3, 4, 5, 40}, {1, 5, 6, 7, 8, 33}, {1, 12, 20, 30, 31, 34}}),
                   core::Game6x45);
    EXPECT_EQ(r.caption, "1..12 34..45 ");
    ASSERT_EQ(r.lines.size(), 12u);
    EXPECT_EQ(r.lines[0], "01: 34 40");
    EXPECT_EQ(r.lines[1], "02: 40");
    EXPECT_EQ(r.lines[5], "06: "); // only in a draw whose highest is 33
    EXPECT_EQ(r.lines[8], "09: ");
    EXPECT_EQ(r.lines[11], "12: 34");
}

TEST(Band, MoreThanFortyFiveQualifyingDrawsAreAllListed) {
    std::vector<core::Draw> draws;
    for (int i = 0; i < 10000; ++i)
        draws.push_back(core::Draw{1, 2, 3, 4, 5, static_cast<std::uint8_t>(34 + i % 12)});
    const auto r = core::Band(StoreOf(draws), core::Game6x45);
    const std::string& line = r.lines[0];
    EXPECT_EQ(line.size(), 4u + 10000u * 3u - 1u);
    EXPECT_EQ(line.substr(0, 10), "01: 34 34 ");
    EXPECT_EQ(line.substr(line.size() - 5), "45 45");
    EXPECT_EQ(r.lines[6], "07: ");
}

TEST(StripLeadingZeros, DropsOnlyTheLeadingZeros) {
    std::vector<std::uint8_t> b = {0, 0, 3, 0, 5};
    EXPECT_EQ(core::StripLeadingZeros(b), 3);
    EXPECT_EQ(b, (std::vector<std::uint8_t>{3, 0, 5}));
    std::vector<std::uint8_t> z = {0, 0};
    EXPECT_EQ(core::StripLeadingZeros(z), 0);
}

} // namespace
