#pragma once

#include "apps/shared/EditionHost.h"
#include "tests/support/Stores.h"

#include <utility>
#include <vector>

namespace testing_support {

// An edition's main window as the shared windows see it: its draws, its rules and layouts (one
// edition's bundle, never a mix), its language.
class WindowTestHost : public EditionHost {
public:
    explicit WindowTestHost(const EditionBundle& bundle,
                            const std::vector<core::Draw>& newestFirst = {})
        : EditionHost(bundle), store(StoreOf(newestFirst)) {}

    core::Lang Language() const override { return lang; }
    const core::DrawStore& Store() const override { return store; }

    core::DrawStore store;
    core::Lang lang = core::Lang::English;
};

} // namespace testing_support
