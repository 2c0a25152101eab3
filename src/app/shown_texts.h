// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the game shows in its own language, with where it is shown: what a translation must cover.
// The template po/vargo.pot is written from it.

#include <string>
#include <string_view>
#include <vector>

namespace vargo::app {

struct ShownText {
  std::string_view text;
  std::string where;  // "<screen> <widget>", or what shows it at run time
};

// The captions of every screen's table, in the order of the screens, but the counters' numbers; then the
// texts screens show at run time. A text shown in several places is listed at each.
std::vector<ShownText> shownTexts();

}  // namespace vargo::app
