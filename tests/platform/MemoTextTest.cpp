#include "platform/MemoText.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

using namespace platform;
using Lines = std::vector<std::string>;

TEST(MemoText, TheStringListViewOfATextSetAtOnceOrHandedOverAsLines) {
    const struct {
        const char* text; // null: the lines are handed over
        Lines lines;
        std::size_t count;
        std::string crlf;
    } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, 4, "a\r\nb\r\nc\r\nd"},
        {"a\r\n", {"a"}, 2, "a\r\n"},
        {"a\r\n\r\n", {"a", ""}, 3, "a\r\n\r\n"},
        {"", {}, 1, ""},
        {"\n", {""}, 2, "\r\n"},
        {"a\n\rb", {"a", "", "b"}, 3, "a\r\n\r\nb"},
        {"x", {"x"}, 1, "x"},
        // Lines handed over end with a line end.
        {nullptr, {"a", "b"}, 3, "a\r\nb\r\n"},
        {nullptr, {}, 1, ""},
    };
    for (const auto& c : cases) {
        MemoText m;
        c.text ? m.SetText(c.text) : m.SetLines(Lines(c.lines));
        EXPECT_EQ(m.Lines(), c.lines) << c.crlf;
        EXPECT_EQ(m.LineCount(), c.lines.size()) << c.crlf;
        EXPECT_EQ(m.Count(), c.count) << c.crlf;
        EXPECT_EQ(m.Text("\r\n"), c.crlf);
    }
}

// Edits live beside the text handed over and Reverse flips an index, so every mix of the two
// must read as if the text had been rebuilt each time.
TEST(MemoText, ReplaceAndReverseInAnyOrder) {
    struct Step {
        TextPos from, to;
        const char* text = nullptr; // null: Reverse
    };
    const Step reverse{};
    const Step x{{1, 1}, {1, 1}, "X"}, d{{3, 0}, {3, 1}, "D\nD2"};
    const Step bang{{3, 1}, {3, 1}, "!"}, lt{{5, 0}, {5, 0}, "<"};
    const struct {
        const char* text; // handed over as lines unless it has a CR
        std::vector<Step> steps;
        std::string want;
        TextPos end; // where the last Replace ended
    } cases[] = {
        {"one\ntwo\nthree", {x}, "one\ntXwo\nthree\n", {1, 2}},
        {"one\ntwo\nthree", {{{1, 1}, {1, 1}, "\n"}}, "one\nt\nwo\nthree\n", {2, 0}},
        {"one\ntwo\nthree", {{{0, 3}, {1, 0}, ""}}, "onetwo\nthree\n", {0, 3}},
        {"one\ntwo\nthree", {{{0, 1}, {2, 2}, "A\r\nB\rC"}}, "oA\nB\nCree\n", {2, 1}},
        {"one\ntwo\nthree", {{{3, 0}, {3, 0}, "end"}}, "one\ntwo\nthree\nend", {3, 3}},
        {"one\ntwo\nthree", {{{0, 0}, {9, 9}, ""}}, "", {0, 0}},
        {"a\nb\nc\nd\ne", {x, d, reverse}, "e\nD2\nD\nc\nbX\na", {4, 2}},
        // Editing the reversed text splits the flipped runs in the right places.
        {"a\nb\nc\nd\ne", {x, d, reverse, bang, lt}, "e\nD2\nD\nc!\nbX\n<a", {5, 1}},
        {"a\nb\nc\nd\ne", {x, d, reverse, bang, lt, reverse}, "<a\nbX\nc!\nD\nD2\ne", {5, 1}},
        {"", {reverse}, "", {}},
        {"1\r\n22\r333\n\n", {reverse}, "\n333\n22\n1", {}},
        {"1\r\n22\r333\n\n", {reverse, {{0, 0}, {1, 1}, ""}}, "33\n22\n1", {0, 0}},
    };
    for (const auto& c : cases) {
        MemoText m;
        if (std::string(c.text).find('\r') != std::string::npos)
            m.SetText(c.text);
        else
            m.SetLines(SplitLines(c.text));
        TextPos end;
        for (const Step& s : c.steps) {
            if (s.text)
                end = m.Replace(s.from, s.to, s.text);
            else
                m.Reverse();
        }
        EXPECT_EQ(m.Text("\n"), c.want) << c.want;
        EXPECT_EQ(end, c.end) << c.want;
        // A range reads the same either way round, and its size is known without reading it.
        EXPECT_EQ(m.Range({3, 1}, {1, 1}, "|"), m.Range({1, 1}, {3, 1}, "|")) << c.want;
        EXPECT_EQ(m.RangeSize({1, 1}, {3, 1}, 2), m.Range({1, 1}, {3, 1}, "\r\n").size()) << c.want;
    }
}

TEST(MemoText, OnceEveryLineHandedOverIsGoneSoIsItsBuffer) {
    MemoText m;
    m.SetText("1\r\n22\r333\n\n");
    m.Reverse();
    m.Replace({0, 0}, m.End(), "new");
    EXPECT_EQ(m.HeldBytes(), 0u);
    EXPECT_EQ(m.Text("\n"), "new");
}
