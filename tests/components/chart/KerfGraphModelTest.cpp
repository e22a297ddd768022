#include "components/chart/KerfGraphModel.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <random>

using kerfgraph::KerfGraphModel;
using kerfgraph::kMaxYLegends;
using kerfgraph::RoundInt;

namespace {

// Counts the redraws the operations ask for.
class CountingModel : public KerfGraphModel {
public:
    int redraws = 0;
    void UpdateGraph() override { ++redraws; }
};

void Fill(KerfGraphModel& m, const std::vector<double>& values, int series = 1) {
    for (std::size_t i = 0; i < values.size(); ++i)
        m.SetValue(series, static_cast<int>(i) + 1, values[i]);
}

TEST(KerfGraphModelCreate, HasDefaultsAndScaledDemoData) {
    KerfGraphModel m;
    EXPECT_EQ(m.Data.Header, "Header");
    EXPECT_EQ(m.Data.XAxisHeader, "x-axis header");
    EXPECT_EQ(m.Data.SeriesLegends[1], "Series Legend");
    EXPECT_EQ(m.Data.SeriesLegends[100], "Series Legend");
    EXPECT_EQ(m.Data.PointLabels[100], "100");
    EXPECT_DOUBLE_EQ(m.Values(1, 2), 7.3);
    EXPECT_DOUBLE_EQ(m.Values(3, 25), 25);
    EXPECT_DOUBLE_EQ(m.Values(4, 3), 0);
    // The demo's maximum is 97: RoundEven(97 * 1.1 / 20) = RoundEven(5.335) = 5.
    EXPECT_EQ(m.Data.YStep, 5);
    EXPECT_EQ(m.Data.NumPoints, 25);
    EXPECT_EQ(m.Data.NumSeries, 4);
    EXPECT_EQ(m.Data.GraphType, 1);
    EXPECT_EQ(m.Data.MarginLeft, 45);
    EXPECT_EQ(m.Data.PlotWidth, 360);
    EXPECT_FALSE(m.OffsetXLabels);
    EXPECT_EQ(m.XLabelOffset, 0);
}

TEST(KerfGraphModelClear, EmptiesEverythingButTypeAndYLabels) {
    KerfGraphModel m;
    m.Data.GraphType = 7;
    m.Data.YLabels[3] = "keep";
    m.Data.PointLabels[4] = "x";
    m.NegativeData = true;
    m.ClearGraph();
    EXPECT_EQ(m.Data.GraphType, 7);
    EXPECT_EQ(m.Data.YLabels[3], "keep");
    EXPECT_EQ(m.Data.PointLabels[4], "4");
    EXPECT_EQ(m.Data.Header, "");
    EXPECT_EQ(m.Data.XAxisHeader, "");
    EXPECT_EQ(m.Data.SeriesLegends[1], "");
    EXPECT_EQ(m.Data.NumSeries, 1);
    EXPECT_EQ(m.Data.NumPoints, 0);
    EXPECT_EQ(m.Data.NumYLegends, 20);
    EXPECT_EQ(m.Data.YStep, 1.0);
    EXPECT_FALSE(m.NegativeData);
    for (int s = 1; s <= 100; ++s)
        for (int p = 1; p <= 100; ++p) ASSERT_EQ(m.Values(s, p), 0);
}

TEST(KerfGraphModelSetValue, IgnoresIndicesOutside1To100) {
    KerfGraphModel m;
    m.ClearGraph();
    for (auto [s, p] :
         std::vector<std::pair<int, int>>{{0, 1}, {101, 1}, {1, 0}, {1, 101}, {-1, 5}}) {
        m.SetValue(s, p, 9);
    }
    for (int s = 0; s <= 100; ++s)
        for (int p = 0; p <= 100; ++p) ASSERT_EQ(m.Values(s, p), 0) << s << "," << p;
    m.SetValue(100, 100, 3);
    EXPECT_EQ(m.Values(100, 100), 3);
}

TEST(KerfGraphModelSetValue, OnlyMinusOneOrLessMarksNegativeData) {
    struct Case {
        double value;
        bool negative;
    };
    for (const Case c : {Case{-0.5, false}, Case{-0.999, false}, Case{-1.0, true}, Case{-7, true},
                         Case{0, false}, Case{5, false}}) {
        KerfGraphModel m;
        m.ClearGraph();
        m.SetValue(1, 1, c.value);
        EXPECT_EQ(m.NegativeData, c.negative) << c.value;
    }
}

TEST(KerfGraphModelSetYRange, FixesStepCountAndGap) {
    struct Case {
        double max, min;
        double step;
        int legends, gap;
    };
    for (const Case c : {
             Case{1000, 0, 1.0, 1001, 0}, // 1000 / 9 is not below 1.0
             Case{255, 0, 1.0, 257, 0},   // RoundEven(255.5) = 256, + 1
             Case{50, 10, 1.0, 40, -10},  // above zero: the gap counts the steps below the start
             Case{5, 0, 1.0, 7, 0},       // 5 / 9 < 1: step RoundEven(0.75) = 1; RoundEven(5.5) + 1
         }) {
        testing_support::ScopedDialogs dialogs;
        KerfGraphModel m;
        m.ClearGraph();
        m.SetYRange(c.max, c.min);
        EXPECT_EQ(m.Data.YStep, c.step) << c.max << "," << c.min;
        EXPECT_EQ(m.Data.NumYLegends, c.legends) << c.max << "," << c.min;
        EXPECT_EQ(m.Data.YNegativeGapCount, c.gap) << c.max << "," << c.min;
        EXPECT_TRUE(dialogs->messages.empty());
    }
}

TEST(KerfGraphModelSetYRange, ShrinksALargeStepToTheRange) {
    testing_support::ScopedDialogs dialogs;
    KerfGraphModel m;
    m.ClearGraph();
    m.Data.YStep = 10;
    // 50 / 9 < 10: RoundEven(50 / 20 + 0.5) = 3; RoundEven(50 / 3 + 0.5) + 1 = 18.
    m.SetYRange(50, 0);
    EXPECT_EQ(m.Data.YStep, 3);
    EXPECT_EQ(m.Data.NumYLegends, 18);
    EXPECT_EQ(m.Data.YNegativeGapCount, 0);
}

TEST(KerfGraphModelSetYRange, AcrossZeroCountsTheStepsBelowZero) {
    testing_support::ScopedDialogs dialogs;
    KerfGraphModel m;
    m.ClearGraph();
    m.SetYRange(20, -5);
    EXPECT_EQ(m.Data.YStep, 1.0);
    EXPECT_EQ(m.Data.NumYLegends, 27); // RoundEven(25.5) + 1
    EXPECT_EQ(m.Data.YNegativeGapCount, 5);
}

TEST(KerfGraphModelSetYRange, BelowZeroGapOutOfRangeIsRefused) {
    testing_support::ScopedDialogs dialogs;
    KerfGraphModel m;
    m.ClearGraph();
    m.SetYRange(-10, -50);
    EXPECT_EQ(m.Data.NumYLegends, 40);
    EXPECT_EQ(m.Data.YNegativeGapCount, 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "YNegativeGapCount must be between 0 and 30");
}

TEST(KerfGraphModelSetYRange, MaximumNotAboveMinimumChangesNothing) {
    for (auto [mx, mn] : std::vector<std::pair<double, double>>{{5, 5}, {1, 2}, {-3, 0}}) {
        testing_support::ScopedDialogs dialogs;
        CountingModel m;
        m.ClearGraph();
        m.AutoUpdateGraph = true;
        m.redraws = 0;
        m.SetYRange(mx, mn);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0], "Maximum value must be greater than minimum value.");
        EXPECT_EQ(m.Data.YStep, 1.0);
        EXPECT_EQ(m.Data.NumYLegends, 20);
        EXPECT_EQ(m.Data.YNegativeGapCount, 0);
        EXPECT_EQ(m.redraws, 0);
    }
}

