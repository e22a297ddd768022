#include "core/HighLighter.h"

#include <gtest/gtest.h>

namespace {

using core::HighlighterExecute;
using core::HighlightNumberList;
using core::HighlightTokens;
using Set = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

TEST(HighLighterTokens, SeparatorsAreTheListedCodesAndTheirCyrillicLetters) {
    for (char32_t c : {U' ',      U'!',      U'"',      U'%',      U'\'',     U'(',     U'/', U':',
                       U';',      U'=',      U'?',      U'[',      U'^',      U'`',     U'{', U'}',
                       U'\u040E', U'\u0401', U'\u0404', U'\u00B7', U'\u0454', U'\u0457'})
        EXPECT_TRUE(core::IsSeparatorChar(c)) << static_cast<unsigned>(c);
    for (char32_t c : {U'#', U'$', U'&', U'<', U'>', U'@', U'_', U'|', U'~', U'0', U'a', U'\u0436',
                       U'\u00A0', U'\t'})
        EXPECT_FALSE(core::IsSeparatorChar(c)) << static_cast<unsigned>(c);
}

TEST(HighLighterTokens, DigitWordsOfTheSetAreRedWhateverTheirLeadingZeros) {
    const auto tokens = HighlightTokens("05 12,a5 (5)\u0401007 99999999999 ", {5, 12, 7, 0});
    struct Want {
        const char* separators;
        const char* word;
        bool red;
    };
    const std::vector<Want> want{{"", "05", true},         {" ", "12", true},
                                 {",", "a5", false},       {" (", "5", true},
                                 {")\u0401", "007", true}, {" ", "99999999999", false},
                                 {" ", "", false}};
    ASSERT_EQ(tokens.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(tokens[i].separators, want[i].separators) << i;
        EXPECT_EQ(tokens[i].word, want[i].word) << i;
        EXPECT_EQ(tokens[i].highlighted, want[i].red) << i;
    }
}

TEST(HighLighterNumbers, EditTextAndSet) {
    EXPECT_EQ(core::DigitsAndBlanks("5,\u0436 12"), "5   12");
    const struct {
        const char* text;
        Set set;
    } cases[] = {
        {"5 12", {5, 12}},
        {"  05;;12  ", {5, 12}},
        {"", {}},
        {" ", {}},
        {"300 7 256 255 99999999999 1", {7, 255, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(HighlightNumberList(c.text), c.set) << c.text;
    std::string many;
    for (int i = 0; i < 120; ++i) many += std::to_string(i % 200) + " ";
    EXPECT_EQ(HighlightNumberList(many).size(), 100u);
}

// The "Sorted:" part; each entry of groups starts with its group digit.
Lines Tail(const Lines& groups) {
    Lines out{"", "", "Sorted:", ""};
    for (int g = 5; g >= 0; --g) {
        out.push_back("");
        out.push_back("# [" + std::to_string(g) + "]");
        for (const auto& l : groups)
            if (l[0] == '0' + g) out.push_back(l.substr(1));
    }
    return out;
}

TEST(HighLighterExecute, AnnotatesCountsAndGroupsAPastedText) {
    const Lines memo{"05 12 33", "a5 x 12 # [7] old", "", "\t1 2 3", "5; 12, 5 12 5 12 30",
                     "12 01",    "  \u0436  "};
    const std::string nine(9, ' ');
    Lines want{"05 12 33" + nine + "# [2]",
               "5 12" + nine + "# [2]",
               "1 2 3",
               "5 12 5 12 5 12 30" + nine + "# [6]",
               "12 01",
               "",
               "",
               "    Matches   Times:",
               "# 2:" + std::string(15, ' ') + "2",
               "# >=5:" + std::string(11, ' ') + "1"};
    const Lines tail = Tail({"5#    5 12 5 12 5 12 30" + nine, "2#    05 12 33" + nine,
                             "2#    5 12" + nine, "1#    12 01", "0#    1 2 3"});
    want.insert(want.end(), tail.begin(), tail.end());
    EXPECT_EQ(HighlighterExecute(memo, {5, 12}), want);
    // A second run cuts the earlier annotations first and so gives the same.
    const Lines again(want.begin(), want.begin() + 5);
    const Lines second = HighlighterExecute(again, {5, 12});
    EXPECT_EQ(Lines(second.begin(), second.begin() + 5), Lines(want.begin(), want.begin() + 5));
    // No text still gives the headers and the six empty groups.
    Lines none{"", "", "    Matches   Times:"};
    const Lines emptyTail = Tail({});
    none.insert(none.end(), emptyTail.begin(), emptyTail.end());
    EXPECT_EQ(HighlighterExecute({}, {5}), none);
}

TEST(HighLighterExecute, TenHitsAndMoreStayInTheFiveGroup) {
    const Lines out = HighlighterExecute({"5 5 5 5 5 5 5 5 5 5 5 5"}, {5});
    EXPECT_EQ(out[0], "5 5 5 5 5 5 5 5 5 5 5 5         # [12]");
    const auto five = std::find(out.begin(), out.end(), "# [5]");
    ASSERT_NE(five, out.end());
    EXPECT_EQ(*(five + 1), "#    5 5 5 5 5 5 5 5 5 5 5 5         ");
}

} // namespace
