// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Background work, such as decoding a sound, must not take the processor from the user-interface thread:
// a thread that calls this gives way to every other thread of ordinary priority.

namespace vargo::media {

void yieldToForeground();

}  // namespace vargo::media
