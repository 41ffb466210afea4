// The sibling-tool launcher and the version query.
#include "ToolLauncher.h"

#include <Lumeric.h>
#include <windows.h>

#include <array>
#include <cstdarg>

#include "BoundedFormat.h"
#include "VelmoraTools.h"

namespace velmora {
namespace {

// By tool number; number 2 has no program.
constexpr std::array<const char*, 10> kToolPrograms = {
    nullptr,      "Trebbit.exe", nullptr,       "Quorrel.exe", "Gostrel.exe",
    "Fardle.exe", "Orvex.exe",   "Wendrel.exe", "Kestrun.exe", "Brannock.exe",
};

constexpr std::size_t kArgumentBuffer = 1024;

}  // namespace

const char* ToolProgram(int number) {
  if (number < 1 || number >= static_cast<int>(kToolPrograms.size())) return nullptr;
  return kToolPrograms[static_cast<std::size_t>(number)];
}

std::optional<std::string> ToolCommandLine(int number, const char* arguments) {
  const char* program = ToolProgram(number);
  if (program == nullptr) return std::nullopt;
  return std::string(program) + " " + (arguments ? arguments : "");
}

}  // namespace velmora

extern "C" bool LaunchHLLDTool(int number, const char* format, ...) {
  char arguments[velmora::kArgumentBuffer];
  va_list args;
  va_start(args, format);
  velmora::FormatBounded(arguments, sizeof arguments, format, args);
  va_end(args);
  const auto commandLine = velmora::ToolCommandLine(number, arguments);
  if (!commandLine) return false;
  return WinExec(commandLine->c_str(), SW_SHOWNORMAL) > 31;
}

extern "C" int GetLumericVersion(char* buffer, int size) { return LumericVersion(buffer, size); }
