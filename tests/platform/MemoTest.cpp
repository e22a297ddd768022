#include "platform/Memo.h"

#include "bench/support/Memory.h"
#include "core/LineSource.h"
#include "platform/FreedMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>

// Hand-backs are counted on their way to the allocator, so the tests see them under the
// sanitizers too, whose allocator keeps freed memory whatever is trimmed.
static int trims = 0;
extern "C" int malloc_trim(std::size_t pad) noexcept {
    ++trims;
    using Trim = int (*)(std::size_t);
    static const Trim next = reinterpret_cast<Trim>(dlsym(RTLD_NEXT, "malloc_trim"));
    return next ? next(pad) : 0;
}

using namespace platform;

namespace {

// 100,000 lines, 50 MB: draw numbers with lists of older draws, as the pair commands write
// them, and one line of 84,000 characters.
const std::vector<std::string>& BigLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        out.reserve(100000);
        for (int i = 0; i < 100000; ++i) {
            std::string l = std::to_string(100000 - i);
            const int items = 60 + (i * 7919) % 80;
            for (int k = 0; k < items; ++k) l += ":   3 № " + std::to_string((i + k * 31) % 9973);
            out.push_back(std::move(l));
        }
        out[700] = std::string(84000, '7');
        for (std::size_t k = 0; k < out[700].size(); k += 10) out[700][k] = ' ';
        return out;
    }();
    return lines;
}

std::size_t TextBytes(const std::vector<std::string>& lines) {
    std::size_t n = 0;
    for (const auto& l : lines) n += l.size() + 1;
    return n;
}

// The same lines made on demand, as the largest results give them.
class BigSource : public core::LineSource {
public:
    BigSource() { MeasureLines(); }
    std::size_t Count() const override { return BigLines().size(); }
    std::size_t LineBytes(std::size_t i) const override { return BigLines()[i].size(); }
    void Write(std::size_t i, std::string& out) const override {
        out = BigLines()[i];
        ++made;
    }
    mutable int made = 0;
};

// Every case runs on the lines handed over and on a source.
struct BigMemo : ::testing::TestWithParam<bool> {
    TMemo memo;
    std::shared_ptr<BigSource> source;
    void SetUp() override {
        memo.resize(500, 300);
        memo.show();
        memo.setFocus();
        if (GetParam()) {
            source = std::make_shared<BigSource>();
            memo.SetSource(source);
        } else {
            memo.SetLines(BigLines());
        }
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&memo, static_cast<Qt::Key>(key), mods);
    }
    std::string Clipboard() const {
        const QByteArray b = QApplication::clipboard()->mimeData()->data("text/plain");
        return std::string(b.constData(), static_cast<std::size_t>(b.size()));
    }
};

} // namespace

TEST_P(BigMemo, HoldsTheTextOnceAndScrollsByPagesAndToTheEnds) {
    EXPECT_GT(TextBytes(BigLines()), 50u << 20);
    EXPECT_EQ(memo.Content().TextBytes(), TextBytes(BigLines()));
    // A source's lines are made only as they come on screen.
    EXPECT_EQ(memo.Content().HeldBytes(), GetParam() ? 0 : TextBytes(BigLines()));
    if (source) {
        EXPECT_LT(source->made, 200);
    }
    EXPECT_EQ(memo.LineCount(), 100000);
    const int page = memo.VisibleRows();
    ASSERT_GT(page, 5);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(memo.TopLine(), 2u * page);
    EXPECT_EQ(memo.CaretPos().line, 2u * page);
    EXPECT_EQ(memo.verticalScrollBar()->value(), 2 * page);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(memo.CaretPos(), (TextPos{100000, 0})); // the empty line after the last line end
    EXPECT_EQ(memo.TopLine(), 100001u - page);
    Key(Qt::Key_Up);
    EXPECT_EQ(memo.CaretPos().line, 99999u);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(memo.TopLine(), 0u);
    memo.verticalScrollBar()->setValue(5000);
    EXPECT_EQ(memo.TopLine(), 5000u);

    QWheelEvent down(QPointF(10, 10), memo.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo.viewport(), &down);
    EXPECT_EQ(memo.TopLine(), 5000u + QApplication::wheelScrollLines());
}

