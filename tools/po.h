// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the gettext catalogues under po/: the entries of a .po or .pot file, and a text as
// a quoted PO string.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vargo::tools {

struct PoEntry {
  std::string id;    // msgid: the game's own text
  std::string text;  // msgstr: its translation
  bool fuzzy = false;
};

// The entries of a catalogue, without its header (the entry of the empty msgid). Throws
// std::runtime_error naming the file and line on a line it cannot read.
std::vector<PoEntry> readPo(const std::filesystem::path& file);

// `keyword "..."` lines for a text, one line for each of its line breaks, as msgmerge writes them.
std::string poString(std::string_view keyword, std::string_view text);

}  // namespace vargo::tools
