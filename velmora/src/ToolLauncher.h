// The sibling tools that LaunchHLLDTool knows, by number.
#pragma once

#include <optional>
#include <string>

namespace velmora {

// The program file of tool `number`, or null for a number without one.
const char* ToolProgram(int number);

// The command line that starts tool `number` with `arguments`: the program
// file, one blank and the arguments; nothing when the tool has no program.
std::optional<std::string> ToolCommandLine(int number, const char* arguments);

}  // namespace velmora