TEST_P(BigMemo, SelectsAcrossLinesAndCopiesARangeAndAll) {
    const auto& l = BigLines();
    memo.SetSelection({10, 5}, {10, 5});
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    const TextPos end = memo.CaretPos();
    EXPECT_EQ(end.line, 12u);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), l[10].substr(5) + "\n" + l[11] + "\n" + l[12].substr(0, end.col));

    // With the mouse: from the first row's start to the third's.
    memo.verticalScrollBar()->setValue(10);
    const int row = static_cast<int>(std::ceil(QFontMetricsF(memo.font()).lineSpacing()));
    QTest::mousePress(memo.viewport(), Qt::LeftButton, {}, QPoint(1, 0));
    QTest::mouseMove(memo.viewport(), QPoint(1, row * 5 / 2));
    QTest::mouseRelease(memo.viewport(), Qt::LeftButton, {}, QPoint(1, row * 5 / 2));
    EXPECT_EQ(memo.SelText(), l[10] + "\n" + l[11] + "\n");

    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QByteArray all = QApplication::clipboard()->mimeData()->data("text/plain");
    ASSERT_EQ(static_cast<std::size_t>(all.size()), TextBytes(l));
    std::size_t at = 0;
    bool same = true;
    for (const auto& line : l) {
        same = same && std::string_view(all.constData() + at, line.size()) == line &&
               all[static_cast<qsizetype>(at + line.size())] == '\n';
        at += line.size() + 1;
    }
    EXPECT_TRUE(same);
}

TEST_P(BigMemo, AnEditInTheMiddleSurvivesScrollingAway) {
    const auto& l = BigLines();
    memo.SetSelection({50000, 3}, {50000, 3});
    QTest::keyClicks(&memo, "XY");
    Key(Qt::Key_Return);
    for (int k = 0; k < 3; ++k) Key(Qt::Key_PageDown);
    Key(Qt::Key_Home, Qt::ControlModifier);
    memo.verticalScrollBar()->setValue(49990);
    const MemoText& t = memo.Content();
    EXPECT_EQ(t.Line(50000), l[50000].substr(0, 3) + "XY");
    EXPECT_EQ(t.Line(50001), l[50000].substr(3));
    EXPECT_EQ(t.Line(50002), l[50001]);
    EXPECT_EQ(t.Line(49999), l[49999]);
    EXPECT_EQ(memo.LineCount(), 100001);
    // Backspace at a line start joins the lines again; Delete takes the typed letters.
    memo.SetSelection({50001, 0}, {50001, 0});
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Delete);
    EXPECT_EQ(t.Line(50000), l[50000]);
    EXPECT_EQ(memo.LineCount(), 100000);
}

TEST_P(BigMemo, ReverseTwiceGivesTheLinesBackWithoutAFinalLineEnd) {
    const auto& l = BigLines();
    memo.Reverse();
    EXPECT_EQ(memo.Content().Line(0), l.back());
    EXPECT_EQ(memo.Content().Line(99999), l.front());
    EXPECT_EQ(memo.Content().Count(), 100000u);
    EXPECT_EQ(memo.Content().TextBytes(), TextBytes(l)); // no copy
    memo.Reverse();
    for (std::size_t i : {0u, 1u, 700u, 54321u, 99999u}) EXPECT_EQ(memo.Content().Line(i), l[i]);
    const std::string text = memo.Text();
    EXPECT_EQ(text.size(), TextBytes(l) + l.size() - 2);
    EXPECT_EQ(text.substr(text.size() - l.back().size() - 2), "\r\n" + l.back());
}