TEST(KerfGraphModelGap, AcceptsZeroTo29Only) {
    struct Case {
        int n;
        bool stored;
    };
    for (const Case c : {Case{0, true}, Case{29, true}, Case{12, true}, Case{30, false},
                         Case{-1, false}, Case{1000, false}}) {
        testing_support::ScopedDialogs dialogs;
        KerfGraphModel m;
        m.ClearGraph();
        m.Data.YNegativeGapCount = 7;
        m.SetYNegativeGapCount(c.n);
        EXPECT_EQ(m.Data.YNegativeGapCount, c.stored ? c.n : 7) << c.n;
        EXPECT_EQ(dialogs->messages.size(), c.stored ? 0u : 1u) << c.n;
        if (!c.stored) {
            EXPECT_EQ(dialogs->messages[0], "YNegativeGapCount must be between 0 and 30");
        }
    }
}

TEST(KerfGraphModelAutoScale, HoldsTheFactorsAtExtendedPrecision) {
    KerfGraphModel m;
    m.ClearGraph();
    Fill(m, {100, 700, 300});
    m.AutoScale();
    // 700 x 1.1 / 20 is 38.5 at extended precision, so halves-to-even gives 38; double
    // arithmetic would give 38.500000000000007 and 39.
    EXPECT_EQ(m.Data.YStep, 38);
    EXPECT_EQ(m.Data.NumPoints, 3);
    EXPECT_EQ(m.Data.NumSeries, 1);
    EXPECT_EQ(m.Data.YLabels[2], "38");
    EXPECT_EQ(m.Data.YLabels[30], "1102");
}

