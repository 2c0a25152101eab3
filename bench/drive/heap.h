// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the process holds in memory: live heap bytes (allocated and not yet freed) and the resident set.

#include <cstddef>
#include <string_view>

namespace vargo::bench {

std::size_t liveHeapBytes();
// A "Vm..." field of /proc/self/status in KiB (VmRSS now, VmHWM at its peak); 0 when it cannot be read.
std::size_t residentKiB(std::string_view field);

}  // namespace vargo::bench
