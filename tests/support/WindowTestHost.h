#pragma once

#include "apps/shared/EditionHost.h"
#include "tests/support/Stores.h"

#include <utility>
#include <vector>

namespace testing_support {

// An edition's main window as the shared windows see it: its draws, its rules, its language.
// The utilities and table windows take the 6-of-45 layouts unless a test names others.
class WindowTestHost : public EditionHost {
public:
    explicit WindowTestHost(const core::Edition& edition = core::Edition5x36,
                            const std::vector<core::Draw>& newestFirst = {},
                            const UtilsEdition& utils = Utils6x45)
        : EditionHost(bundle_), store(StoreOf(newestFirst)), bundle_{.rules = edition,
                                                                     .utils = utils,
                                                                     .table = TableWindow6x45} {}

    core::Lang Language() const override { return lang; }
    const core::DrawStore& Store() const override { return store; }

    core::DrawStore store;
    core::Lang lang = core::Lang::English;

private:
    // Only its address is taken before it is made.
    EditionBundle bundle_;
};

} // namespace testing_support
