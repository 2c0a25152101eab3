// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the template of the translations, po/vargo.pot, to stdout: every text the game shows, then the
// words of every picture given, each once. Run by tools/ci/po.sh, which keeps po/vargo.pot equal to it.
//
//   vargo_pot [PICTURE.svg]...

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/shown_texts.h"
#include "po.h"
#include "svg_words.h"

namespace {

constexpr std::string_view kHeader =
    "# The texts of vargo, in Czech, the game's own language.\n"
    "# SPDX-License-Identifier: GPL-3.0-or-later\n"
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Project-Id-Version: vargo\\n\"\n"
    "\"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n\"\n"
    "\"Last-Translator: FULL NAME <EMAIL@ADDRESS>\\n\"\n"
    "\"Language-Team: LANGUAGE <LL@li.org>\\n\"\n"
    "\"Language: \\n\"\n"
    "\"MIME-Version: 1.0\\n\"\n"
    "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
    "\"Content-Transfer-Encoding: 8bit\\n\"\n";

// The texts in the order they are first met, each with every place it is shown.
struct Entry {
  std::string text;
  std::vector<std::string> places;
};

void add(std::vector<Entry>& entries, std::string_view text, const std::string& place) {
  const auto it = std::ranges::find(entries, text, &Entry::text);
  if (it == entries.end())
    entries.push_back({std::string(text), {place}});
  else
    it->places.push_back(place);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    std::vector<Entry> entries;
    for (const vargo::app::ShownText& t : vargo::app::shownTexts())
      add(entries, t.text, t.where);
    for (int i = 1; i < argc; ++i) {
      std::ifstream in(argv[i], std::ios::binary);
      const std::string svg{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      const std::string picture = std::filesystem::path(argv[i]).stem().string();
      for (const std::string& word : vargo::tools::wordsOf(svg))
        add(entries, word, "a word of the picture " + picture);
    }
    std::cout << kHeader;
    for (const Entry& e : entries) {
      std::cout << '\n';
      for (const std::string& place : e.places)
        std::cout << "#. " << place << '\n';
      std::cout << vargo::tools::poString("msgid", e.text) << "msgstr \"\"\n";
    }
    return std::cout ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo_pot: %s\n", e.what());
    return 1;
  }
}
