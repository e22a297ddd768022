#include "apps/pentadraw/RndTestRun.h"
#include "apps/pentadraw/Unit_high.h"
#include "apps/pentadraw/Unit_map_2.h"
#include "components/skin/xpEdit.h"
#include "platform/Canvas.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WindowTestHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

using testing_support::ScopedDialogs;
using testing_support::StoreOf;
using Lines = std::vector<std::string>;

// The colour the highlighter gives the character at pos of line.
QColor ColourAt(const THighMemo& memo, int line, int pos) {
    const QTextBlock block = memo.document()->findBlockByNumber(line);
    for (const auto& range : block.layout()->formats())
        if (pos >= range.start && pos < range.start + range.length)
            return range.format.foreground().color();
    return {};
}

TEST(HighLighterWindow, TypingASetPaintsItsNumbersRedAndEnterAnnotatesTheMemo) {
    ScopedDialogs dialogs;
    TForm_high form;
    form.Memo1->SetText("05 12 33\r\na5,5;12x 005");
    QTest::keyClicks(form.Edit1, "5 x12");
    EXPECT_EQ(form.Edit1->Text(), "5  12");
    EXPECT_EQ(form.HighlightNumbers, (std::vector<std::uint8_t>{5, 12}));
    const struct {
        int line, pos;
        bool red;
    } cases[] = {{0, 0, true}, {0, 6, false}, {1, 0, false}, {1, 9, true}}; // 05 33, a5 005
    for (const auto& c : cases)
        EXPECT_EQ(ColourAt(*form.Memo1, c.line, c.pos),
                  platform::ToQColor(c.red ? core::clRed : core::clBlack))
            << c.line << ":" << c.pos;

    QTest::keyClick(form.Edit1, Qt::Key_Return);
    const Lines lines = form.Memo1->Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "05 12 33         # [2]");
    EXPECT_EQ(form.Edit1->Text(), "5 12");
}

TEST(HighLighterWindow, PasteTakesOnlyPlainTextOfAReasonableSize) {
    ScopedDialogs dialogs;
    TForm_high form;
    form.Memo1->setPlainText("1 2");
    const auto paste = [&](QMimeData* data) {
        QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
        form.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(form.Memo1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(form.Memo1, Qt::Key_Insert, Qt::ShiftModifier);
        return form.Memo1->toPlainText().toStdString();
    };
    auto image = std::make_unique<QMimeData>();
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(paste(new QMimeData), "1 2");
    EXPECT_EQ(paste(image.release()), "1 2");
    auto nul = std::make_unique<QMimeData>();
    nul->setText(QString::fromLatin1(" 3\0 4", 5));
    EXPECT_EQ(paste(nul.release()), std::string("1 2 3\0 4 3\0 4", 13));
    // Sizes read as the text's UTF-8 bytes in MB, never below what the text had.
    constexpr qsizetype kMB = qsizetype{1} << 20;
    const QString cyrillic(3 * kMB, QChar(0x0436)); // two bytes each
    const struct {
        QString text;
        const char* figure;
    } huge[] = {
        {QString(THighMemo::MaxPasteBytes + 1, QLatin1Char('7')), "5"},
        {QString(50 * kMB, QLatin1Char('7')), "50"},
        {QString(50 * kMB - kMB / 50, QLatin1Char('7')), "50"},
        {cyrillic, "6"},
    };
    for (const auto& h : huge) {
        dialogs->messages.clear();
        auto data = std::make_unique<QMimeData>();
        data->setText(h.text);
        form.Memo1->setPlainText("1 2");
        EXPECT_EQ(paste(data.release()), "1 2");
        ASSERT_EQ(dialogs->messages.size(), 2u);
        EXPECT_EQ(dialogs->messages[0],
                  "The text is too long to paste here: " + std::string(h.figure) +
                      " MB; the HighLighter takes at most 4 MB.");
    }
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
    testing_support::WindowTestHost host{Bundle5x36};
    std::unique_ptr<TForm_map_2> form;
};

TEST_F(Map2Window, DrawnCellsAreBlueHeaderClicksMarkYellowAndTheDrawsStayThoseOfItsCreation) {
    form = std::make_unique<TForm_map_2>(host);
    host.store = StoreOf({{1, 2, 3, 4, 5}});
    EXPECT_EQ(form->Grid().ColCount(), 4);
    EXPECT_EQ(form->StringGrid1->MouseToCell({20, 10}), QPoint(1, 0));
    EXPECT_EQ(form->StringGrid1->MouseToCell({5, 41 + 6 * 18 + 3}), QPoint(0, 7));
    const auto yellow = core::clYellow, blue = core::clBlue;
    const auto white = core::ColorToRGB(core::clWindow);
    EXPECT_EQ(At(1, 1), blue);
    EXPECT_EQ(At(2, 1), white);
    form->StringGrid1MouseDown(0, 7); // the row of 7
    form->StringGrid1MouseDown(2, 0); // the column of the second draw
    const struct {
        int col, row;
        core::TColor colour;
    } marked[] = {{1, 7, blue}, {2, 7, yellow}, {3, 7, blue}, {2, 1, yellow}, {2, 2, blue}};
    for (const auto& c : marked) EXPECT_EQ(At(c.col, c.row), c.colour) << c.col << "," << c.row;
    form->StringGrid1MouseDown(0, 0);
    // The pop-up menu's one item.
    ASSERT_EQ(form->PopupMenu1->actions(), QList<QAction*>{form->Clear1});
    EXPECT_EQ(form->Clear1->text(), "Clear");
    form->Clear1->trigger();
    EXPECT_EQ(At(2, 7), white);
    EXPECT_EQ(At(2, 1), white);
}

TEST(RndTestRun, AStopEndsTheRunAndFinishesOnce) {
    const auto store = StoreOf({{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}});
    core::RandomGenerator random;
    TRndTestRun run;
    int finished = 0;
    run.Start(
        store, core::Game5x36, 2, core::Lang::English, random, [](const std::string&) {},
        [&] { ++finished; });
    EXPECT_TRUE(run.Running());
    run.Stop();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(finished, 1);
}

} // namespace
