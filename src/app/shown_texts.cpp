// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shown_texts.h"

#include <algorithm>

#include "app/screen_kinds.h"
#include "levels/reload_screen.h"
#include "names/screen_names.h"
#include "screens/texts.h"

namespace vargo::app {

namespace {

// A counter's caption, a number, is the same in every language.
bool isNumber(std::string_view caption) {
  return std::all_of(caption.begin(), caption.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<ShownText> shownTexts() {
  std::vector<ShownText> all;
  for (const ui::ScreenKind& kind : screenKinds()) {
    for (const ui::WidgetDef& w : kind.def->widgets) {
      if (!isNumber(w.caption))
        all.push_back({w.caption, std::string(kind.name) + " " + std::string(w.name)});
    }
  }
  all.push_back({levels::ReloadScreen::kLoaded, std::string(names::reload) + " Label1, when loaded"});
  all.push_back({texts::creditsTitle, "the title of the CREDITS box"});
  all.push_back({texts::creditsText, "the text of the CREDITS box"});
  return all;
}

}  // namespace vargo::app
