#include "tests/support/Stores.h"
#include "core/TableMarking.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using core::TableMark;

using testing_support::StoreOf;

core::TableMarkState Filter(const core::DrawStore& store, int row, bool unlimited = false,
                            int highlight = 0) {
    core::TableMarkState s;
    s.filterMode = true;
    s.unlimited = unlimited;
    s.highlight = highlight;
    s.selectedRow = row;
    s.selected = store[row - 1];
    return s;
}

// The passes as the window runs them for one cell, a later pass painting over an earlier one.
TableMark LiteralMark(const core::DrawStore& store, int perDraw, const core::TableMarkState& s,
                      int col, int row, int colCount) {
    TableMark mark = TableMark::None;
    if (!s.filterMode) return mark;
    if (row == s.selectedRow && col >= 0 && col < colCount) mark = TableMark::SelectedRow;
    bool used[core::MaxPerDraw] = {};
    for (int e = s.selectedRow; e < store.DrawCount; ++e) {
        const core::Draw d = store[e];
        for (int k = 0; k < core::MaxPerDraw; ++k) {
            if (used[k]) continue;
            for (int j = 0; j < perDraw; ++j) {
                if (d[j] != s.selected[k]) continue;
                if (col == j + 2 && row == e + 1) mark = TableMark::Trace;
                if (!s.unlimited) used[k] = true;
            }
        }
    }
    if (s.highlight != 0)
        for (int e = 0; e < store.DrawCount; ++e)
            for (int j = 0; j < perDraw; ++j)
                if (store[e][j] == s.highlight && col == j + 2 && row == e + 1)
                    mark = TableMark::HighLight;
    return mark;
}

int CountMarks(const core::DrawStore& store, const core::TableMarkState& s, TableMark m) {
    int n = 0;
    for (int row = 1; row <= store.DrawCount; ++row)
        for (int col = 0; col < 15; ++col)
            if (core::MarkOf(store, 6, s, col, row, 15) == m) ++n;
    return n;
}

TEST(TableMarking, TraceMarksEachNumberAtItsNextOccurrenceOrEveryOlderOneWhenUnlimited) {
    const auto store = StoreOf({
        {1, 2, 3, 4, 5, 6},       // selected
        {1, 10, 11, 12, 13, 14},  // 1 next
        {1, 2, 20, 21, 22, 23},   // 1 again (not), 2 next
        {30, 31, 32, 33, 34, 35}, // nothing
        {1, 2, 3, 4, 5, 6},       // 3..6 next, 1 and 2 used up
    });
    const auto s = Filter(store, 1);
    EXPECT_EQ(core::MarkOf(store, 6, s, 2, 2, 15), TableMark::Trace);
    EXPECT_EQ(core::MarkOf(store, 6, s, 2, 3, 15), TableMark::None);
    EXPECT_EQ(core::MarkOf(store, 6, s, 3, 3, 15), TableMark::Trace);
    for (int col = 2; col <= 3; ++col)
        EXPECT_EQ(core::MarkOf(store, 6, s, col, 5, 15), TableMark::None);
    for (int col = 4; col <= 7; ++col)
        EXPECT_EQ(core::MarkOf(store, 6, s, col, 5, 15), TableMark::Trace);
    EXPECT_EQ(CountMarks(store, s, TableMark::Trace), 6);
    EXPECT_EQ(CountMarks(store, s, TableMark::SelectedRow), 15);
    // Unlimited: every older occurrence, and never a row above the selection.
    const auto unlimited = Filter(store, 1, true);
    EXPECT_EQ(CountMarks(store, unlimited, TableMark::Trace), 1 + 2 + 6);
    EXPECT_EQ(core::MarkOf(store, 6, unlimited, 2, 3, 15), TableMark::Trace);
    for (int col = 0; col < 15; ++col)
        EXPECT_EQ(core::MarkOf(store, 6, Filter(store, 2, true), col, 1, 15), TableMark::None);
    // The oldest row selected marks only its row.
    EXPECT_EQ(CountMarks(store, Filter(store, 5), TableMark::Trace), 0);
    EXPECT_EQ(CountMarks(store, Filter(store, 5), TableMark::SelectedRow), 15);
}

TEST(TableMarking, AgreesWithTheLiteralPassesOnRandomHistories) {
    std::mt19937 rng(645);
    for (int round = 0; round < 12; ++round) {
        const bool small = round % 3 == 2;
        const int pool = small ? 36 : 45, perDraw = small ? 5 : 6;
        std::vector<core::Draw> draws;
        for (int i = 0; i < 120; ++i)
            draws.push_back(testing_support::RandomDraw(rng, pool, perDraw));
        const auto store = StoreOf(draws);
        for (int trial = 0; trial < 6; ++trial) {
            core::TableMarkState s;
            s.filterMode = trial != 0; // without it nothing is marked
            s.unlimited = trial % 2 == 1;
            s.highlight = trial >= 3 ? static_cast<int>(rng() % pool) + 1 : 0;
            s.selectedRow = static_cast<int>(rng() % 120) + 1;
            s.selected = store[s.selectedRow - 1];
            const core::TableMarks marks(store, core::Game{pool, perDraw}, s,
                                         core::TableRules{.traceCap = 0});
            for (int row = 0; row <= 121; ++row)
                for (int col = 0; col < 17; ++col)
                    ASSERT_EQ(marks.At(col, row, 15), LiteralMark(store, perDraw, s, col, row, 15))
                        << "round " << round << " trial " << trial << " cell " << col << "," << row;
        }
    }
}

