// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lays a label's caption out in lines: a line break at every CR LF, LF and lone CR, and word wrapping at
// spaces inside the label's width. A word wider than the label stands on a line of its own; drawing clips
// it. Lines are views into the caption.

#include <functional>
#include <string_view>
#include <vector>

namespace vargo::media {

// The drawn width of a piece of text in pixels.
using MeasureText = std::function<int(std::string_view)>;

std::vector<std::string_view> layoutText(std::string_view text, int width, const MeasureText& measure);

}  // namespace vargo::media
