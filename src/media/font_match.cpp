// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/font_match.h"

#include <map>
#include <utility>

#include "media/font_lookup.h"

namespace vargo::media {

std::optional<FontFile> matchFont(ui::Face face, bool bold) {
  for (const FontCandidate& c : fontChain(face)) {
    if (auto file = lookUpFamily(c, bold))
      return file;
  }
  return std::nullopt;
}

std::optional<FontFile> installedFont(ui::Face face, bool bold) {
  static std::map<std::pair<ui::Face, bool>, std::optional<FontFile>> answers;
  auto it = answers.find({face, bold});
  if (it == answers.end())
    it = answers.emplace(std::pair(face, bold), matchFont(face, bold)).first;
  return it->second;
}

}  // namespace vargo::media
