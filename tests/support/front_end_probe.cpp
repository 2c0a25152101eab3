// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/front_end_probe.h"

#include <variant>

#include "ui/behaviour.h"
#include "ui/screen.h"

namespace vargo::test {

std::string widgetAt(Harness& h, std::string_view kind, int x, int y) {
  const ui::Screen& s = h.screen(kind);
  const auto hit = s.hitTest({x, y});
  return std::string(hit ? s.widgets()[*hit].def->name : ui::form);
}

ui::Pointer pointerAfterMove(Harness& h, std::string_view kind, int x, int y) {
  h.move(kind, x, y);
  const auto& shown = h.platform.cursor();
  if (std::holds_alternative<platform::CursorId>(shown))
    return ui::Pointer::LevelCursor;  // the game's only pointer image
  return std::get<platform::SystemCursor>(shown) == platform::SystemCursor::SizeAll ? ui::Pointer::SizeAll
                                                                                    : ui::Pointer::Arrow;
}

}  // namespace vargo::test
