#pragma once

#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Lang.h"

#include <optional>
#include <string>

// Reads a draw file (full path) and loads it into the store by the edition's rules. Nothing
// when the file could not be read or was refused; the user was told why, and the store is as
// it was.
std::optional<core::LoadReport> ReadDrawFile(const std::string& fileName,
                                             const core::DrawFileRules& rules,
                                             core::DrawStore& store, core::Lang lang);
