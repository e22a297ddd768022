#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"

// What the shared windows read from their edition's main window.
class EditionHost {
public:
    virtual ~EditionHost() = default;
    virtual bool IsRussian() const = 0;
    virtual const core::DrawStore& Store() const = 0;
    virtual const core::Game& GameRules() const = 0;

    core::Lang Language() const { return IsRussian() ? core::Lang::Russian : core::Lang::English; }
};