TEST_P(BigMemo, WrapLaysOutALongLineInRowsAndScrollsThroughThem) {
    memo.SetWordWrap(true);
    EXPECT_EQ(memo.horizontalScrollBar()->maximum(), 0);
    memo.verticalScrollBar()->setValue(700);
    EXPECT_EQ(memo.TopLine(), 700u);
    memo.SetSelection({700, 0}, {700, 0});
    Key(Qt::Key_Down);
    EXPECT_EQ(memo.CaretPos().line, 700u); // the next row of the same line
    EXPECT_GT(memo.CaretPos().col, 0u);
    EXPECT_EQ(memo.CaretPos().col % 10, 1u); // rows break after a blank
    Key(Qt::Key_PageDown);
    EXPECT_EQ(memo.TopLine(), 700u);
    EXPECT_EQ(memo.TopRow(), static_cast<std::size_t>(memo.VisibleRows()));
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(memo.CaretPos().line, 100000u);
    memo.SetWordWrap(false);
    EXPECT_GT(memo.horizontalScrollBar()->maximum(), 0);
}

INSTANTIATE_TEST_SUITE_P(HandedOverOrMade, BigMemo, ::testing::Bool());

TEST(Memo, PaintsTheSelectionAndKeepsTheStringListView) {
    TMemo memo;
    memo.resize(300, 200);
    memo.SetLines({"first line", "second", "third"});
    EXPECT_EQ(memo.Text(), "first line\r\nsecond\r\nthird\r\n");
    memo.SetSelection({1, 0}, {2, 0});
    QImage image(memo.viewport()->size(), QImage::Format_RGB32);
    memo.viewport()->render(&image);
    const QColor highlight = memo.palette().highlight().color();
    const QFontMetricsF fm(memo.font());
    const int h = static_cast<int>(std::ceil(fm.lineSpacing()));
    // The line end of the selected line, past its text.
    const int x =
        static_cast<int>(2 + fm.horizontalAdvance("second") + fm.horizontalAdvance(" ") / 2);
    EXPECT_EQ(image.pixelColor(x, h + h / 2), highlight);
    EXPECT_NE(image.pixelColor(x, h / 2), highlight);
    EXPECT_NE(image.pixelColor(x, 2 * h + h / 2), highlight);
    EXPECT_NE(image.pixelColor(memo.viewport()->width() - 5, h + h / 2), highlight);

    memo.Add("four");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"first line", "second", "third", "four"}));
    memo.Release();
    EXPECT_EQ(memo.Text(), "");
    memo.Add("x");
    memo.SetText("a\r\nb");
    memo.Add("c");
    EXPECT_EQ(memo.Text(), "a\r\nb\r\nc\r\n");
}

// At least TrimBytes freed are handed back at once; another program's paste of 40 MB is
// followed by hand-backs a few seconds later, the first after two, once the window system lets
// its copy go. First of the clipboard's tests, before any other paste has hand-backs due.
TEST(MemoClipboard, FreedPagesGoBackAfterALargeTextAndAServedLargePaste) {
    for (const auto& [freed, handedBack] : {std::pair{TrimBytes - 1, 0}, {TrimBytes, 1}}) {
        const int before = trims;
        HandBackFreedMemory(freed);
        EXPECT_EQ(trims - before, handedBack) << freed;
    }
    TMemo memo;
    memo.SetText(std::string(40 << 20, 'x'));
    memo.SelectAll();
    memo.CopyToClipboard();
    const int before = trims;
    ASSERT_EQ(QApplication::clipboard()->mimeData()->data("text/plain").size(), 40 << 20);
    EXPECT_EQ(trims, before); // none while the window system still holds the text
    EXPECT_TRUE(QTest::qWaitFor([&] { return trims > before; }, 4000));
    QApplication::clipboard()->clear();
}

