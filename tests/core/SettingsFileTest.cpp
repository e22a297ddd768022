#include "core/SettingsFile.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using core::ParseSettingsInt;

TEST(ParseSettingsInt, AcceptsSignedDecimalsWithinThirtyTwoBits) {
    EXPECT_EQ(ParseSettingsInt("0"), 0);
    EXPECT_EQ(ParseSettingsInt("662"), 662);
    EXPECT_EQ(ParseSettingsInt("-8"), -8);
    EXPECT_EQ(ParseSettingsInt("+5"), 5);
    EXPECT_EQ(ParseSettingsInt("  12"), 12);
    EXPECT_EQ(ParseSettingsInt("2147483647"), INT_MAX);
    EXPECT_EQ(ParseSettingsInt("-2147483648"), INT_MIN);
}

TEST(ParseSettingsInt, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "-", "abc", "12a", "1 2", "12 ", "1.5", "2147483648",
                             "-2147483649", "99999999999999999999"})
        EXPECT_FALSE(ParseSettingsInt(text).has_value()) << '"' << text << '"';
}

TEST(WindowState, OnlyOneAndTwoAreNotNormal) {
    EXPECT_EQ(core::WindowStateFromValue(0), core::WindowState::Normal);
    EXPECT_EQ(core::WindowStateFromValue(1), core::WindowState::Minimized);
    EXPECT_EQ(core::WindowStateFromValue(2), core::WindowState::Maximized);
    for (int v : {-1, 3, 7, 256, INT_MAX})
        EXPECT_EQ(core::WindowStateFromValue(v), core::WindowState::Normal) << v;
}

TEST(ParseSettingsLines, NoLinesGiveNothing) {
    const auto r = core::ParseSettingsLines({});
    EXPECT_FALSE(r.windowState);
    EXPECT_FALSE(r.width);
    EXPECT_FALSE(r.language);
    EXPECT_FALSE(r.login);
    EXPECT_FALSE(r.password);
}

TEST(ParseSettingsLines, EightLinesGiveEverything) {
    const auto r =
        core::ParseSettingsLines({"0", "662", "580", "69", "-4", "1", "login", " pass word "});
    EXPECT_EQ(r.windowState, 0);
    EXPECT_EQ(r.width, 662);
    EXPECT_EQ(r.height, 580);
    EXPECT_EQ(r.left, 69);
    EXPECT_EQ(r.top, -4);
    EXPECT_EQ(r.language, core::Lang::Russian);
    EXPECT_EQ(r.login, "login");
    EXPECT_EQ(r.password, " pass word ");
}

TEST(ParseSettingsLines, MaximisedSkipsTheGeometryEvenWhenItIsNoNumber) {
    const auto r = core::ParseSettingsLines({"2", "x", "y", "z", "w", "1", "me", "pw"});
    EXPECT_EQ(r.windowState, 2);
    EXPECT_FALSE(r.width);
    EXPECT_FALSE(r.top);
    EXPECT_EQ(r.language, core::Lang::Russian);
    EXPECT_EQ(r.login, "me");
    EXPECT_EQ(r.password, "pw");
}

TEST(ParseSettingsLines, SixLinesLeaveLoginAndPasswordAbsent) {
    const auto r = core::ParseSettingsLines({"0", "1", "2", "3", "4", "1"});
    EXPECT_EQ(r.language, core::Lang::Russian);
    EXPECT_FALSE(r.login);
    EXPECT_FALSE(r.password);
}

TEST(ParseSettingsLines, SevenLinesGiveTheLoginOnly) {
    const auto r = core::ParseSettingsLines({"0", "1", "2", "3", "4", "0", ""});
    EXPECT_EQ(r.language, core::Lang::English);
    EXPECT_EQ(r.login, "");
    EXPECT_FALSE(r.password);
}

TEST(ParseSettingsLines, ANonNumberStopsTheReadingThere) {
    const auto r = core::ParseSettingsLines({"0", "500", "abc", "1", "2", "1", "me", "pw"});
    EXPECT_EQ(r.windowState, 0);
    EXPECT_EQ(r.width, 500);
    EXPECT_FALSE(r.height);
    EXPECT_FALSE(r.left);
    EXPECT_FALSE(r.language);
    EXPECT_FALSE(r.login);

    const auto first = core::ParseSettingsLines({"normal", "500"});
    EXPECT_FALSE(first.windowState);
    EXPECT_FALSE(first.width);

    const auto language = core::ParseSettingsLines({"0", "1", "2", "3", "4", "yes", "me"});
    EXPECT_EQ(language.top, 4);
    EXPECT_FALSE(language.language);
    EXPECT_FALSE(language.login);
}

