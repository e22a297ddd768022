#include "core/LineSource.h"
#include "platform/FreedMemory.h"
#include "platform/Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <cstddef>
#include <dlfcn.h>

// Each hand-back reaches the allocator's trim: counted here on its way there, so the test sees
// it under the sanitizers too, whose allocator keeps freed memory whatever is trimmed.
namespace {
int trims = 0;
}

extern "C" int malloc_trim(std::size_t pad) noexcept {
    ++trims;
    using Trim = int (*)(std::size_t);
    static const Trim next = reinterpret_cast<Trim>(dlsym(RTLD_NEXT, "malloc_trim"));
    return next ? next(pad) : 0;
}

namespace {

using namespace platform;

TEST(FreedMemory, HandsPagesBackFromTheSizeOfALargeText) {
    const struct {
        std::size_t freed;
        int trims;
    } cases[] = {{0, 0}, {TrimBytes - 1, 0}, {TrimBytes, 1}, {TrimBytes * 4, 1}};
    for (const auto& c : cases) {
        const int before = trims;
        HandBackFreedMemory(c.freed);
        EXPECT_EQ(trims - before, c.trims) << c.freed;
    }
}

// Another program's paste of 40 MB: the window system lets its copy go after the paste is
// served, and the pages come back to the system a few seconds later, the first after two.
TEST(FreedMemory, AServedLargePasteIsFollowedByHandBacks) {
    TMemo memo;
    memo.SetSource(core::MakeRowLines(
        {}, 1000, 0, [](int, std::size_t) { return std::size_t{40000}; },
        [](int, std::size_t i, std::string& out) { out.assign(40000, char('0' + i % 10)); }));
    memo.SelectAll();
    memo.CopyToClipboard();
    const int before = trims;
    ASSERT_EQ(QApplication::clipboard()->mimeData()->data("text/plain").size(), 1000 * 40001);
    EXPECT_EQ(trims, before); // none while the window system still holds the text
    EXPECT_TRUE(QTest::qWaitFor([&] { return trims > before; }, 4000));
    QApplication::clipboard()->clear();
}

} // namespace