TEST(KerfGraphModelAutoScale, StepFromTheMaximum) {
    struct Case {
        std::vector<double> values;
        double step;
        int legends; // starting from ClearGraph's 20
    };
    for (const Case& c : {Case{{1000, 2}, 55, 20}, Case{{150}, 8, 20}, Case{{250}, 14, 20},
                          Case{{5, 1}, 1, 5},    // RoundEven(0.275) = 0: step 1, 5 steps
                          Case{{0, 0}, 1, 1}}) { // all zero: one step
        KerfGraphModel m;
        m.ClearGraph();
        Fill(m, c.values);
        m.AutoScale();
        EXPECT_EQ(m.Data.YStep, c.step) << c.values[0];
        EXPECT_EQ(m.Data.NumYLegends, c.legends) << c.values[0];
    }
}

TEST(KerfGraphModelAutoScale, AllZeroShowsNothing) {
    KerfGraphModel m;
    m.ClearGraph();
    m.AutoScale();
    EXPECT_EQ(m.Data.YStep, 1.0);
    EXPECT_EQ(m.Data.NumYLegends, 1);
    EXPECT_EQ(m.Data.NumPoints, 0);
    EXPECT_EQ(m.Data.NumSeries, 0);
    EXPECT_EQ(m.Data.PointAverages[1], 0);
}

TEST(KerfGraphModelAutoScale, CountsOnlyUpToTheLastNonZeroValue) {
    KerfGraphModel m;
    m.ClearGraph();
    std::vector<double> v(45, 3);
    v[44] = 0;
    v[10] = 0;
    Fill(m, v);
    m.SetValue(3, 2, 1);
    m.AutoScale();
    EXPECT_EQ(m.Data.NumPoints, 44);
    EXPECT_EQ(m.Data.NumSeries, 3);
}

TEST(KerfGraphModelAutoScale, KeepsTheStepCountOfTheRange) {
    KerfGraphModel m;
    m.ClearGraph();
    Fill(m, {400, 200});
    m.SetYRange(1000, 0);
    m.AutoScale();
    EXPECT_EQ(m.Data.NumYLegends, 1001); // the drawing clamps it to 30
    EXPECT_EQ(m.Data.YStep, 22);         // RoundEven(440 / 20)
}

TEST(KerfGraphModelAutoScale, NegativeValuesSwitchToLinesWithAGap) {
    KerfGraphModel m;
    m.ClearGraph();
    Fill(m, {30, -5});
    m.AutoScale();
    EXPECT_TRUE(m.NegativeData);
    EXPECT_EQ(m.Data.GraphType, 3);
    EXPECT_EQ(m.Data.YStep, 2);             // RoundEven(35 x 1.1 / 20) = RoundEven(1.925)
    EXPECT_EQ(m.Data.YNegativeGapCount, 2); // RoundEven(2.5): the even neighbour
    EXPECT_EQ(m.Data.YLabels[1], "-4");
    EXPECT_EQ(m.Data.YLabels[3], "0");
}

TEST(KerfGraphModelAutoScale, SmallNegativeValueIsFoundByTheScan) {
    KerfGraphModel m;
    m.ClearGraph();
    Fill(m, {10, -0.5});
    EXPECT_FALSE(m.NegativeData);
    m.AutoScale();
    EXPECT_TRUE(m.NegativeData);
    EXPECT_EQ(m.Data.GraphType, 3);
    EXPECT_EQ(m.Data.YStep, 1);             // RoundEven(0.5775)
    EXPECT_EQ(m.Data.YNegativeGapCount, 0); // RoundEven(0.5) = 0
}

