#pragma once

#include "apps/shared/EditionBundle.h"
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
    explicit EditionHost(const EditionBundle& bundle) : bundle_(bundle) {}
    // It keeps the bundle's address: never one that ends before it.
    explicit EditionHost(const EditionBundle&&) = delete;
    virtual ~EditionHost() = default;
    virtual core::Lang Language() const = 0;
    virtual const core::DrawStore& Store() const = 0;

    // The edition's rules, texts and window layouts, as the program chose them.
    const EditionBundle& Bundle() const { return bundle_; }
    const core::Game& GameRules() const { return bundle_.rules.game; }
    const core::Edition& EditionRules() const { return bundle_.rules; }
    const UtilsEdition& UtilsRules() const { return bundle_.utils; }
    const TableWindowEdition& TableRules() const { return bundle_.table; }

    // Draws the ticket of a draw (its numbers separated by blanks) with the edition's board
    // routine and returns the picture, whose top-left 345 x 410 the export saves; nothing when
    // the edition has no board.
    virtual const platform::TBitmap* TicketPicture(const std::string& /*numbersText*/) {
        return nullptr;
    }
    // The draw-map window's square size at start and its width.
    int MapStartZoom() const { return EditionRules().mapStartZoom; }
    int MapWindowWidth() const { return EditionRules().mapWindowWidth; }
    // The window the utilities window's Highlighter button opens.
    virtual void ShowHighlighter() {}

private:
    const EditionBundle& bundle_;
};
