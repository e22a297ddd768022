#include "core/LineBuilder.h"
#include "core/NumberWriter.h"

#include <gtest/gtest.h>

#include <string>

// The pair commands count their number texts up instead of formatting each: every one must be
// the number as ZeroPad writes it, across every change of digit count, with its suffix. A text
// beyond its slot is refused.
TEST(NumberTexts, CountedTextsAreThePaddedNumbersWithTheirSuffix) {
    for (int width : {0, 2, 5})
        for (std::string suffix : {"", " :  "}) {
            const core::NumberTexts texts(10000, width, suffix);
            for (int k = 0; k <= 10000; ++k) {
                std::string want;
                core::AppendPadded(want, k, width);
                want += suffix;
                const core::ShortText& t = texts[k];
                ASSERT_EQ(std::string(t.bytes.data(), t.size), want) << width << " " << k;
            }
        }
    EXPECT_THROW(core::NumberTexts(5, 16, " "), std::length_error);
    EXPECT_NO_THROW(core::NumberTexts(5, 15, " "));
}
