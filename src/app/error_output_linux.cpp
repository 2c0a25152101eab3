// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/error_output.h"

namespace vargo::app {

void routeErrorOutput() {}

}  // namespace vargo::app
