// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "app/error_output.h"

namespace vargo::app {

void routeErrorOutput() {}

void showOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace vargo::app
