// SPDX-License-Identifier: GPL-3.0-or-later
#include "svg_words.h"

#include <stdexcept>

namespace vargo::tools {

namespace {

constexpr std::string_view kTextOpen = "<text";
constexpr std::string_view kTextClose = "</text>";
constexpr std::string_view kGroupOpen = "<g data-word=\"";
constexpr std::string_view kGroupClose = "</g>";

// The text that opens an attribute in a start tag: ` name="`.
std::string attributeKey(std::string_view name) {
  std::string key(" ");
  key.append(name).append("=\"");
  return key;
}

// The value of an attribute of an element's start tag; empty when it has none.
std::string attribute(std::string_view tag, std::string_view name) {
  const std::string key = attributeKey(name);
  const auto at = tag.find(key);
  if (at == std::string_view::npos)
    return {};
  const auto start = at + key.size();
  return std::string(tag.substr(start, tag.find('"', start) - start));
}

// A start tag without one of its attributes.
std::string without(std::string_view tag, std::string_view name) {
  const std::string key = attributeKey(name);
  const auto at = tag.find(key);
  if (at == std::string_view::npos)
    return std::string(tag);
  const auto end = tag.find('"', at + key.size()) + 1;
  return std::string(tag.substr(0, at)) + std::string(tag.substr(end));
}

// One word found in the picture: where it lies and what it says.
struct Found {
  std::size_t begin;  // the part of the picture that changes with the word
  std::size_t end;
  std::string word;
  bool outlines;
};

// The next word at or after `from`; begin is npos when there is none.
Found next(std::string_view svg, std::size_t from) {
  const auto text = svg.find(kTextOpen, from);
  const auto group = svg.find(kGroupOpen, from);
  if (text == std::string_view::npos && group == std::string_view::npos)
    return {std::string_view::npos, 0, {}, false};
  if (group < text) {
    const auto close = svg.find(kGroupClose, group);
    if (close == std::string_view::npos)
      throw std::runtime_error("a data-word group without its </g>");
    const auto quote = svg.find('"', group + kGroupOpen.size());
    return {group, close + kGroupClose.size(),
            std::string(svg.substr(group + kGroupOpen.size(), quote - group - kGroupOpen.size())), true};
  }
  const auto content = svg.find('>', text) + 1;
  const auto close = svg.find(kTextClose, content);
  if (close == std::string_view::npos)
    throw std::runtime_error("a <text> without its </text>");
  return {content, close, std::string(svg.substr(content, close - content)), false};
}

// An attribute of the group, or the default when it has none.
std::string attributeOr(std::string_view tag, std::string_view name, std::string_view otherwise) {
  const std::string value = attribute(tag, name);
  return value.empty() ? std::string(otherwise) : value;
}

// An outlined word written anew: one <text> for each <path> of the group, with the path's paint, in the
// group's face (DejaVu Sans Bold unless data-word-family, -weight or -style say otherwise).
std::string rewritten(std::string_view group, const std::string& word) {
  const std::string_view open = group.substr(0, group.find('>') + 1);
  const std::string where = " x=\"" + attribute(open, "data-word-x") + "\" y=\"" +
                            attribute(open, "data-word-y") + "\" font-size=\"" +
                            attribute(open, "data-word-size") + "\" font-family=\"" +
                            attributeOr(open, "data-word-family", "DejaVu Sans") + "\" font-weight=\"" +
                            attributeOr(open, "data-word-weight", "bold") + "\" font-style=\"" +
                            attributeOr(open, "data-word-style", "normal") + "\" text-anchor=\"middle\"";
  std::string out = "<g>";
  for (auto path = group.find("<path"); path != std::string_view::npos;
       path = group.find("<path", path + 1)) {
    const auto end = group.find("/>", path);
    const std::string tag = without(group.substr(path, end - path), "d");
    out += "<text" + tag.substr(5) + where + ">" + word + "</text>";
  }
  return out + "</g>";
}

}  // namespace

std::vector<std::string> wordsOf(std::string_view svg) {
  std::vector<std::string> words;
  for (Found f = next(svg, 0); f.begin != std::string_view::npos; f = next(svg, f.end))
    words.push_back(f.word);
  return words;
}

std::string withWords(std::string_view svg, const Translate& translate) {
  std::string out;
  std::size_t copied = 0;
  for (Found f = next(svg, 0); f.begin != std::string_view::npos; f = next(svg, f.end)) {
    const std::string shown = translate(f.word);
    if (shown == f.word)
      continue;
    out.append(svg.substr(copied, f.begin - copied));
    out += f.outlines ? rewritten(svg.substr(f.begin, f.end - f.begin), shown) : shown;
    copied = f.end;
  }
  return out.append(svg.substr(copied));
}

}  // namespace vargo::tools
