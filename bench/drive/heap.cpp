// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/heap.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace vargo::bench {

std::size_t liveHeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;  // small blocks in use plus the large ones mapped on their own
}

std::size_t residentKiB(std::string_view field) {
  std::ifstream status("/proc/self/status");
  const std::string prefix = std::string(field) + ":";
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(prefix))
      return std::stoul(line.substr(prefix.size()));
  }
  return 0;
}

}  // namespace vargo::bench
