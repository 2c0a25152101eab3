// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stand-in fonts that come with the game where the system may lack them (Windows, the browser), in a
// fonts folder of the game's own, and the rule both lookups share for bold.

#include <optional>
#include <string>
#include <string_view>

#include "media/font_chain.h"
#include "media/font_match.h"

namespace vargo::media {

// The shipped file of `family` in `folder` (a path ending in its separator); empty when none ships, or
// bold is asked of a family whose bold is drawn from its regular file.
std::string shippedFont(std::string_view folder, const char* family, bool bold);

// Whether the font file opens and has every Czech letter.
bool coversCzech(const std::string& path);

// A font of one family that covers Czech, regular or bold; nullopt if there is none.
using FindFamily = std::optional<FontFile> (*)(const char* family, bool bold);

// The font of a candidate through `find`. Bold is the file's own bold, else the regular file drawn bold.
std::optional<FontFile> lookUpFamilyWith(const FontCandidate& candidate, bool bold, FindFamily find);

}  // namespace vargo::media
