#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/chart/Image.h"
#include "components/chart/KerfGraphModel.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class HistogramWindow : public ::testing::Test {
protected:
    HistogramWindow() { platform::SetProgramFolder(dir_.path()); }
    ~HistogramWindow() override { platform::SetProgramFolder(""); }

    testing_support::TempDir dir_;
    testing_support::ScopedDialogs dialogs_;
};

TEST_F(HistogramWindow, CreatedWithFortyFiveBins) {
    VovuvWindows windows;
    ASSERT_EQ(Form_graph, windows.graph.get());
    ASSERT_TRUE(Form_graph->Histogram);
    const auto& h = *Form_graph->Histogram;
    EXPECT_EQ(h.Count, 45);
    EXPECT_EQ(h.LowerBound, 1);
    EXPECT_EQ(h.UpperBound, 45);
    EXPECT_EQ(h.TargetImage, Form_graph->Image1);
    EXPECT_EQ(Form_graph->Width(), 696);
    EXPECT_EQ(Form_graph->Height(), 480);
    EXPECT_EQ(Form_graph->Image1->Picture().Width(), Form_graph->clientArea()->width());
    EXPECT_EQ(Form_graph->Image1->Picture().Height(), Form_graph->clientArea()->height());
}

TEST_F(HistogramWindow, SpansHandOverDrawsTheBars) {
    VovuvWindows windows;
    auto& h = *Form_graph->Histogram;
    h.Clear();
    for (int j = 0; j < 45; ++j) h.hv.SetValue(j, j == 20 ? 9 : 3);
    h.FirstLabel = 0;
    h.Draw();
    Form_graph->SetCaption("Spans");
    Form_graph->ShowModal();
    ASSERT_EQ(dialogs_->modals.size(), 1u);
    EXPECT_EQ(dialogs_->modals[0].caption, "Spans");
    auto& pic = Form_graph->Image1->Picture();
    const int W = pic.Width(), H = pic.Height();
    const long double w = static_cast<float>(static_cast<long double>(W) / 47);
    const int x = kerfgraph::RoundInt(21.5L * w);
    EXPECT_EQ(pic.Canvas().Pixel(x, H - 10), 0xFF0000u);
    EXPECT_EQ(pic.Canvas().Pixel(x, H * 1 / 10 + 2), 0xFF0000u); // bin 20 reaches up high
}

TEST_F(HistogramWindow, ResizingRedrawsAtTheNewSize) {
    VovuvWindows windows;
    Form_graph->show();
    Form_graph->SetBounds(0, 0, 500, 300);
    EXPECT_EQ(Form_graph->Image1->Picture().Width(), Form_graph->clientArea()->width());
    EXPECT_EQ(Form_graph->Image1->Picture().Canvas().Pixel(1, 100), 0x000000u);
}

TEST_F(HistogramWindow, MainWindowCloseFreesTheHistogram) {
    VovuvWindows windows;
    windows.form1->NotifyClosed();
    EXPECT_FALSE(Form_graph->Histogram);
    Form_graph->show();
    Form_graph->SetBounds(0, 0, 600, 400); // resizing afterwards draws nothing
}

} // namespace
