#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Lines of a text: CR LF, LF or CR end a line; a final line end adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view bytes);

} // namespace core
