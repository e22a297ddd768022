#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_graph2.h"
#include "components/chart/KerfGraph.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Host : public EditionHost {
public:
    Host() : EditionHost(Bundle6x45) {}
    core::Lang Language() const override { return core::Lang::English; }
    const core::DrawStore& Store() const override { return store_; }

private:
    core::DrawStore store_;
};

class ChartWindow : public ::testing::Test {
protected:
    ChartWindow() {
        platform::SetProgramFolder(dir_.path());
        window_ = std::make_unique<TForm_graph2>(host_);
    }
    ~ChartWindow() override { platform::SetProgramFolder(""); }

    core::ChartData FortyFive() const {
        core::ChartData c;
        for (int i = 1; i <= 45; ++i) c.values.push_back({1, i, 100.0 + (i * 37) % 60});
        return c;
    }
    TKerfsoftGraph& Chart() { return *window_->KerfsoftGraph1; }

    testing_support::TempDir dir_;
    testing_support::ScopedDialogs dialogs_;
    Host host_;
    std::unique_ptr<TForm_graph2> window_;
};

TEST_F(ChartWindow, CreateSetsTheChartUp) {
    EXPECT_EQ(window_->Caption(), "Statistics - Most Frequently Numbers for all games");
    EXPECT_EQ(window_->Width(), 713);
    EXPECT_EQ(window_->Height(), 527);
    EXPECT_FALSE(Chart().ShowLegend);
    EXPECT_EQ(Chart().Data.Header, "Vintara");
    EXPECT_EQ(Chart().Data.XAxisHeader, "");
    EXPECT_EQ(Chart().IniFileName, dir_.path() + "/color.ini");
    EXPECT_EQ(Chart().width(), 705);
    EXPECT_EQ(Chart().height(), 413);
    EXPECT_EQ(Chart().Data.PlotWidth, 682);
    EXPECT_TRUE(dialogs_->messages.empty());
}

TEST_F(ChartWindow, HandOverFillsScalesTitlesAndShows) {
    auto c = FortyFive();
    c.header = "Counts";
    window_->ShowChart(c, "Pairs Statistics in last 20 draws");
    ASSERT_EQ(dialogs_->modals.size(), 1u);
    EXPECT_EQ(dialogs_->modals[0].caption, "Pairs Statistics in last 20 draws");
    EXPECT_EQ(dialogs_->modals[0].form, window_.get());
    EXPECT_EQ(Chart().Data.Header, "Counts");
    EXPECT_EQ(Chart().Data.NumPoints, 45);
    EXPECT_EQ(Chart().Data.NumSeries, 1);
    EXPECT_EQ(Chart().Data.YStep, 9);        // RoundEven(159 x 1.1 / 20)
    EXPECT_EQ(Chart().Data.NumYLegends, 30); // 1001 steps of the range, clamped by the drawing
    EXPECT_EQ(Chart().Layout().ColumnWidth, 14);
    EXPECT_EQ(Chart().Layout().BarWidth, 13);
    EXPECT_EQ(Chart().Data.GraphType, 1);
}

TEST_F(ChartWindow, HandOverWithoutRangeOrHeader) {
    window_->ShowChart(FortyFive(), "Vintara");
    auto c = FortyFive();
    c.yMax.reset();
    window_->ShowChart(c, "Last skip's chart");
    EXPECT_EQ(Chart().Data.Header, ""); // ClearGraph empties it
    EXPECT_EQ(Chart().Data.NumYLegends, 20);
    EXPECT_EQ(dialogs_->modals.back().caption, "Last skip's chart");
}

TEST_F(ChartWindow, HandOverOfARangeOf255) {
    auto c = FortyFive();
    c.yMax = 255;
    c.autoScale = false;
    window_->ShowChart(c, "Combinations");
    EXPECT_EQ(Chart().Data.NumYLegends, 257);
    EXPECT_EQ(Chart().Data.NumPoints, 0); // not scaled
}

TEST_F(ChartWindow, HandOverOfAWrongRangeIsReported) {
    auto c = FortyFive();
    c.yMax = 0;
    c.yMin = 0;
    window_->ShowChart(c, "x");
    ASSERT_EQ(dialogs_->messages.size(), 1u);
    EXPECT_EQ(dialogs_->messages[0], "Maximum value must be greater than minimum value.");
    EXPECT_EQ(dialogs_->modals.size(), 1u);
}

