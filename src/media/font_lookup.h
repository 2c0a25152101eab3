// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where this system keeps its fonts: fontconfig on Linux, the font list and the game's own folder on Windows.

#include <optional>

#include "media/font_chain.h"
#include "media/font_match.h"

namespace vargo::media {

// The installed upright, scalable font of one candidate family that has every Czech letter; nullopt if none.
std::optional<FontFile> lookUpFamily(const FontCandidate& candidate, bool bold);

}  // namespace vargo::media