// Copy offers the text without writing it: nothing is made until a paste asks, and the paste
// gets the text as it was copied, after edits and after the text is gone.
TEST(MemoClipboard, CopyIsWrittenOnlyWhenPasted) {
    TMemo memo;
    auto source = std::make_shared<BigSource>();
    memo.SetSource(source);
    memo.SelectAll();
    const int madeBefore = source->made;
    memo.CopyToClipboard();
    EXPECT_EQ(source->made, madeBefore);

    memo.SetSelection({0, 0}, {0, 0});
    memo.InsertText("edited ");
    memo.Release();
    const QByteArray all = QApplication::clipboard()->mimeData()->data("text/plain");
    EXPECT_EQ(static_cast<std::size_t>(all.size()), TextBytes(BigLines()));
    EXPECT_EQ(std::string_view(all.constData(), BigLines()[0].size() + 1), BigLines()[0] + "\n");
    EXPECT_EQ(source.use_count(), 2); // the clipboard's copy holds the source, not its text

    memo.SetLines({"one", "two"});
    memo.SetSelection({0, 1}, {1, 2});
    memo.CutToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "ne\ntw");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"oo"}));
}

// Another program's paste of the whole text, lines of 40 KB as Stats duples writes them at 10,000
// draws: once served and let go, none of the lines made for it stays resident.
TEST(MemoClipboard, AServedPasteLeavesNothingResident) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' allocator keeps freed memory";
#endif
    TMemo memo;
    memo.SetSource(core::MakeRowLines(
        {}, 1000, 0, [](int, std::size_t) { return std::size_t{40000}; },
        [](int, std::size_t i, std::string& out) { out.assign(40000, char('0' + i % 10)); }));
    memo.SelectAll();
    memo.CopyToClipboard();
    HandBackFreedMemory(TrimBytes);
    const double before = bench_support::StatusMB("VmRSS:");
    // Each line with its line end.
    ASSERT_EQ(QApplication::clipboard()->mimeData()->data("text/plain").size(), 1000 * 40001);
    HandBackFreedMemory(TrimBytes);
    EXPECT_LT(bench_support::StatusMB("VmRSS:") - before, 2.0);
    QApplication::clipboard()->clear();
}

// A source whose sizes cost a pass over every pair of draws: the first screen is shown from
// its own lines, the scroll bar widens as wider lines come on screen, and the ends of the text
// and a copy of it are still reached.
TEST(MemoUnmeasuredSource, ShowsTheFirstScreenFromItsOwnLinesAndWidensAsLinesComeOnScreen) {
    struct Unmeasured : core::LineSource {
        static std::string Text(std::size_t i) {
            return i == 5000 ? std::string(3000, 'w') : "line " + std::to_string(i);
        }
        std::size_t Count() const override { return 10000; }
        std::size_t LineBytes(std::size_t i) const override { return ++sized, Text(i).size(); }
        void Write(std::size_t i, std::string& out) const override { out = Text(i); }
        mutable int sized = 0;
    };
    TMemo memo;
    memo.resize(500, 300);
    memo.show();
    auto source = std::make_shared<Unmeasured>();
    memo.SetSource(source);
    for (int top : {0, 4990}) {
        memo.verticalScrollBar()->setValue(top);
        memo.viewport()->repaint();
        QApplication::processEvents();
    }
    EXPECT_FALSE(source->Measured());
    EXPECT_LT(source->sized, 400);
    EXPECT_GT(memo.horizontalScrollBar()->maximum(),
              3000 * memo.fontMetrics().horizontalAdvance('0') / 2);

    memo.SelectAll();
    EXPECT_EQ(memo.CaretPos(), (TextPos{10000, 0}));
    memo.CopyToClipboard();
    std::string whole;
    for (std::size_t i = 0; i < 10000; ++i) whole += Unmeasured::Text(i) + "\n";
    const QByteArray all = QApplication::clipboard()->mimeData()->data("text/plain");
    EXPECT_EQ(std::string(all.constData(), static_cast<std::size_t>(all.size())), whole);
    EXPECT_EQ(memo.Content().TextBytes(), whole.size());
    QApplication::clipboard()->clear();
}