TEST_F(ChartWindow, HandOverSetsSchemeColoursBeforeValues) {
    auto c = FortyFive();
    c.schemeColors.push_back({1, 1, core::clRed});
    window_->ShowChart(c, "Check Sum");
    const auto& bar = Chart().Layout().bars[3].box;
    // The colour store keeps nothing: still lime.
    EXPECT_EQ(Chart().Picture().Canvas().Pixel((bar.x1 + bar.x2) / 2, bar.y1 - 3), core::clLime);
}

TEST_F(ChartWindow, GraphTypeButtonsSwitchTypes) {
    window_->ShowChart(FortyFive(), "x");
    struct Case {
        QToolButton* button;
        int type;
    };
    for (const Case c :
         {Case{window_->SpeedButton_Line, 7}, Case{window_->SpeedButton_Bar_with_ave, 4},
          Case{window_->SpeedButton_mark, 8}, Case{window_->SpeedButton1, 1}}) {
        c.button->click();
        EXPECT_EQ(Chart().Data.GraphType, c.type);
    }
    EXPECT_EQ(window_->SpeedButton_Line->toolTip(), "ShowAsLine");
    EXPECT_EQ(window_->SpeedButton_Bar_with_ave->toolTip(), "ShowAsBarWithAve");
    EXPECT_EQ(window_->SpeedButton_mark->toolTip(), "ShowAsMark");
    EXPECT_EQ(window_->SpeedButton1->toolTip(), "ShowAsBar");
    EXPECT_EQ(window_->SpeedButton2->toolTip(), "");
    EXPECT_EQ(window_->SpeedButton_mark->geometry(), QRect(56, 0, 25, 25));
}

TEST_F(ChartWindow, MarkButtonShowsLimeMarks) {
    window_->ShowChart(FortyFive(), "x");
    window_->SpeedButton_mark->click();
    const auto& m = Chart().Layout().marks.at(5);
    EXPECT_EQ(Chart().Picture().Canvas().Pixel(m.at.x, m.at.y - Chart().Data.MarkSize),
              core::clLime);
}

TEST_F(ChartWindow, TransposeButtonMakesOnePointOfManySeries) {
    window_->ShowChart(FortyFive(), "x");
    window_->SpeedButton2->click();
    EXPECT_EQ(Chart().Data.NumSeries, 45);
    EXPECT_EQ(Chart().Data.NumPoints, 1);
    EXPECT_FALSE(Chart().ShowLegend);
    EXPECT_TRUE(Chart().Layout().legends.empty());
    window_->SpeedButton2->click();
    EXPECT_EQ(Chart().Data.NumSeries, 1);
    EXPECT_EQ(Chart().Data.NumPoints, 45);
}

TEST_F(ChartWindow, CopyPutsTheChartOnTheClipboard) {
    window_->ShowChart(FortyFive(), "x");
    QGuiApplication::clipboard()->clear();
    window_->CopyImagetoClipboard1->trigger();
    const QImage img = QGuiApplication::clipboard()->image();
    EXPECT_EQ(img.size(), QSize(705, 413));
    EXPECT_EQ(img.convertToFormat(QImage::Format_RGB32),
              Chart().Picture().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(window_->CopyImagetoClipboard1->text(), "Copy Image to Clipboard");
}

TEST_F(ChartWindow, RightClickCopiesNoInfoBox) {
    window_->ShowChart(FortyFive(), "x");
    const QImage before = Chart().Picture().Image().copy();
    Chart().MousePressed(Qt::RightButton, 200, 200);
    window_->CopyImagetoClipboard1Click();
    Chart().MouseReleased(Qt::RightButton, 200, 200);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              before.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ChartWindow, ResizeRefitsTheChartToTheBottom) {
    window_->show(); // a hidden window gets its resize when it is shown
    window_->SetBounds(0, 0, 900, 600);
    EXPECT_EQ(Chart().height(), 600 - 25 - 40);
    EXPECT_EQ(Chart().width(), 892);
    EXPECT_EQ(Chart().y() + Chart().height(), window_->clientArea()->height());
    EXPECT_EQ(Chart().Picture().Width(), 892);
    EXPECT_EQ(Chart().Data.PlotWidth, kerfgraph::RoundInt(892 - 22.5L));
}

} // namespace
