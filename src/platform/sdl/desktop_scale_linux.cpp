// SPDX-License-Identifier: GPL-3.0-or-later
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sdl/desktop_scale.h"
#include "platform/sdl/loaded_symbol.h"

namespace vargo::platform {

namespace {

std::optional<int> gdkScale() {
  const char* value = std::getenv("GDK_SCALE");
  if (value == nullptr)
    return std::nullopt;
  const std::string_view text(value);
  int k = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), k);
  if (error != std::errc() || end != text.data() + text.size() || k < 1)
    return std::nullopt;
  return k;
}

// A connection of its own to the display, through the Xlib that SDL loads; none without a display.
class XConnection {
 public:
  XConnection() {
    const auto open = symbolOf<Display* (*)(const char*)>("libX11.so.6", "XOpenDisplay");
    close_ = symbolOf<int (*)(Display*)>("libX11.so.6", "XCloseDisplay");
    display_ = open != nullptr && close_ != nullptr ? open(nullptr) : nullptr;
  }
  ~XConnection() {
    if (display_ != nullptr)
      close_(display_);
  }
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;
  Display* display() const { return display_; }

 private:
  int (*close_)(Display*) = nullptr;
  Display* display_ = nullptr;
};

// The X resource database of the display; empty without one.
std::string xResources(Display* display) {
  const auto resources = symbolOf<char* (*)(Display*)>("libX11.so.6", "XResourceManagerString");
  const char* text = resources != nullptr ? resources(display) : nullptr;
  return text == nullptr ? "" : text;
}

std::vector<Monitor> xMonitors(Display* display) {
  const auto get =
      symbolOf<XRRMonitorInfo* (*)(Display*, Window, Bool, int*)>("libXrandr.so.2", "XRRGetMonitors");
  const auto release = symbolOf<void (*)(XRRMonitorInfo*)>("libXrandr.so.2", "XRRFreeMonitors");
  if (get == nullptr || release == nullptr)
    return {};
  int count = 0;
  XRRMonitorInfo* info = get(display, DefaultRootWindow(display), True, &count);
  std::vector<Monitor> monitors;
  for (int i = 0; info != nullptr && i < count; ++i)
    monitors.push_back({{info[i].x, info[i].y, info[i].width, info[i].height}, info[i].primary != 0});
  if (info != nullptr)
    release(info);
  return monitors;
}

// What the game asks the display, read once over one connection: each connection costs the start.
struct XFacts {
  std::string resources;
  std::vector<Monitor> monitors;
};

const XFacts& xFacts() {
  static const XFacts facts = [] {
    const XConnection x;
    return x.display() == nullptr ? XFacts{} : XFacts{xResources(x.display()), xMonitors(x.display())};
  }();
  return facts;
}

}  // namespace

std::vector<Monitor> systemMonitors() {
  return xFacts().monitors;
}

int desktopScale() {
  if (const auto k = gdkScale())
    return *k;
  const auto dpi = xftDpi(xFacts().resources);
  return dpi ? scaleOfDpi(*dpi) : 1;
}

}  // namespace vargo::platform
