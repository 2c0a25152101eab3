// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/definitions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "app/screen_kinds.h"
#include "levels/level_catalogue.h"

namespace vargo::test {

namespace {

template <typename Range, typename Projection>
const auto& named(const Range& range, std::string_view name, Projection projection, std::string_view what) {
  const auto it = std::ranges::find(range, name, projection);
  if (it == std::ranges::end(range))
    throw std::logic_error("no " + std::string(what) + " " + std::string(name));
  return *it;
}

}  // namespace

const ui::ScreenDef& screenDef(std::string_view kind) {
  return *app::screenKind(kind).def;
}

const levels::LevelDef& levelDef(std::string_view name) {
  return named(levels::levelCatalogue(), name, &levels::LevelDef::name, "level");
}

const ui::WidgetDef& widgetOf(const ui::ScreenDef& def, std::string_view widget) {
  return named(def.widgets, widget, &ui::WidgetDef::name, "widget");
}

}  // namespace vargo::test
