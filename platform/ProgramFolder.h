#pragma once

#include <string>

namespace platform {

// The folder of the program file (no trailing slash); files beside the program live here.
std::string ProgramFolder();
// Tests point the program at a folder of their own; "" goes back to the program's.
void SetProgramFolder(const std::string& folder);
// folder + "/" + name
std::string InProgramFolder(const std::string& name);

} // namespace platform