int TracedRows(const core::TableMarks& marks, int rows) {
    int last = 0;
    for (int row = 1; row <= rows; ++row)
        for (int col = 2; col <= 6; ++col)
            if (marks.At(col, row, 15) == TableMark::Trace) last = row;
    return last;
}

TEST(TableMarking, TheCappedTraceStopsAfterTheDrawBringingTheHitsOfTheCap) {
    // The selected draw's five numbers recur in every older draw: five hits a draw.
    const auto store = StoreOf(std::vector<core::Draw>(40, core::Draw{1, 2, 3, 4, 5, 0}));
    struct Case {
        bool unlimited;
        int cap;
        int lastRow; // the last grid row traced
    } cases[] = {
        {true, 24, 1 + 5},  // 5 hits a draw: the fifth draw below brings hits 21..25
        {true, 25, 1 + 5},  // exactly 25 after the fifth
        {true, 26, 1 + 6},  // one more draw
        {true, 0, 40},      // no cap: to the oldest draw
        {false, 24, 1 + 1}, // limited: five hits at most, all in the next draw
    };
    for (const Case& c : cases) {
        auto s = Filter(store, 1, c.unlimited);
        const core::TableMarks marks(store, core::Game5x36, s, core::TableRules{.traceCap = c.cap});
        EXPECT_EQ(TracedRows(marks, 40), c.lastRow) << c.cap << " " << c.unlimited;
    }
}

TEST(TableMarking, TheCapCountsHitsOverAllSelectedNumbers) {
    // 1 recurs every draw, 2 every other draw: 3 hits per two draws, 24 after sixteen draws.
    std::vector<core::Draw> d{{1, 2, 3, 4, 5, 0}};
    for (int i = 1; i < 40; ++i)
        d.push_back(i % 2 ? core::Draw{1, 10, 11, 12, 13, 0} : core::Draw{1, 2, 11, 12, 13, 0});
    const auto store = StoreOf(d);
    const core::TableMarks marks(store, core::Game5x36, Filter(store, 1, true),
                                 core::TableRules5x36);
    EXPECT_EQ(TracedRows(marks, 40), 1 + 16);
}

TEST(TableMarking, SeparationPaintsEachNumberAtItsNewestDrawDownToTheSlowestRepeat) {
    std::vector<core::Draw> d = {
        {30, 31, 32, 33, 34, 0}, // newer than the selection: never marked
        {1, 2, 3, 4, 5, 0},      // selected
        {1, 6, 7, 8, 9, 0},      {10, 11, 12, 13, 14, 0}, {15, 16, 17, 18, 19, 0},
        {20, 21, 22, 23, 24, 0}, {25, 26, 27, 28, 29, 0}, {30, 31, 32, 33, 34, 0},
        {2, 3, 4, 35, 36, 0}, // 2..4 repeat
        {5, 7, 8, 9, 10, 0},  // 5 repeats last: the end of the range
        {1, 2, 3, 4, 5, 0},   // beyond it
    };
    const auto store = StoreOf(d);
    auto s = Filter(store, 2);
    s.separation = true;
    s.selected = core::Draw{};
    const core::TableMarks marks(store, core::Game5x36, s, core::TableRules5x36);
    std::vector<int> perRow;
    int painted = 0;
    std::vector<int> seen(37, 0);
    for (int row = 1; row <= store.DrawCount; ++row) {
        int n = 0;
        for (int col = 2; col <= 6; ++col)
            if (marks.At(col, row, 15) == TableMark::Separation) {
                ++n;
                ++seen[store[row - 1][col - 2]];
            }
        perRow.push_back(n);
        painted += n;
    }
    // Rows 2 .. 10 (the draw where 5 repeats); each of the 36 numbers exactly once.
    EXPECT_EQ(perRow, (std::vector<int>{0, 5, 4, 5, 5, 5, 5, 5, 2, 0, 0}));
    EXPECT_EQ(painted, 36);
    for (int x = 1; x <= 36; ++x) EXPECT_EQ(seen[x], 1) << x;
    EXPECT_EQ(core::MarkColor(TableMark::Separation), 0xFFA4F9u);
}

TEST(SelectedNumbers, ReadsTheRowCellsAndSurvivesUnreadableOnes) {
    EXPECT_EQ(core::SelectedNumbers({"3", "17", "", "44"}), (core::Draw{3, 17, 44, 0, 0, 0}));
    EXPECT_EQ(core::SelectedNumbers({"99999999999", "5"}), core::Draw{});
}

TEST(MarkColor, ThePassColours) {
    EXPECT_EQ(core::MarkColor(TableMark::SelectedRow), 0xF8DEB0u);
    EXPECT_EQ(core::MarkColor(TableMark::Trace), 0xF8DE6Du);
    EXPECT_EQ(core::MarkColor(TableMark::HighLight), 0x00FF80u);
}

} // namespace
