#include "tests/support/Stores.h"
#include "core/FilterCommands.h"

#include <gtest/gtest.h>

namespace {

using core::Lang;
using Cells = std::vector<std::string>;

using testing_support::StoreOf;

Cells AnyOf(const core::TableResult& r, int row) {
    Cells c;
    for (int k = 0; k < 6; ++k) c.push_back(r.table.columns[k].Texts().at(row));
    return c;
}

Cells PosOf(const core::TableResult& r, int row) {
    Cells c;
    for (int k = 7; k < 13; ++k) c.push_back(r.table.columns[k].Texts().at(row));
    return c;
}

TEST(FilterAny, ColumnsHeadersAndWidths) {
    const auto r = core::FilterAny(StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}}),
                                   core::Edition6x45, Lang::English);
    EXPECT_EQ(r.caption, "Filter Any and Var position");
    EXPECT_EQ(r.table.colCount, 23);
    ASSERT_EQ(r.table.columns.size(), 13u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(r.table.columns[k].index, 9 + k);
        EXPECT_EQ(r.table.columns[k].header, "Any" + std::to_string(k + 1));
        EXPECT_EQ(r.table.columns[k].width, 30);
        EXPECT_EQ(r.table.columns[7 + k].index, 16 + k);
        EXPECT_EQ(r.table.columns[7 + k].header, "Pos" + std::to_string(k + 1));
        EXPECT_EQ(r.table.columns[7 + k].width, 30);
    }
    // Column 15 separates the groups: emptied in every row, header included.
    EXPECT_EQ(r.table.columns[6].index, 15);
    EXPECT_EQ(r.table.columns[6].header, "");
    EXPECT_EQ(r.table.columns[6].Texts(), Cells(2, ""));
    EXPECT_EQ(core::FilterAny(core::DrawStore{}, core::Edition6x45, Lang::Russian).caption,
              "Фильтр Any и фильтр позиций Pos");
}

TEST(FilterAny, AllNumbersOfTheNextOlderDrawGiveZeros) {
    const auto r = core::FilterAny(StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}}),
                                   core::Edition6x45, Lang::English);
    EXPECT_EQ(AnyOf(r, 0), Cells(6, "0"));
    EXPECT_EQ(PosOf(r, 0), Cells(6, "0"));
    // The oldest draw has nothing behind it.
    EXPECT_EQ(AnyOf(r, 1), Cells(6, ""));
    EXPECT_EQ(PosOf(r, 1), Cells(6, ""));
}

TEST(FilterAny, AnySortedWithEmptiesLastPosByPosition) {
    const auto r = core::FilterAny(StoreOf({
                                       {1, 2, 3, 4, 5, 6},
                                       {6, 10, 11, 12, 13, 14},
                                       {1, 2, 20, 21, 22, 23},
                                       {3, 4, 30, 31, 32, 33},
                                   }),
                                   core::Edition6x45, Lang::English);
    EXPECT_EQ(AnyOf(r, 0), (Cells{"0", "1", "1", "2", "2", ""}));
    EXPECT_EQ(PosOf(r, 0), (Cells{"1", "1", "", "", "", ""}));
    EXPECT_EQ(AnyOf(r, 1), (Cells{"", "", "", "", "", ""}));
    EXPECT_EQ(AnyOf(r, 2), (Cells{"", "", "", "", "", ""}));
}

TEST(FilterAny, DistancesBeyondAByteAreWhole) {
    // Fillers never hold 1..6; 2 comes back 256 draws older, 1 (at its position) 300.
    std::vector<core::Draw> draws(302);
    for (int k = 0; k < 302; ++k) {
        const auto j = static_cast<std::uint8_t>(k % 6);
        draws[k] = {std::uint8_t(7 + j),  std::uint8_t(13 + j), std::uint8_t(19 + j),
                    std::uint8_t(25 + j), std::uint8_t(31 + j), std::uint8_t(37 + j)};
    }
    draws[0] = {1, 2, 3, 4, 5, 6};
    draws[256] = {2, 7, 8, 9, 10, 11};
    draws[300] = {1, 12, 13, 14, 15, 16};
    const auto r = core::FilterAny(StoreOf(draws), core::Edition6x45, Lang::English);
    EXPECT_EQ(AnyOf(r, 0), (Cells{"255", "299", "", "", "", ""}));
    EXPECT_EQ(PosOf(r, 0), (Cells{"299", "", "", "", "", ""}));
}

TEST(FilterRoutines, IndexCompactAndLeadingZeros) {
    const std::uint8_t a[4] = {5, 0, 7, 5};
    EXPECT_EQ(core::IndexOfNumber(5, a, 4), 0);
    EXPECT_EQ(core::IndexOfNumber(7, a, 4), 2);
    EXPECT_EQ(core::IndexOfNumber(9, a, 4), -1);
    EXPECT_EQ(core::IndexOfNumber(7, a, 2), -1);

    std::uint8_t b[6] = {0, 9, 0, 3, 7, 0};
    core::CompactNonZero(b, 6);
    EXPECT_EQ(std::vector<int>(b, b + 6), (std::vector<int>{9, 3, 7, 0, 0, 0}));

    std::uint8_t c[6] = {0, 0, 2, 5, 8, 9};
    core::DropLeadingZeros(c, 6);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{2, 5, 8, 9, 0, 0}));
    std::uint8_t z[3] = {0, 0, 0};
    core::DropLeadingZeros(z, 3);
    EXPECT_EQ(std::vector<int>(z, z + 3), (std::vector<int>{0, 0, 0}));
}

