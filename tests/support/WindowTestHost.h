#pragma once

#include "apps/shared/EditionHost.h"
#include "tests/support/Stores.h"

#include <utility>
#include <vector>

namespace testing_support {

// An edition's main window as the shared windows see it: its draws, its rules, its language.
class WindowTestHost : public EditionHost {
public:
    explicit WindowTestHost(const core::Edition& edition = core::Edition5x36,
                            const std::vector<core::Draw>& newestFirst = {})
        : store(StoreOf(newestFirst)), edition_(edition) {}

    bool IsRussian() const override { return russian; }
    const core::DrawStore& Store() const override { return store; }
    const core::Game& GameRules() const override { return edition_.game; }
    const core::Edition& EditionRules() const override { return edition_; }

    core::DrawStore store;
    bool russian = false;

private:
    const core::Edition& edition_;
};

} // namespace testing_support
