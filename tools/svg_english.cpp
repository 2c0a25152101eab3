// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the English drawing of a picture that carries words: the same drawing with each word replaced by
// its translation from the catalogue. A word the catalogue lacks stops the build.
//
//   vargo_svg_english PICTURE.svg OUTPUT.svg CATALOGUE.po

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "po.h"
#include "svg_words.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: vargo_svg_english PICTURE.svg OUTPUT.svg CATALOGUE.po\n");
    return 2;
  }
  try {
    std::map<std::string, std::string> english;
    for (const vargo::tools::PoEntry& e : vargo::tools::readPo(argv[3]))
      english[e.id] = e.text;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string svg{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof())
      throw std::runtime_error(std::string(argv[1]) + ": cannot be read");
    const std::string out = vargo::tools::withWords(svg, [&](const std::string& word) {
      const auto it = english.find(word);
      if (it == english.end())
        throw std::runtime_error("no translation of the word \"" + word + "\" of " + argv[1]);
      return it->second;
    });
    std::ofstream file(argv[2], std::ios::binary);
    file << out;
    return file ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo_svg_english: %s\n", e.what());
    return 1;
  }
}
