#include "core/HttpFraming.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

// The rule read as plainly as it is written: a Content-Length value is a comma-separated list
// of decimal digit runs, blanks or tabs around each member; every member of every such field
// is the same number; a field name holds no blank or tab.
struct Strict {
    bool valid = true;
    long long length = -1;
};

Strict StrictReading(const std::vector<std::string>& lines) {
    static const std::regex list("[ \\t]*[0-9]+[ \\t]*(,[ \\t]*[0-9]+[ \\t]*)*");
    static const std::regex member("[0-9]+");
    Strict s;
    for (const std::string& line : lines) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string name = line.substr(0, colon);
        if (name.find_first_of(" \t") != std::string::npos) return {false, -1};
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name != "content-length") continue;
        const std::string value = line.substr(colon + 1);
        if (!std::regex_match(value, list)) return {false, -1};
        for (std::sregex_iterator m(value.begin(), value.end(), member), end; m != end; ++m) {
            const long long n = std::stoll(m->str());
            if (s.length >= 0 && n != s.length) return {false, -1};
            s.length = n;
        }
    }
    return s;
}

TEST(AnswerFraming, AgreesWithAStrictReadingOfTheRule) {
    const std::vector<std::string> names = {"Content-Length",  "content-length",   "CONTENT-LENGTH",
                                            "Content-Length ", "Content-Length\t", "Content Length",
                                            "X-Other",         " Content-Length"};
    const std::vector<std::string> pieces = {"5",  "05", "0", "12", "00", "-1",  "+5", " ",
                                             "\t", ",",  ",", "x",  ";",  "5 5", "",   "28795"};
    std::mt19937 rng(20261209);
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    };
    int valid = 0, invalid = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::string> lines;
        const int count = std::uniform_int_distribution<int>(1, 3)(rng);
        for (int i = 0; i < count; ++i) {
            // Mostly well-named fields, so that the values get judged.
            std::string line = rng() % 4 ? names[rng() % 3] : pick(names);
            line += ":";
            const int parts = std::uniform_int_distribution<int>(0, 5)(rng);
            for (int p = 0; p < parts; ++p)
                line += rng() % 3 ? pick({"5", "05", " ", ","}) : pick(pieces);
            lines.push_back(line);
        }
        const Strict want = StrictReading(lines);
        const core::AnswerFraming got = core::ReadFraming(lines);
        std::string shown;
        for (const auto& l : lines) shown += "[" + l + "]";
        ASSERT_EQ(got.valid, want.valid) << shown;
        if (want.valid) {
            ASSERT_EQ(got.length, want.length) << shown;
        }
        (want.valid ? valid : invalid)++;
    }
    // Both sides of the rule were reached often.
    EXPECT_GT(valid, 1000);
    EXPECT_GT(invalid, 2000);
}

TEST(AnswerFraming, ValuesOfTheRule) {
    const struct {
        const char* value;
        std::optional<long long> length;
    } cases[] = {
        {"5", 5},
        {" 5 ", 5},
        {"5, 5", 5},
        {"05", 5},
        {"\t5\t,\t05", 5},
        {"0", 0},
        {"9223372036854775807", 9223372036854775807LL},
        {"9223372036854775808", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"28795 53997", std::nullopt},
        {"28795;53997", std::nullopt},
        {"28795x", std::nullopt},
        {"28795 , 53997", std::nullopt},
        {"-1", std::nullopt},
        {"+5", std::nullopt},
        {"", std::nullopt},
        {"5,", std::nullopt},
        {",5", std::nullopt},
        {"5,,5", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(core::ContentLengthValue(c.value), c.length) << c.value;
}

TEST(AnswerFraming, TransferCodingsAndOtherFields) {
    EXPECT_TRUE(core::ReadFraming({"Transfer-Encoding: chunked"}).transferCoded);
    EXPECT_FALSE(core::ReadFraming({"transfer-encoding:\tIdentity "}).transferCoded);
    EXPECT_TRUE(core::ReadFraming({"Transfer-Encoding: identity", "Transfer-Encoding: gzip"})
                    .transferCoded);
    const core::AnswerFraming f =
        core::ReadFraming({"X-Note: a b", "no colon here", "Content-Length: 7"});
    EXPECT_TRUE(f.valid);
    EXPECT_EQ(f.length, 7);
    EXPECT_FALSE(core::ReadFraming({"X Note: a"}).valid);
    EXPECT_FALSE(core::ReadFraming({"Content-Length : 53997", "Content-Length: 28795"}).valid);
    EXPECT_FALSE(core::ReadFraming({"Content-Length: -1", "Content-Length: 28795"}).valid);
}

TEST(AnswerFraming, AFoldedLineJoinsTheFieldBeforeItWithOneBlank) {
    const struct {
        const char* field;
        const char* continuation;
        const char* joined;
    } cases[] = {
        {"Content-Length: 28795", " , 53997", "Content-Length: 28795 , 53997"},
        {"X-A: one ", "\t\t two", "X-A: one two"},
        {"X-A:", " two", "X-A: two"},
        {"X-A: one", " ", "X-A: one "},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(core::IsFoldedLine(c.continuation));
        EXPECT_EQ(core::JoinFoldedLine(c.field, c.continuation), c.joined);
    }
    EXPECT_FALSE(core::IsFoldedLine("X-A: one"));
    EXPECT_FALSE(core::IsFoldedLine(""));
    EXPECT_FALSE(
        core::ReadFraming({core::JoinFoldedLine("Content-Length: 28795", " , 53997")}).valid);
}

} // namespace
