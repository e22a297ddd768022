#pragma once

#include "core/DrawStore.h"
#include "core/Lang.h"
#include "core/LineSource.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// What Find writes back into its edit: blanks and digits only, runs of blanks made one.
std::string CleanFindText(std::string_view text);

// One line per draw, newest first, listing the query numbers it holds. Throws
// ConversionError for a number beyond 32 bits.
// The lines are made on demand.
std::shared_ptr<const LineSource> FindSource(const DrawStore& store, std::string_view cleaned,
                                             int perDraw);

std::string FindCaption(Lang lang);

} // namespace core
