// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The families tried for each face of the game, best first: the face the texts name, then stand-ins, then
// a generic kind. Only a font that has every Czech letter counts.

#include <span>
#include <string_view>

#include "ui/font.h"

namespace vargo::media {

struct FontCandidate {
  const char* family;
  bool generic = false;    // any installed font of this kind will do
  bool forceBold = false;  // the stand-in only looks right bold
};

std::span<const FontCandidate> fontChain(ui::Face face);

// The letters with diacritics of Czech.
inline constexpr std::u32string_view kCzechLetters = U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";

}  // namespace vargo::media
