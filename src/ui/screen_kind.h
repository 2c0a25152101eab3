// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A kind of screen: its name, its definition and how to make the behaviour that handles its events.

#include <functional>
#include <memory>
#include <string_view>

#include "ui/behaviour.h"
#include "ui/definition.h"

namespace vargo::ui {

struct ScreenKind {
  std::string_view name;
  const ScreenDef* def;
  std::function<std::unique_ptr<Behaviour>()> makeBehaviour;
};

}  // namespace vargo::ui
