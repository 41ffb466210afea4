#include "VelmoraTestHooks.h"

#include "ResourceScope.h"
#include "ToolLauncher.h"

namespace velmora::test {

HINSTANCE LibraryInstance() { return velmora::LibraryInstance(); }

HINSTANCE HostResourceHandle() { return velmora::HostResourceHandle(); }

void RunInResourceScope(const std::function<void()>& work) {
  ResourceScope resources;
  work();
}

std::string ToolCommandLine(int number, const char* arguments) {
  return velmora::ToolCommandLine(number, arguments).value_or("");
}

}  // namespace velmora::test
