#pragma once

#include "core/LineSource.h"
#include "platform/Memo.h"

// Copy all of 1,000 lines of 40 KB, as Stats duples writes them at 10,000 draws: 40 MB offered
// to the clipboard, written when a program pastes.
inline void CopyLargeText(platform::TMemo& memo) {
    memo.SetSource(core::MakeRowLines(
        {}, 1000, 0, [](int, std::size_t) { return std::size_t{40000}; },
        [](int, std::size_t i, std::string& out) { out.assign(40000, char('0' + i % 10)); }));
    memo.SelectAll();
    memo.CopyToClipboard();
}

// What a paste of it gets: each line with its line end.
inline constexpr int LargeTextPasteBytes = 1000 * 40001;
