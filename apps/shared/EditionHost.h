#pragma once

#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <string>

namespace platform {
class TBitmap;
}

// What the shared windows read from their edition's main window.
class EditionHost {
public:
    virtual ~EditionHost() = default;
    virtual bool IsRussian() const = 0;
    virtual const core::DrawStore& Store() const = 0;
    virtual const core::Game& GameRules() const = 0;
    // The edition's table: its texts, layouts and rule differences.
    virtual const core::Edition& EditionRules() const { return core::Edition6x45; }

    core::Lang Language() const { return IsRussian() ? core::Lang::Russian : core::Lang::English; }

    // Draws the ticket of a draw (its numbers separated by blanks) with the edition's board
    // routine and returns the picture, whose top-left 345 x 410 the export saves; nothing when
    // the edition has no board.
    virtual const platform::TBitmap* TicketPicture(const std::string& /*numbersText*/) {
        return nullptr;
    }
    // The draw-map window's square size at start and its width.
    virtual int MapStartZoom() const { return EditionRules().mapStartZoom; }
    virtual int MapWindowWidth() const { return EditionRules().mapWindowWidth; }
};
