// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The static definition of a screen: its window, its widgets in stacking order (top first) and its timers.
// Definitions are constant tables; every load of a screen builds its live widgets from them.

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/colour.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/pointer.h"

namespace vargo::ui {

enum class WidgetKind {
  Picture,      // an image in a rectangle over its background colour; visible or hidden
  Label,        // text with a transparent background
  ImageArea,    // an invisible rectangle that takes clicks and pointer moves
  ProgressBar,  // a horizontal bar from 0 to 100
};

struct WidgetDef {
  std::string_view name;
  WidgetKind kind = WidgetKind::Label;
  Rect rect;
  bool visible = true;
  std::string_view picture;  // name of an embedded image; empty for none
  Colour background = palette::buttonFace;
  bool border = false;  // a one-pixel flat frame, the picture one pixel in
  std::string_view caption;
  FontSpec font = fonts::standard;
  Colour textColour = palette::buttonText;
  Pointer pointer = Pointer::None;
};

struct TimerDef {
  std::string_view name;
  std::uint32_t intervalMs = 0;
  bool running = false;
};

struct Placement {
  bool centred = true;
  Point at;  // desktop position of the client area's top-left corner when not centred

  static constexpr Placement centre() { return {}; }
  static constexpr Placement atPosition(int x, int y) { return {false, {x, y}}; }
};

struct WindowDef {
  std::string_view title;  // stored, never on view: the windows have no title bar
  Size client;
  Placement placement;
  Colour background = palette::buttonFace;
  std::string_view picture;  // background picture at 0, 0; empty for none
  Pointer pointer = Pointer::None;
  std::string_view icon;  // window icon image; empty for none
};

struct ScreenDef {
  WindowDef window;
  std::span<const WidgetDef> widgets;
  std::span<const TimerDef> timers;
};

// The whole client area, in the screen's own coordinates.
constexpr Rect clientArea(const ScreenDef& screen) {
  return {0, 0, screen.window.client.width, screen.window.client.height};
}

// Whether the definition has a widget or a timer of that name: what a table that refers to one by name
// asserts at compile time.
constexpr bool hasWidget(const ScreenDef& screen, std::string_view name) {
  for (const WidgetDef& w : screen.widgets) {
    if (w.name == name)
      return true;
  }
  return false;
}

constexpr bool hasTimer(const ScreenDef& screen, std::string_view name) {
  for (const TimerDef& t : screen.timers) {
    if (t.name == name)
      return true;
  }
  return false;
}

// A widget's name as a handler of the screen refers to it, checked while compiling: a name the screen does
// not have stops the build here.
consteval std::string_view widgetNamed(const ScreenDef& screen, std::string_view name) {
  if (!hasWidget(screen, name))
    throw "a handler names a widget that its screen does not have";
  return name;
}

// Short constructors, so that a widget table reads one widget to a line: name, rectangle, then what differs.
constexpr WidgetDef picture(std::string_view name, Rect rect, std::string_view image, bool visible = false,
                            Colour background = palette::buttonFace, Pointer pointer = Pointer::None) {
  return {.name = name,
          .kind = WidgetKind::Picture,
          .rect = rect,
          .visible = visible,
          .picture = image,
          .background = background,
          .pointer = pointer};
}

constexpr WidgetDef label(std::string_view name, Rect rect, std::string_view caption,
                          FontSpec font = fonts::standard, Colour text = palette::buttonText,
                          Pointer pointer = Pointer::None) {
  return {.name = name,
          .kind = WidgetKind::Label,
          .rect = rect,
          .caption = caption,
          .font = font,
          .textColour = text,
          .pointer = pointer};
}

constexpr WidgetDef imageArea(std::string_view name, Rect rect, Pointer pointer = Pointer::None) {
  return {.name = name, .kind = WidgetKind::ImageArea, .rect = rect, .pointer = pointer};
}

}  // namespace vargo::ui
