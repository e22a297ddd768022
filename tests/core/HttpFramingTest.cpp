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
// is the same number; a field name holds no blank or tab. Nothing: the answer cannot be
// delimited; -1: no length given.
std::optional<long long> StrictReading(const std::vector<std::string>& lines) {
    static const std::regex list("[ \\t]*[0-9]+[ \\t]*(,[ \\t]*[0-9]+[ \\t]*)*");
    static const std::regex member("[0-9]+");
    long long length = -1;
    for (const std::string& line : lines) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string name = line.substr(0, colon);
        if (name.find_first_of(" \t") != std::string::npos) return std::nullopt;
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name != "content-length") continue;
        const std::string value = line.substr(colon + 1);
        if (!std::regex_match(value, list)) return std::nullopt;
        for (std::sregex_iterator m(value.begin(), value.end(), member), end; m != end; ++m) {
            const long long n = std::stoll(m->str());
            if (length >= 0 && n != length) return std::nullopt;
            length = n;
        }
    }
    return length;
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
            // Mostly well-named fields, so that the values get judged; now and then no field.
            std::string line = rng() % 4 ? names[rng() % 3] : pick(names);
            line = rng() % 10 ? line + ":" : "no colon here";
            const int parts = std::uniform_int_distribution<int>(0, 5)(rng);
            for (int p = 0; p < parts; ++p)
                line += rng() % 3 ? pick({"5", "05", " ", ","}) : pick(pieces);
            lines.push_back(line);
        }
        const std::optional<long long> want = StrictReading(lines);
        const core::AnswerFraming got = core::ReadFraming(lines);
        std::string shown;
        for (const auto& l : lines) shown += "[" + l + "]";
        ASSERT_EQ(got.valid ? std::optional<long long>(got.length) : std::nullopt, want) << shown;
        (want ? valid : invalid)++;
    }
    // Both sides of the rule were reached often.
    EXPECT_GT(valid, 1000);
    EXPECT_GT(invalid, 2000);
}

// Beyond the generated lists: a length beyond what a file offset holds is no length.
TEST(AnswerFraming, ALengthBeyondAFileOffsetIsNone) {
    EXPECT_EQ(core::ContentLengthValue("9223372036854775807"), 9223372036854775807LL);
    EXPECT_EQ(core::ContentLengthValue("9223372036854775808"), std::nullopt);
    EXPECT_EQ(core::ContentLengthValue("99999999999999999999"), std::nullopt);
}

} // namespace