TEST(KerfGraphModelAutoScale, StackedScaleReachesTheTallestStack) {
    KerfGraphModel m;
    m.ClearGraph();
    m.DefaultGraphType = 2;
    m.SetValue(1, 1, 100);
    m.SetValue(2, 1, 90);
    m.AutoScale();
    EXPECT_EQ(m.Data.GraphType, 2);
    // RoundEven(100 / 1.9 / 20 x 2) = 5 over 20 steps reaches 100 of the stack of 190; 30 steps
    // of 5 would not either, so the step is the next that fits: 7 x 30 = 210.
    EXPECT_EQ(m.Data.YStep, 7);
    EXPECT_EQ(m.Data.NumYLegends, 30);
}

// The scale's top, as a drawing shows it, is never below the largest value; where the step
// and step count already reach it they stand as computed.
TEST(KerfGraphModelAutoScale, TopNeverBelowTheLargestValue) {
    struct Feed {
        bool range1000; // the programs' SetYRange(1000, 0), or none (20 steps)
        double min;
    };
    for (const Feed feed : {Feed{false, 0}, Feed{true, 0}, Feed{false, -7}, Feed{true, -300}}) {
        std::vector<double> maxima;
        for (int v = 0; v <= 200; ++v) maxima.push_back(v);
        for (double v : {999.0, 1000.0, 12345.0, 2978283.0, 1e9}) maxima.push_back(v);
        for (double mx : maxima) {
            KerfGraphModel m, part;
            for (KerfGraphModel* g : {&m, &part}) {
                g->ClearGraph();
                g->SetValue(1, 1, mx);
                g->SetValue(1, 2, feed.min);
                if (feed.range1000) g->SetYRange(1000, 0);
            }
            m.AutoScale();
            const auto& d = m.Data;
            const int drawn = std::min(d.NumYLegends, kMaxYLegends);
            SCOPED_TRACE(::testing::Message() << mx << " " << feed.range1000 << " " << feed.min);
            EXPECT_GE(d.YStep * (drawn - d.YNegativeGapCount), mx);
            EXPECT_GE(d.YStep * d.YNegativeGapCount, -feed.min - d.YStep / 2);
            // The step and count the rules give, where they already reach the top.
            const double step = RoundInt(mx * 1.1L / 20) == 0 ? 1 : RoundInt(mx * 1.1L / 20);
            if (feed.min == 0 && step * std::min(part.Data.NumYLegends, kMaxYLegends) >= mx &&
                RoundInt(mx * 1.1L / 20) != 0) {
                EXPECT_EQ(d.YStep, step);
                EXPECT_EQ(d.NumYLegends, part.Data.NumYLegends);
            }
        }
    }
    // The case users met: a maximum of 27 over 20 steps of 1 gets 27 steps of 1.
    KerfGraphModel m;
    m.ClearGraph();
    m.SetValue(1, 1, 27);
    m.AutoScale();
    EXPECT_EQ(m.Data.YStep, 1);
    EXPECT_EQ(m.Data.NumYLegends, 27);
}

TEST(KerfGraphModelAverages, DivideBySeriesCount) {
    KerfGraphModel m;
    m.ClearGraph();
    m.SetValue(1, 1, 3);
    m.SetValue(2, 1, 6);
    m.SetValue(1, 2, 1);
    m.AutoScale();
    EXPECT_DOUBLE_EQ(m.Data.PointAverages[1], 4.5);
    EXPECT_DOUBLE_EQ(m.Data.PointAverages[2], 0.5);
    m.Data.NumSeries = 0;
    m.CalcAverages();
    EXPECT_EQ(m.Data.PointAverages[1], 0);
}

TEST(KerfGraphModelTranspose, SwapsSeriesAndPoints) {
    KerfGraphModel m;
    m.ClearGraph();
    std::vector<double> v;
    for (int i = 1; i <= 45; ++i) v.push_back(i * 2);
    Fill(m, v);
    m.AutoScale();
    const double step = m.Data.YStep;
    m.Transpose();
    EXPECT_EQ(m.Data.NumSeries, 45);
    EXPECT_EQ(m.Data.NumPoints, 1);
    EXPECT_EQ(m.Values(7, 1), 14);
    EXPECT_EQ(m.Data.SeriesLegends[7], "7");
    EXPECT_EQ(m.Data.PointLabels[1], "");
    EXPECT_EQ(m.Data.YStep, step);
    EXPECT_DOUBLE_EQ(m.Data.PointAverages[1], 46);
}

