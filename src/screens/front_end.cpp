#include "screens/front_end.h"

#include <array>

namespace vargo::screens {

namespace {

using ui::Colour;
using ui::Placement;
using ui::Pointer;
using ui::ScreenDef;
using ui::WindowDef;

constexpr Colour kLightBlue = Colour::fromStored(0x00F5D5A9);

constexpr ScreenDef window(WindowDef w) {
  return {w, {}, {}};
}

const ScreenDef vargo1 =
    window({"Vargo - Tarnok", {459, 469}, Placement::centre(), Colour::fromStored(0x00FFFFFF), "menu"});
const ScreenDef mise1 = window(
    {"Form2", {708, 461}, Placement::centre(), ui::palette::buttonFace, "diary", Pointer::None, "icon"});
const ScreenDef mise2 = window({"Form1", {710, 461}, Placement::centre(), ui::palette::buttonFace, "diary"});
const ScreenDef mise3 = window({"Mise3", {711, 462}, Placement::centre(), ui::palette::buttonFace, "diary"});
const ScreenDef mise4 = window(
    {"Mise4", {711, 462}, Placement::centre(), ui::palette::buttonFace, "diary", Pointer::LevelCursor});
const ScreenDef mise5 = window(
    {"Form1", {710, 461}, Placement::centre(), ui::palette::buttonFace, "diary", Pointer::LevelCursor});
const ScreenDef win = window({"Win", {710, 461}, Placement::centre(), ui::palette::buttonFace, "diary"});
const ScreenDef about = window({"O Vargo", {398, 702}, Placement::centre(), kLightBlue});
const ScreenDef uniforma = window({"Form1", {413, 555}, Placement::centre(), kLightBlue});
const ScreenDef akce = window({"Form1", {845, 733}, Placement::atPosition(98, 12), kLightBlue});

std::unique_ptr<ui::Behaviour> noHandlers() {
  return std::make_unique<ui::Behaviour>();
}

}  // namespace

std::span<const ui::ScreenKind> frontEndKinds() {
  static const std::array<ui::ScreenKind, 10> kinds{{
      {"Vargo1", &vargo1, noHandlers},
      {"Mise1", &mise1, noHandlers},
      {"Mise2", &mise2, noHandlers},
      {"Mise3", &mise3, noHandlers},
      {"Mise4", &mise4, noHandlers},
      {"Mise5", &mise5, noHandlers},
      {"About", &about, noHandlers},
      {"win", &win, noHandlers},
      {"Uniforma", &uniforma, noHandlers},
      {"akce", &akce, noHandlers},
  }};
  return kinds;
}

}  // namespace vargo::screens
