// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps one harmless X error from ending the game; see x11_errors.cpp.

namespace vargo::platform {

// Call once before SDL starts its video. Does nothing where Xlib is not installed.
void ignoreLostWakeups();

}  // namespace vargo::platform
