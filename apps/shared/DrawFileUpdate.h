#pragma once

#include "core/DrawUpdate.h"
#include "core/Lang.h"

#include <functional>
#include <string>

class SiteTransfer;

// What an edition's Update command hands to the shared update.
struct DrawFileUpdateJob {
    std::string siteRoot;
    std::string fileName; // the draw file in the program folder, also its name at the site root
    core::DrawLineRule isDrawLine;
    core::Lang lang = core::Lang::English; // of the messages about files that could not be kept
    // Loads the new draw file (full path); false when it could not be read.
    std::function<bool(const std::string& path)> reload;
    // The message after a successful reload.
    std::function<std::string()> successMessage;
};

enum class DrawFileUpdateEnd {
    Updated,    // the draw file was replaced and reloaded
    NotUpdated, // the user was told why (or another transfer was running); nothing changed
    Closed,     // the window closed during the transfer; nothing was written or shown
};

// Fetches the draw file from the site and puts it in place of the old one, which stays under
// its backup name. The file changes only for a whole download whose every non-empty line is a
// draw line of the edition, and there is no moment without a draw file. A download of fewer
// draws than the file holds replaces it only when the user says so.
DrawFileUpdateEnd RunDrawFileUpdate(SiteTransfer& transfer, const DrawFileUpdateJob& job);