TEST(KerfGraphModelTranspose, TwiceRestoresEverything) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> val(-50, 500);
    KerfGraphModel m;
    m.ClearGraph();
    for (int s = 1; s <= 100; ++s)
        for (int p = 1; p <= 100; ++p)
            if (rng() % 3 == 0) m.SetValue(s, p, val(rng));
    for (int i = 1; i <= 100; ++i) {
        m.Data.SeriesLegends[i] = "series " + std::to_string(i);
        m.Data.PointLabels[i] = "point " + std::to_string(i);
    }
    m.Data.NumSeries = 37;
    m.Data.NumPoints = 81;
    const auto data = m.Data;
    std::vector<double> values;
    for (int s = 1; s <= 100; ++s)
        for (int p = 1; p <= 100; ++p) values.push_back(m.Values(s, p));

    m.Transpose();
    EXPECT_EQ(m.Data.NumSeries, 81);
    EXPECT_EQ(m.Data.NumPoints, 37);
    m.Transpose();
    EXPECT_EQ(m.Data.NumSeries, 37);
    EXPECT_EQ(m.Data.NumPoints, 81);
    EXPECT_EQ(m.Data.SeriesLegends, data.SeriesLegends);
    EXPECT_EQ(m.Data.PointLabels, data.PointLabels);
    EXPECT_EQ(m.Data.YStep, data.YStep);
    std::size_t k = 0;
    for (int s = 1; s <= 100; ++s)
        for (int p = 1; p <= 100; ++p) ASSERT_EQ(m.Values(s, p), values[k++]);
}

TEST(KerfGraphModelShowAs, RestoresTheSavedScaleAndSetsTheType) {
    struct Case {
        void (KerfGraphModel::*op)();
        int type;
    };
    for (const Case c :
         {Case{&KerfGraphModel::ShowAsBar, 1}, Case{&KerfGraphModel::ShowAsBarWithAve, 4},
          Case{&KerfGraphModel::ShowAsLine, 7}, Case{&KerfGraphModel::ShowAsMark, 8}}) {
        CountingModel m;
        m.ClearGraph();
        m.Data.YStep = 4;
        m.Data.NumYLegends = 12;
        m.Data.YNegativeGapCount = 2;
        m.Data.GraphType = 5;
        m.PrepareDrawing(20);
        EXPECT_EQ(m.Data.YStep, 10);
        EXPECT_EQ(m.Data.NumYLegends, 10);
        EXPECT_EQ(m.Data.YNegativeGapCount, 0);
        EXPECT_EQ(m.Data.YLabels[11], "100");
        m.redraws = 0;
        (m.*c.op)();
        EXPECT_EQ(m.Data.GraphType, c.type);
        EXPECT_EQ(m.Data.YStep, 4);
        EXPECT_EQ(m.Data.NumYLegends, 12);
        EXPECT_EQ(m.Data.YNegativeGapCount, 2);
        EXPECT_EQ(m.redraws, 1);
    }
}

TEST(KerfGraphModelPrepare, ClampsAndMovesTheTopMarginOnly) {
    KerfGraphModel m;
    m.ClearGraph();
    m.Data.NumYLegends = 1001;
    m.Data.NumPoints = 150;
    m.Data.NumSeries = 300;
    m.Data.YStep = 0;
    m.Data.MarginTop = 40;
    m.Data.PlotHeight = 333;
    m.PrepareDrawing(24);
    EXPECT_EQ(m.Data.NumYLegends, 30);
    EXPECT_EQ(m.Data.NumPoints, 100);
    EXPECT_EQ(m.Data.NumSeries, 100);
    EXPECT_EQ(m.Data.YStep, 1.0);
    EXPECT_EQ(m.Data.MarginTop, 32);
    EXPECT_EQ(m.Data.PlotHeight, 341); // the plot's bottom stays at 373
    EXPECT_EQ(m.Data.YLabels[30], "29");
    EXPECT_EQ(m.Data.YLabels[31], "");
    m.Data.NumYLegends = 0;
    m.PrepareDrawing(24);
    EXPECT_EQ(m.Data.NumYLegends, 1);
}

TEST(KerfGraphModelPrepare, HorizontalBarsLabelFromTheMiddle) {
    KerfGraphModel m;
    m.ClearGraph();
    m.Data.GraphType = 9;
    m.Data.NumYLegends = 10;
    m.Data.YStep = 5;
    m.Data.YNegativeGapCount = 1;
    m.PrepareDrawing(20);
    EXPECT_EQ(m.Data.YLabels[1], "-25");
    EXPECT_EQ(m.Data.YLabels[6], "0");
    EXPECT_EQ(m.Data.YNegativeGapCount, 1);
    EXPECT_EQ(m.SavedGap, 1);
}

