// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a picture carries, and the same picture with other words. A word is the content of a <text>
// element, or a group of outlines marked with data-word="..." and the place and size to write it
// instead: data-word-x, data-word-y (the middle of its baseline) and data-word-size, and its face when it is
// not DejaVu Sans Bold: data-word-family, data-word-weight, data-word-style.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vargo::tools {

std::vector<std::string> wordsOf(std::string_view svg);

// The picture with each word replaced by what `translate` gives for it. A <text> keeps its place and
// style; a word in outlines that changes becomes one bold <text> a layer of outlines, painted as that
// layer was.
using Translate = std::function<std::string(const std::string&)>;
std::string withWords(std::string_view svg, const Translate& translate);

}  // namespace vargo::tools
