#include "platform/FreedMemory.h"
#include "platform/Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <dlfcn.h>

// Counted on its way to the allocator, so the tests see hand-backs under the sanitizers too,
// whose allocator keeps freed memory whatever is trimmed.
static int trims = 0;

extern "C" int malloc_trim(std::size_t pad) noexcept {
    ++trims;
    using Trim = int (*)(std::size_t);
    static const Trim next = reinterpret_cast<Trim>(dlsym(RTLD_NEXT, "malloc_trim"));
    return next ? next(pad) : 0;
}

namespace {

using namespace platform;

// At least TrimBytes freed are handed back at once; another program's paste of 40 MB is
// followed by hand-backs a few seconds later, the first after two, once the window system lets
// its copy go.
TEST(FreedMemory, HandsPagesBackAfterALargeTextAndAServedLargePaste) {
    for (const auto& [freed, handedBack] : {std::pair{TrimBytes - 1, 0}, {TrimBytes, 1}}) {
        const int before = trims;
        HandBackFreedMemory(freed);
        EXPECT_EQ(trims - before, handedBack) << freed;
    }
    TMemo memo;
    memo.SetText(std::string(40 << 20, 'x'));
    memo.SelectAll();
    memo.CopyToClipboard();
    const int before = trims;
    ASSERT_EQ(QApplication::clipboard()->mimeData()->data("text/plain").size(), 40 << 20);
    EXPECT_EQ(trims, before); // none while the window system still holds the text
    EXPECT_TRUE(QTest::qWaitFor([&] { return trims > before; }, 4000));
    QApplication::clipboard()->clear();
}

} // namespace
