#include "components/net/WSocket.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TimevalCase {
    TTimeVal a, b;
    bool isSet;    // of a
    bool sameBoth; // a and b equal in both fields
};

TEST(WSocketTimeval, TestClearAndCompare) {
    const std::vector<TimevalCase> cases = {
        {{0, 0}, {0, 0}, false, true}, {{1, 0}, {1, 0}, true, true},
        {{0, 1}, {0, 2}, true, false}, {{5, 7}, {5, 7}, true, true},
        {{5, 7}, {6, 7}, true, false}, {{-1, 0}, {0, 0}, true, false},
    };
    TWSocket s;
    for (const auto& c : cases) {
        EXPECT_EQ(s.TimevalIsSet(c.a), c.isSet) << c.a.tv_sec << "." << c.a.tv_usec;
        EXPECT_EQ(s.TimevalCompare(c.a, c.b, true), c.sameBoth);
        EXPECT_EQ(s.TimevalCompare(c.a, c.b, false), !c.sameBoth);
        TTimeVal t = c.a;
        s.TimevalClear(t);
        EXPECT_FALSE(s.TimevalIsSet(t));
    }
}

} // namespace
