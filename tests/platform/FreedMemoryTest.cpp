#include "platform/FreedMemory.h"
#include "tests/platform/LargeCopy.h"

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
    CopyLargeText(memo);
    const int before = trims;
    ASSERT_EQ(QApplication::clipboard()->mimeData()->data("text/plain").size(),
              LargeTextPasteBytes);
    EXPECT_EQ(trims, before); // none while the window system still holds the text
    EXPECT_TRUE(QTest::qWaitFor([&] { return trims > before; }, 4000));
    QApplication::clipboard()->clear();
}

} // namespace
