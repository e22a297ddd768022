#include "apps/pentadraw/RndTestRun.h"
#include "apps/pentadraw/Unit_high.h"
#include "apps/pentadraw/Unit_map_2.h"
#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_memo.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpEdit.h"
#include "platform/Canvas.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/Stores.h"

#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

using testing_support::ScopedDialogs;
using testing_support::StoreOf;
using Lines = std::vector<std::string>;

class Host : public EditionHost {
public:
    bool IsRussian() const override { return false; }
    const core::DrawStore& Store() const override { return store; }
    const core::Game& GameRules() const override { return core::Game5x36; }
    core::DrawStore store;
};

// The colour the highlighter gives the character at pos of line.
QColor ColourAt(const THighMemo& memo, int line, int pos) {
    const QTextBlock block = memo.document()->findBlockByNumber(line);
    for (const auto& range : block.layout()->formats())
        if (pos >= range.start && pos < range.start + range.length)
            return range.format.foreground().color();
    return {};
}

TEST(HighLighterWindow, TypingASetPaintsItsNumbersRed) {
    ScopedDialogs dialogs;
    TForm_high form;
    EXPECT_EQ(form.Caption(), " HighLighter");
    form.Memo1->SetText("05 12 33\r\na5,5;12x 005");
    QTest::keyClicks(form.Edit1, "5 x12");
    EXPECT_EQ(form.Edit1->Text(), "5  12");
    EXPECT_EQ(form.HighlightNumbers, (std::vector<std::uint8_t>{5, 12}));
    const QColor red = platform::ToQColor(core::clRed);
    const QColor black = platform::ToQColor(core::clBlack);
    EXPECT_EQ(ColourAt(*form.Memo1, 0, 0), red);
    EXPECT_EQ(ColourAt(*form.Memo1, 0, 3), red);
    EXPECT_EQ(ColourAt(*form.Memo1, 0, 6), black);
    EXPECT_EQ(ColourAt(*form.Memo1, 1, 0), black); // a5
    EXPECT_EQ(ColourAt(*form.Memo1, 1, 3), red);   // 5
    EXPECT_EQ(ColourAt(*form.Memo1, 1, 5), black); // 12x
    EXPECT_EQ(ColourAt(*form.Memo1, 1, 9), red);   // 005
}

TEST(HighLighterWindow, EnterRunsExecuteOnTheMemo) {
    ScopedDialogs dialogs;
    TForm_high form;
    form.Memo1->SetText("05 12 33\r\n1 2 3");
    form.Edit1->SetText("5 12");
    QTest::keyClick(form.Edit1, Qt::Key_Return);
    const Lines lines = form.Memo1->Lines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "05 12 33         # [2]");
    EXPECT_EQ(lines[1], "1 2 3");
    EXPECT_EQ(lines[4], "    Matches   Times:");
    EXPECT_EQ(lines[5], "# 2:               1");
    EXPECT_EQ(form.Edit1->Text(), "5 12");
}

class Map2Window : public ::testing::Test {
protected:
    Map2Window() { host.store = StoreOf({{1, 7, 20, 33, 36}, {2, 8, 9, 10, 11}, {3, 4, 5, 6, 7}}); }
    core::TColor At(int col, int row) {
        QImage image(400, 400, QImage::Format_RGB32);
        form->StringGrid1->resize(400 + 20, 400 + 20);
        form->StringGrid1->Render(image);
        // The middle of the cell: pitch 18, the header 40 high.
        const int x = col * 18 + 12;
        const int y = row == 0 ? 30 : 41 + (row - 1) * 18 + 12;
        return platform::FromQColor(image.pixelColor(x, y));
    }
    ScopedDialogs dialogs;
    Host host;
    std::unique_ptr<TForm_map_2> form;
};

TEST_F(Map2Window, DrawnCellsAreBlueAndHeaderClicksMarkYellow) {
    form = std::make_unique<TForm_map_2>(host);
    EXPECT_EQ(form->Grid().Cell(1, 0), "  3");
    EXPECT_EQ(form->StringGrid1->MouseToCell({20, 10}), QPoint(1, 0));
    EXPECT_EQ(form->StringGrid1->MouseToCell({5, 41 + 6 * 18 + 3}), QPoint(0, 7));
    const auto yellow = core::clYellow;
    const auto blue = core::clBlue;
    const auto white = core::ColorToRGB(core::clWindow);
    EXPECT_EQ(At(1, 1), blue);
    EXPECT_EQ(At(2, 1), white);
    form->StringGrid1MouseDown(0, 7);
    EXPECT_EQ(At(1, 7), blue);
    EXPECT_EQ(At(2, 7), yellow);
    EXPECT_EQ(At(3, 7), blue);
    form->StringGrid1MouseDown(2, 0);
    EXPECT_EQ(At(2, 1), yellow);
    EXPECT_EQ(At(2, 2), blue);
    form->StringGrid1MouseDown(0, 0);
    form->Clear1Click();
    EXPECT_EQ(At(2, 7), white);
    EXPECT_EQ(At(2, 1), white);
}

TEST_F(Map2Window, KeepsTheDrawsOfItsCreation) {
    form = std::make_unique<TForm_map_2>(host);
    host.store = StoreOf({{1, 2, 3, 4, 5}});
    EXPECT_EQ(form->Grid().ColCount(), 4);
    EXPECT_EQ(At(1, 1), core::clBlue);
    EXPECT_EQ(At(1, 2), core::ColorToRGB(core::clWindow));
}

TEST(RndTestRun, AppendsOneLinePerDrawAndStops) {
    const auto store = StoreOf({{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}});
    core::RandomGenerator random;
    TRndTestRun run;
    Lines lines;
    int finished = 0;
    run.Start(
        store, {6, 5}, 2, core::Lang::English, random,
        [&](const std::string& l) { lines.push_back(l); }, [&] { ++finished; });
    EXPECT_TRUE(run.Running());
    QTRY_VERIFY(!run.Running());
    EXPECT_EQ(finished, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 3), "2: ");
    EXPECT_EQ(lines[1].substr(0, 3), "1: ");

    const auto big = StoreOf({{1, 2, 3, 4, 5}});
    run.Start(
        big, core::Game5x36, 1, core::Lang::English, random, [&](const std::string&) {},
        [&] { ++finished; });
    run.Stop();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(finished, 2);
}

TEST(RndTestCommand, AppendsBelowTheTextAndGivesTheButtonBack) {
    ScopedDialogs dialogs;
    Host host;
    host.store = StoreOf({{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}});
    TForm_memo memo(host);
    Form_memo = &memo;
    memo.Memo1->SetText("before");
    TxpButton button;
    core::RandomGenerator random;
    TRndTestRun run;
    dialogs->inputs.push_back("9");
    RndTestCommand(run, host, button, random);
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Enter number of last draws 1..2");
    EXPECT_EQ(dialogs->prompts.at(0).defaultText, "2");
    EXPECT_FALSE(button.Enabled());
    QTRY_VERIFY_WITH_TIMEOUT(!run.Running(), 60000);
    EXPECT_TRUE(button.Enabled());
    const Lines lines = memo.Memo1->Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "before");
    EXPECT_EQ(lines[1].substr(0, 4), "02: ");
    EXPECT_EQ(lines[2].substr(0, 4), "01: ");
    EXPECT_EQ(dialogs->modals.size(), 1u);
    Form_memo = nullptr;
}

} // namespace
