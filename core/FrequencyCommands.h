#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Lang.h"

#include <string>

namespace core {

// Commands counting how often numbers occur in the newest n draws (records 0..n-1; n is kept
// within 0..DrawCount). Cold numbers looks at every loaded draw.

// Last-N prompt captions: Statistics, Delta and Average share the first; Frequency and
// Freq A1...A6 the second.
std::string StatisticsPromptCaption(Lang lang);
std::string FrequencyPromptCaption(Lang lang);

// The last-N prompt of Frequency itself, which differs between the editions, and the rule
// that reads its answer.
struct FrequencyPromptTexts {
    std::string caption, prompt;
    LastNVariant variant;
};
FrequencyPromptTexts FrequencyPrompt(const Edition& edition, int drawCount, Lang lang);

// Count levels of the numbers, with a bar per number.
CommandResult StatisticsCommand(const DrawStore& store, const Edition& edition, int n, Lang lang);
// Count levels of the differences between neighbouring numbers, with a bar per difference.
CommandResult DeltaCommand(const DrawStore& store, const Edition& edition, int n, Lang lang);
// The average number at each sorted position, rounded halves to even, one series each.
CommandResult AverageCommand(const DrawStore& store, const Edition& edition, int n, Lang lang);
// Draws since each number last occurred. A number that occurs in no loaded draw shows
// DrawCount: it has been out for at least all of them, so it sorts as the coldest.
CommandResult ColdNumbersCommand(const DrawStore& store, const Edition& edition, Lang lang);
// How many draws hold each number, sorted, and their average.
CommandResult FrequencyCommand(const DrawStore& store, const Edition& edition, int n, Lang lang);
// How often each number stands at each sorted position (A1...A6, A1...A5); text only.
CommandResult FreqA1A6Command(const DrawStore& store, const Edition& edition, int n, Lang lang);

} // namespace core
