// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A function of a system library that SDL loads at run time too (Xlib, XRandR), looked up the same way, so
// the game links none of them.

#include <dlfcn.h>

namespace vargo::platform {

// The function `name` of `library`, which stays loaded; nullptr when the library is not installed.
template <typename Function>
Function symbolOf(const char* library, const char* name) {
  void* handle = dlopen(library, RTLD_LAZY);
  return handle == nullptr ? nullptr : reinterpret_cast<Function>(dlsym(handle, name));
}

}  // namespace vargo::platform
