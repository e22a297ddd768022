#include "platform/MemoText.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

using namespace platform;
using Lines = std::vector<std::string>;

TEST(MemoText, KeepsTheStringListRulesOfATextSetAtOnce) {
    const std::string texts[] = {"a\r\nb\nc\rd", "a\r\n", "a\r\n\r\n", "", "\n", "a\n\rb", "x"};
    for (const auto& t : texts) {
        MemoText m;
        m.SetText(std::string(t));
        EXPECT_EQ(m.Lines(), SplitLines(t)) << t;
        EXPECT_EQ(m.LineCount(), SplitLines(t).size()) << t;
        // Every line end comes back as the caller asks.
        std::string want;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
            want += t[i] == '\r' ? '\n' : t[i];
        }
        EXPECT_EQ(m.Text("\n"), want) << t;
    }
}

TEST(MemoText, LinesHandedOverEndWithALineEnd) {
    MemoText m;
    m.SetLines({"a", "b"});
    EXPECT_EQ(m.Count(), 3u);
    EXPECT_EQ(m.Text("\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(m.Lines(), (Lines{"a", "b"}));
    m.SetLines({});
    EXPECT_EQ(m.Count(), 1u);
    EXPECT_EQ(m.Text("\r\n"), "");
}

TEST(MemoText, ReplaceEditsOnlyTheLinesItTouches) {
    struct Case {
        TextPos from, to;
        std::string text;
        std::string want;
        TextPos end;
    };
    const Case cases[] = {
        {{1, 1}, {1, 1}, "X", "one\nt|Xwo\nthree\n", {1, 2}},
        {{1, 1}, {1, 1}, "\n", "one\nt|\nwo\nthree\n", {2, 0}},
        {{0, 3}, {1, 0}, "", "one|two\nthree\n", {0, 3}},
        {{0, 1}, {2, 2}, "A\r\nB\rC", "oA\nB\nC|ree\n", {2, 1}},
        {{3, 0}, {3, 0}, "end", "one\ntwo\nthree\nend|", {3, 3}},
        {{0, 0}, {9, 9}, "", "|", {0, 0}},
    };
    for (const auto& c : cases) {
        MemoText m;
        m.SetLines({"one", "two", "three"});
        const TextPos end = m.Replace(c.from, c.to, c.text);
        std::string want = c.want;
        want.erase(want.find('|'), 1);
        EXPECT_EQ(m.Text("\n"), want) << c.want;
        EXPECT_EQ(end, c.end) << c.want;
    }
}

TEST(MemoText, ReverseFlipsEditedAndHandedOverLinesAlike) {
    MemoText m;
    m.SetLines({"a", "b", "c", "d", "e"});
    m.Replace({1, 1}, {1, 1}, "X");
    m.Replace({3, 0}, {3, 1}, "D\nD2");
    ASSERT_EQ(m.Lines(), (Lines{"a", "bX", "c", "D", "D2", "e"}));
    m.Reverse();
    EXPECT_EQ(m.Text("\r\n"), "e\r\nD2\r\nD\r\nc\r\nbX\r\na");
    // Editing the reversed text splits the flipped runs in the right places.
    m.Replace({3, 1}, {3, 1}, "!");
    m.Replace({5, 0}, {5, 0}, "<");
    EXPECT_EQ(m.Lines(), (Lines{"e", "D2", "D", "c!", "bX", "<a"}));
    m.Reverse();
    EXPECT_EQ(m.Text("\n"), "<a\nbX\nc!\nD\nD2\ne");
    EXPECT_EQ(m.RangeSize({1, 1}, {3, 1}, 2), m.Range({1, 1}, {3, 1}, "\r\n").size());
    EXPECT_EQ(m.Range({3, 1}, {1, 1}, "|"), "X|c!|D");

    MemoText empty;
    empty.Reverse();
    EXPECT_EQ(empty.Text("\r\n"), "");
    EXPECT_EQ(empty.Count(), 1u);
}

TEST(MemoText, ATextSetAtOnceIsEditedAndReversedInPlace) {
    MemoText m;
    m.SetText("1\r\n22\r333\n\n");
    EXPECT_EQ(m.Lines(), (Lines{"1", "22", "333", ""}));
    m.Reverse();
    EXPECT_EQ(m.Lines(), (Lines{"", "333", "22", "1"}));
    m.Replace({0, 0}, {1, 1}, "");
    EXPECT_EQ(m.Text("\n"), "33\n22\n1");
    // Once every line handed over is gone, so is its buffer.
    m.Replace({0, 0}, m.End(), "new");
    EXPECT_EQ(m.HeldBytes(), 0u);
    EXPECT_EQ(m.Text("\n"), "new");
}