struct LineCase {
    const char* name;
    core::Draw record;
    std::optional<core::Draw> marked;
    std::string line;
};

class SeparationLines : public testing::TestWithParam<LineCase> {};

TEST_P(SeparationLines, RemovedNumbersAndMarks) {
    const auto& c = GetParam();
    EXPECT_EQ(core::SeparationLine(c.record.data(), c.marked ? c.marked->data() : nullptr, 6, 45),
              c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SeparationLines,
    testing::Values(LineCase{"Whole", {1, 2, 3, 4, 5, 6}, std::nullopt, "01 02 03 04 05 06"},
                    LineCase{"TwoRemoved", {0, 2, 3, 0, 5, 6}, std::nullopt, "02 03 05 06  "},
                    LineCase{"AllRemoved", {0, 0, 0, 0, 0, 0}, std::nullopt, "     "},
                    LineCase{"MarkedInside",
                             {1, 5, 9, 20, 30, 40},
                             core::Draw{9, 11, 12, 13, 14, 15},
                             "01 05[09]20 30 40 "},
                    LineCase{"MarkedAtTheStart",
                             {1, 2, 3, 4, 5, 6},
                             core::Draw{1, 5, 11, 12, 13, 14},
                             "[01]02 03 04[05]06  "},
                    LineCase{"MarkedLast",
                             {1, 2, 3, 4, 5, 6},
                             core::Draw{6, 11, 12, 13, 14, 15},
                             "01 02 03 04 05[06]"},
                    LineCase{"MarkedNeighbours",
                             {1, 5, 17, 22, 33, 44},
                             core::Draw{5, 17, 20, 30, 40, 45},
                             "01[05][17]22 33 44  "},
                    LineCase{"MarkedBesideRemoved",
                             {0, 2, 3, 0, 0, 6},
                             core::Draw{6, 11, 12, 13, 14, 15},
                             "02 03[06]   "},
                    LineCase{"MarkedNotThere",
                             {0, 2, 3, 0, 0, 6},
                             core::Draw{1, 11, 12, 13, 14, 15},
                             "02 03 06   "}),
    [](const auto& info) { return info.param.name; });

core::DrawStore ThreeDraws() {
    return StoreOf({
        {5, 17, 20, 30, 40, 45},
        {1, 5, 17, 22, 33, 44},
        {1, 2, 3, 4, 5, 6},
    });
}

TEST(Separation, KeepsEachNumberInItsNewestRecordAndMarksTheNewerDraw) {
    const auto r = core::Separation(ThreeDraws(), core::Game6x45, 2, Lang::English);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Starting from draw number 2");
    EXPECT_EQ(r->lines, (Cells{"01[05][17]22 33 44  ", "02 03 04 06  ", "", "Not Completed"}));
}

TEST(Separation, FromTheOldestDrawIsNotCompleted) {
    const auto r = core::Separation(ThreeDraws(), core::Game6x45, 1, Lang::Russian);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Расчёт начиная с тиража 1");
    EXPECT_EQ(r->lines, (Cells{"[01]02 03 04[05]06  ", "", "Не полный расёчт"}));
}

TEST(Separation, CompletedWhenEveryNumberComesBack) {
    // Newest first: draw 0, then the whole pool in draws 1..8 (the last one repeats 1..3).
    std::vector<core::Draw> draws{{1, 2, 3, 4, 5, 6}};
    for (int k = 0; k < 7; ++k) {
        core::Draw d{};
        for (int p = 0; p < 6; ++p) d[p] = static_cast<std::uint8_t>(1 + k * 6 + p);
        draws.push_back(d);
    }
    draws.push_back({1, 2, 3, 43, 44, 45});
    draws.push_back({1, 2, 3, 4, 5, 6});
    const auto s = StoreOf(draws);
    const auto r = core::Separation(s, core::Game6x45, s.DrawCount, Lang::English);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Starting from draw number 10");
    // Draw 0 and the eight draws to where 43..45 come back; no newer draw to mark.
    ASSERT_EQ(r->lines.size(), 10u);
    EXPECT_EQ(r->lines[0], "01 02 03 04 05 06");
    EXPECT_EQ(r->lines[1], "     ");
    EXPECT_EQ(r->lines[2], "07 08 09 10 11 12");
    EXPECT_EQ(r->lines[8], "43 44 45   ");
    EXPECT_EQ(r->lines[9], "");
}

TEST(Separation, AnswerOutsideTheDrawsIsRefused) {
    for (int a : {0, 4, -1, 2147483647})
        EXPECT_FALSE(core::Separation(ThreeDraws(), core::Game6x45, a, Lang::English)) << a;
    EXPECT_EQ(core::SeparationRangeMessage(3, Lang::English), "The draw number must be 1..3");
    EXPECT_EQ(core::SeparationRangeMessage(3, Lang::Russian), "Номер тиража должен быть от 1 до 3");
    EXPECT_FALSE(core::Separation(core::DrawStore{}, core::Game6x45, 1, Lang::English));
}

TEST(Separation, PromptTexts) {
    auto p = core::SeparationPrompt(120, Lang::English);
    EXPECT_EQ(p.caption, "Separation by groups");
    EXPECT_EQ(p.prompt, "Enter number of draw, 1..120");
    EXPECT_EQ(p.defaultText, "120");
    p = core::SeparationPrompt(120, Lang::Russian);
    EXPECT_EQ(p.caption, "Сепарация по группам");
    EXPECT_EQ(p.prompt, "Введите номер тиража, 1..120");
}

} // namespace
