// What the library's tests look at inside it: the handles of its resource
// switch, the switch itself and the launcher's command lines. Not for the
// programs.
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>

namespace velmora::test {

// The library's instance handle, as its entry point kept it.
AFX_EXT_API HINSTANCE LibraryInstance();
// The host's resource handle, recorded at the first switch; null before.
AFX_EXT_API HINSTANCE HostResourceHandle();
// Runs `work` inside the resource switch that the library's exported
// windows make around their work; an exception from `work` travels on.
AFX_EXT_API void RunInResourceScope(const std::function<void()>& work);
// The command line LaunchHLLDTool starts for tool `number` with the
// formatted `arguments`; empty for a number without a program.
AFX_EXT_API std::string ToolCommandLine(int number, const char* arguments);

}  // namespace velmora::test