TEST(KerfGraphModelTexts, HeadersKeepTheFirst70Characters) {
    KerfGraphModel m;
    m.SetHeader(std::string(80, 'a'));
    EXPECT_EQ(m.Data.Header, std::string(70, 'a'));
    std::string ru;
    for (int i = 0; i < 75; ++i) ru += "ж";
    m.SetXAxisHeader(ru);
    EXPECT_EQ(kerfgraph::CharCount(m.Data.XAxisHeader), 70);
    EXPECT_EQ(m.Data.XAxisHeader.size(), 140u);
}

TEST(KerfGraphModelRedraw, SettersRedrawOnlyWithAutoUpdate) {
    testing_support::ScopedDialogs dialogs;
    CountingModel m;
    m.redraws = 0;
    m.SetValue(1, 1, 2);
    m.SetHeader("h");
    m.SetXAxisHeader("x");
    m.SetYNegativeGapCount(1);
    m.SetYRange(10, 0);
    m.SetSchemeColor(1, 1, core::clRed);
    m.ClearGraph();
    EXPECT_EQ(m.redraws, 0);
    m.AutoScale();
    m.Transpose();
    EXPECT_EQ(m.redraws, 2);
    m.AutoUpdateGraph = true;
    m.redraws = 0;
    m.SetValue(1, 1, 2);
    m.SetHeader("h");
    m.SetXAxisHeader("x");
    m.SetYNegativeGapCount(1);
    m.SetSchemeColor(1, 1, core::clRed);
    EXPECT_EQ(m.redraws, 5);
}

TEST(KerfGraphModelColors, TheStoreKeepsNothing) {
    KerfGraphModel m;
    const std::vector<std::pair<int, core::TColor>> expected = {
        {-2, 0xFFFFFF}, {-1, 0xFFFFFF}, {0, 0x000000},  {1, 0x00FF00},  {2, 0xFF0000},
        {3, 0x0000FF},  {4, 0x008000},  {5, 0x000080},  {6, 0x008080},  {7, 0xC0C0C0},
        {8, 0x808000},  {9, 0x000000},  {10, 0xFFFF00}, {11, 0x888888}, {99, 0x888888}};
    for (auto [index, color] : expected) EXPECT_EQ(m.GetSchemeColor(1, index), color) << index;
    m.SetSchemeColor(1, 1, core::clRed);
    EXPECT_EQ(m.GetSchemeColor(1, 1), core::clLime);
    EXPECT_EQ(m.GetSchemeColor(2, 3), core::clRed);
    m.SetIniFileName("/x/color.ini");
    EXPECT_EQ(m.IniFileName, "/x/color.ini");
}

TEST(KerfGraphModelColors, NamesConvertBothWays) {
    EXPECT_EQ(kerfgraph::StringToColor("clLime"), core::clLime);
    EXPECT_EQ(kerfgraph::StringToColor("$00888888"), 0x888888u);
    EXPECT_EQ(kerfgraph::StringToColor("255"), 255u);
    EXPECT_EQ(kerfgraph::ColorToString(core::clRed), "clRed");
    EXPECT_EQ(kerfgraph::ColorToString(0x123456), "$00123456");
}

TEST(KerfGraphModelValueText, FixedThreeDecimalsSevenDigits) {
    const std::vector<std::pair<double, std::string>> cases = {
        {110, "110.000"},         {0, "0.000"},
        {-0.5, "-0.500"},         {2.0625, "2.063"},
        {12345.678, "12345.680"}, {1234567.8, "1234568.000"},
        {0.12345, "0.123"},       {12345678, "1.234568E+007"}};
    for (const auto& [v, text] : cases) EXPECT_EQ(KerfGraphModel::ValueText(v), text) << v;
}

TEST(KerfGraphModelRounding, HalvesGoToEven) {
    EXPECT_EQ(kerfgraph::RoundInt(2.5L), 2);
    EXPECT_EQ(kerfgraph::RoundInt(5.5L), 6);
    EXPECT_EQ(kerfgraph::RoundInt(1000.5L), 1000);
    EXPECT_EQ(kerfgraph::RoundInt(-2.5L), -2);
    EXPECT_EQ(kerfgraph::RoundInt(1e30L), INT_MAX);
    EXPECT_EQ(kerfgraph::RoundInt(std::nanl("")), 0);
}

} // namespace