TEST(ParseSettingsLines, LanguageLooksAtTheLowEightBits) {
    constexpr auto En = core::Lang::English, Ru = core::Lang::Russian;
    const std::pair<const char*, core::Lang> cases[] = {
        {"0", En}, {"1", Ru}, {"2", Ru}, {"255", Ru}, {"256", En}, {"257", Ru}, {"-1", Ru}};
    for (const auto& [text, language] : cases) {
        const auto r = core::ParseSettingsLines({"0", "1", "2", "3", "4", text});
        EXPECT_EQ(r.language, language) << text;
    }
}

TEST(ParseSettingsLines, OtherStatesStillReadTheGeometry) {
    const auto r = core::ParseSettingsLines({"7", "640", "480", "10", "20"});
    EXPECT_EQ(r.windowState, 7);
    EXPECT_EQ(r.width, 640);
    EXPECT_EQ(r.top, 20);
}

TEST(SettingsLines, AreTheEightValuesInOrder) {
    core::SettingsToWrite v;
    v.state = core::WindowState::Maximized;
    v.width = 662;
    v.height = 580;
    v.left = -3;
    v.top = 0;
    v.language = core::Lang::Russian;
    v.login = "\xC8\xE2\xE0\xED";
    v.password = "";
    const std::vector<std::string> expected = {
        "2", "662", "580", "-3", "0", "1", "\xC8\xE2\xE0\xED", ""};
    EXPECT_EQ(core::SettingsLines(v), expected);
}

TEST(SettingsLines, ALineBreakNeverPushesThePasswordOutOfLineEight) {
    core::SettingsToWrite v;
    v.login = "a\r\nb";
    v.password = "c\nd\re";
    const auto lines = core::SettingsLines(v);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], "a  b");
    EXPECT_EQ(lines[7], "c d e");
}

TEST(SettingsLines, ReadBackGiveTheSameValues) {
    core::SettingsToWrite v;
    v.state = core::WindowState::Minimized;
    v.width = 700;
    v.height = 500;
    v.left = 12;
    v.top = 34;
    v.language = core::Lang::English;
    v.login = "user";
    v.password = "secret";
    const auto r = core::ParseSettingsLines(core::SettingsLines(v));
    EXPECT_EQ(r.windowState, 1);
    EXPECT_EQ(r.width, 700);
    EXPECT_EQ(r.height, 500);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 34);
    EXPECT_EQ(r.language, core::Lang::English);
    EXPECT_EQ(r.login, "user");
    EXPECT_EQ(r.password, "secret");
}

} // namespace

TEST(SettingsLines, SixLinesLeaveOutLoginAndPassword) {
    core::SettingsToWrite v;
    v.state = core::WindowState::Maximized;
    v.width = 691;
    v.height = 700;
    v.left = 5;
    v.top = -3;
    v.language = core::Lang::Russian;
    v.login = "me";
    EXPECT_EQ(core::SettingsLines(v, 6),
              (std::vector<std::string>{"2", "691", "700", "5", "-3", "1"}));
}

TEST(KeepOnScreen, GeometryStaysWithinTheAreaAndAboveTheMinimum) {
    const core::WindowBox screen{0, 30, 1280, 994};
    const struct {
        core::WindowBox wanted, kept;
    } cases[] = {
        {{20, 40, 662, 500}, {20, 40, 662, 500}},
        {{0, 0, 100000, 100000}, {0, 30, 1280, 994}},
        {{2147483647, 2147483647, 2147483647, 2147483647}, {0, 30, 1280, 994}},
        {{-2147483647 - 1, -5, 1, 1}, {0, 30, 200, 150}},
        {{1200, 900, 662, 500}, {618, 524, 662, 500}},
    };
    for (const auto& c : cases) {
        const core::WindowBox got = core::KeepOnScreen(c.wanted, screen);
        EXPECT_EQ((std::vector<int>{got.left, got.top, got.width, got.height}),
                  (std::vector<int>{c.kept.left, c.kept.top, c.kept.width, c.kept.height}))
            << c.wanted.left << "," << c.wanted.top << " " << c.wanted.width << "x"
            << c.wanted.height;
    }
}
