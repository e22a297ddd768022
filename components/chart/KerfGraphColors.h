#pragma once

#include "core/TColor.h"

#include <string>

namespace kerfgraph {

// The colour-scheme file of the chart. It is named (SetIniFileName) but never opened: a read
// returns the default the caller passes and a write is dropped, so every scheme shows the
// default colours.
class SchemeStore {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
};

// Default colour name of a scheme index: -2/-1 white (info box, background), 0 black
// (outlines, text, shadows), 1.. the series.
std::string DefaultSchemeColor(int index);

// The colour-name conversions of the platform: "clLime", "clBlack", ... or "$00BBGGRR" (and
// plain decimal) texts. An unknown name gives black.
core::TColor StringToColor(const std::string& text);
std::string ColorToString(core::TColor color);

} // namespace kerfgraph
