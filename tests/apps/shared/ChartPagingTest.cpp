#include "apps/shared/Unit_graph2.h"
#include "components/chart/KerfGraph.h"
#include "components/skin/xpButton.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace {

class ChartPaging : public ::testing::Test {
protected:
    ChartPaging() {
        platform::SetProgramFolder(dir_.path());
        window_ = std::make_unique<TForm_graph2>(host_);
    }
    ~ChartPaging() override { platform::SetProgramFolder(""); }

    // A series over count draws: draw d holds d.
    static core::ChartData Draws(int count) {
        core::ChartData c;
        c.pagedSeries.emplace(count);
        std::iota(c.pagedSeries->begin(), c.pagedSeries->end(), 1);
        c.yMax = std::nullopt;
        return c;
    }
    TKerfsoftGraph& Chart() { return *window_->KerfsoftGraph1; }
    std::vector<std::string> Labels() {
        std::vector<std::string> texts;
        for (const auto& t : Chart().Layout().xLabels) texts.push_back(t.text);
        return texts;
    }

    testing_support::TempDir dir_;
    testing_support::ScopedDialogs dialogs_;
    testing_support::WindowTestHost host_{Bundle5x36};
    std::unique_ptr<TForm_graph2> window_;
};

TEST_F(ChartPaging, PagesLeftAndRightWithTheDrawNumbersAsLabels) {
    EXPECT_EQ(window_->xpButton_Left->geometry(), QRect(496, 0, 41, 25));
    EXPECT_EQ(window_->xpButton_Right->geometry(), QRect(536, 0, 41, 25));
    EXPECT_EQ(window_->xpButton_Left->Caption(), "<--");
    EXPECT_TRUE(window_->xpButton_Left->isHidden());
    // The page after showing, three to the left, three back.
    std::vector<int> firsts, offsets, points;
    std::vector<std::vector<std::string>> labels;
    bool visible = false;
    dialogs_->onModal = [&](platform::TForm&) {
        visible = !window_->xpButton_Left->isHidden() && !window_->xpButton_Right->isHidden();
        Chart().ResizeGraph();
        for (int i = 0; i < 7; ++i) {
            if (i) (i < 4 ? window_->xpButton_Left : window_->xpButton_Right)->click();
            firsts.push_back(window_->Series.SeriesFirst);
            offsets.push_back(Chart().XLabelOffset);
            points.push_back(Chart().Data.NumPoints);
            labels.push_back(Labels());
        }
    };
    window_->ShowChart(Draws(250), "Center of a group of numbers");
    ASSERT_EQ(dialogs_->modals.size(), 1u);
    EXPECT_EQ(dialogs_->modals[0].caption, "Center of a group of numbers");
    EXPECT_TRUE(visible);
    EXPECT_EQ(firsts, (std::vector<int>{200, 100, 0, 0, 100, 200, 200}));
    EXPECT_EQ(offsets, firsts);
    EXPECT_EQ(points, (std::vector<int>{50, 100, 100, 100, 100, 50, 50}));
    EXPECT_EQ(labels[0], (std::vector<std::string>{"210", "220", "230", "240", "250"}));
    ASSERT_EQ(labels[1].size(), 10u);
    EXPECT_EQ(labels[1].front(), "110");
    EXPECT_EQ(labels[1].back(), "200");
    EXPECT_EQ(Chart().Values(1, 1), 201);

    // Closing hides the buttons and drops the offset; the page position stays.
    EXPECT_TRUE(window_->xpButton_Left->isHidden());
    EXPECT_TRUE(window_->xpButton_Right->isHidden());
    EXPECT_EQ(Chart().XLabelOffset, 0);
    EXPECT_EQ(window_->Series.SeriesFirst, 200);
}

TEST_F(ChartPaging, ANewSeriesOpensItsLastFullPageAndAnUnpagedChartCountsFromOne) {
    window_->ShowChart(Draws(1500), "check sums");
    EXPECT_EQ(window_->Series.SeriesFirst, 1400);
    window_->ShowChart(Draws(300), "Characteristic number");
    EXPECT_EQ(window_->Series.SeriesFirst, 200);
    EXPECT_EQ(Chart().Data.NumPoints, 100);
    EXPECT_EQ(window_->Series.SeriesValues[301], 0);

    core::ChartData plain;
    for (int p = 1; p <= 5; ++p) plain.values.push_back({1, p, 10.0 * p});
    std::vector<std::string> labels;
    bool hidden = false;
    dialogs_->onModal = [&](platform::TForm&) {
        Chart().ResizeGraph();
        labels = Labels();
        hidden = window_->xpButton_Left->isHidden();
    };
    window_->ShowChart(plain, "Distribution");
    EXPECT_TRUE(hidden);
    EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

} // namespace
