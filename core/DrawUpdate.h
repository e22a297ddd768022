#pragma once

#include "core/DrawFile.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The rules of the draw-file update and the version check; the form does the transfer and the
// file operations.
namespace core {

inline constexpr const char* kBuildDate = "17 April 2010";

// Lines of a download: CR LF, LF or CR end a line; a final line end adds no empty line.
std::vector<std::string> SplitTextLines(const std::string& bytes);

struct DrawDownload {
    std::string fileBytes;    // the non-empty lines joined by CR LF, without a final line end
    int lines = 0;            // the non-empty lines
    bool hasDrawLine = false; // at least one line the loader would take
};

DrawDownload PrepareDrawDownload(const std::string& body, const DrawFileRules& rules);

// The backup name of a draw file: name + ".bak", or name + ".bak[n]" for the first free n of
// 1..9999; nothing when every one is taken.
std::optional<std::string> BackupName(const std::string& fileName,
                                      const std::function<bool(const std::string&)>& taken);

std::string UpdateSuccessMessage(const std::string& fileName, int draws, Lang lang);
// Told when the old draw file could not be kept, so the new one was not saved.
std::string BackupFailedMessage(const std::string& fileName, Lang lang);
// Told when the new draw file could not be written; the old one is kept.
std::string SaveFailedMessage(const std::string& fileName, Lang lang);

// The message of the version check for a downloaded version file, or nothing.
std::optional<std::string> VersionMessage(const std::string& body);

// Address of a file at the site root (scheme and host, a trailing "/" tolerated).
std::string SiteFileURL(const std::string& siteRoot, const std::string& fileName);

} // namespace core
