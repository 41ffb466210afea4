// The resource store: the static data that the compiled resource scripts
// register, and the reset of the objects built from it.
#pragma once

#include <cstddef>

#include "win32/wintypes.h"

namespace win32::internal {

// Registers one resource of `module`. `type` and `name` are integer
// resources or strings (compared case-insensitively); `data` is static
// program data and is never copied. A second resource with the same key
// replaces the first.
void AddResource(HINSTANCE module, LPCSTR type, LPCSTR name, const void* data, size_t size);

// The bytes of a resource, or false when the module or the resource is
// unknown. A null module is the program's module. Sets no error code.
bool FindResourceBytes(HINSTANCE module, LPCSTR type, LPCSTR name, const BYTE*& data, size_t& size);

// Destroys every menu and accelerator table; the window system calls it
// when it is reset (modules and their resources stay).
void ResetResourceObjects();

}  // namespace win32::internal
