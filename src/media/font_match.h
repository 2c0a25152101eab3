// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the installed font file for each face of the game: the face itself where installed, else a stand-in.
// The families tried are in font_chain.cpp; only a font that has the Czech letters counts.

#include <optional>
#include <string>

#include "ui/font.h"

namespace vargo::media {

struct FontFile {
  std::string family;
  std::string path;
  int index = 0;          // the face within the file
  bool embolden = false;  // draw it bold: bold was asked for but the file is not a bold one
};

// Asks the system; nullopt when nothing installed covers Czech.
std::optional<FontFile> matchFont(ui::Face face, bool bold);

// matchFont, asked once per face and weight for the whole run.
std::optional<FontFile> installedFont(ui::Face face, bool bold);

}  // namespace vargo::media
