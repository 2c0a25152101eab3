// SPDX-License-Identifier: GPL-3.0-or-later
// The browser has no fonts to ask for: the page brings the shipped ones, in /fonts of its files.
#include "media/font_lookup.h"
#include "media/shipped_fonts.h"

namespace vargo::media {

namespace {

std::optional<FontFile> found(const char* family, bool bold) {
  const std::string path = shippedFont("/fonts/", family, bold);
  if (path.empty() || !coversCzech(path))
    return std::nullopt;
  return FontFile{family, path};
}

}  // namespace

std::optional<FontFile> lookUpFamily(const FontCandidate& candidate, bool bold) {
  return lookUpFamilyWith(candidate, bold, found);
}

}  // namespace vargo::media
