#pragma once

#include "core/DrawFile.h"
#include "core/Game.h"
#include "core/HttpFraming.h"
#include "core/Lang.h"
#include "core/TextLines.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules of the draw-file update and the version check; the form does the transfer and the
// file operations.
namespace core {

inline constexpr const char* kBuildDate = "17 April 2010";

// An edition's draw-file line rule: true for a line its loader takes as a draw.
using DrawLineRule = std::function<bool(std::string_view line)>;

struct DrawDownload {
    std::string fileBytes; // the non-empty lines joined by CR LF, without a final line end
    int lines = 0;         // the non-empty lines
    // Every non-empty line is a draw line of the edition, and there is one: only such a
    // download may take the place of the draw file (an error page, a cut body or a foreign
    // file never does).
    bool allDrawLines = false;
};

// The body read as a draw file's text (DrawFileLines).
DrawDownload PrepareDrawDownload(const std::string& body, const DrawLineRule& isDrawLine);

// The draw lines among a draw file's lines (as DrawFileLines gives them).
int CountDrawLines(const std::vector<std::string>& lines, const DrawLineRule& isDrawLine);

// Sizes beyond which a download is refused as soon as they are exceeded: a 10,000-draw file is
// about 200 KB, a version file one short line.
inline constexpr long long MaxDrawDownloadBytes = 4 << 20;
inline constexpr long long MaxVersionFileBytes = 4 << 10;

// How a transfer ended, as far as its body is concerned.
struct TransferEnd {
    int status = 0;
    AnswerFraming framing; // of the last response, as the client read it
    long long bodyBytes = 0;
    std::string_view body; // what arrived
};

// What ends a body that came without a Content-Length.
enum class UnsizedBody {
    // A draw file: a cut cannot be told from the end, so the body must end with a line end.
    EndsWithLineEnd,
    // A version text: it replaces nothing, so the server's normal close is its end.
    EndsWithClose,
};

// The body is the whole file: status 200, a header that delimits it, no transfer coding this
// HTTP/1.0 client does not undo (chunk sizes would be taken for lines), exactly the
// Content-Length when one came, and without one what the rule asks.
bool WholeFile(const TransferEnd& end, UnsizedBody unsized);

// The backup name of a draw file: name + ".bak", or name + ".bak[n]" for the first free n of
// 1..9999; nothing when every one is taken.
std::optional<std::string> BackupName(const std::string& fileName,
                                      const std::function<bool(const std::string&)>& taken);

std::string UpdateSuccessMessage(const std::string& fileName, int draws, Lang lang);
// Told when the old draw file could not be kept, so the new one was not saved.
std::string BackupFailedMessage(const std::string& fileName, Lang lang);
// Asked before a download of fewer draws than the draw file holds replaces it: a published
// history only grows.
std::string ShrinkQuestion(const std::string& fileName, int fileDraws, int downloadDraws,
                           Lang lang);
std::string ShrinkCaption(Lang lang);
// Told when the new draw file could not be written; the old one is kept.
std::string SaveFailedMessage(const std::string& fileName, Lang lang);

// The message of the version check for a downloaded version file, or nothing. Only a short
// line of plain text is shown: it stands for a date, and anything else (an error page, one
// endless line) is no version at all.
std::optional<std::string> VersionMessage(const std::string& body);

// Address of a file at the site root (scheme and host, a trailing "/" tolerated).
std::string SiteFileURL(const std::string& siteRoot, const std::string& fileName);

} // namespace core
