// The bridge through which the services take handle values and keep child
// processes as waitable kernel objects of the core's handle table.
#pragma once

#include <memory>
#include <vector>

#include "win32/wintypes.h"

namespace win32::core {
struct KernelObject;
}

namespace win32::internal {

// A fresh handle value of any kind; values are never reused.
uintptr_t NewHandleValue();

// A child process, or its main thread, as a kernel object: waitable, and
// signalled once it is finished.
using ProcessObject = std::shared_ptr<core::KernelObject>;
ProcessObject NewProcessObject(DWORD id);
// Enters the object in the handle table under a new handle.
HANDLE AddProcessObject(const ProcessObject& object);
// The object behind a handle (of any kind), or null.
ProcessObject FindKernelObject(HANDLE handle);
// Marks the objects finished with the exit code and wakes their waiters.
void FinishProcessObjects(const std::vector<ProcessObject>& objects, DWORD exitCode);
// STILL_ACTIVE until the object is finished.
DWORD ProcessObjectExitCode(const ProcessObject& object);
DWORD ProcessObjectId(const ProcessObject& object);
// Makes the calling thread one the virtual clock waits for while it runs.
void CountCallingThread();

}  // namespace win32::internal
