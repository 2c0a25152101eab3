// SPDX-License-Identifier: GPL-3.0-or-later
#include <X11/Xlib.h>
#include <dlfcn.h>

#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sdl/desktop_scale.h"

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

// The X resource database of the display, read through the Xlib that SDL loads too; empty without one.
std::string xResources() {
  void* xlib = dlopen("libX11.so.6", RTLD_LAZY);
  if (xlib == nullptr)
    return {};
  using Open = Display* (*)(const char*);
  using Resources = char* (*)(Display*);
  using Close = int (*)(Display*);
  const auto open = reinterpret_cast<Open>(dlsym(xlib, "XOpenDisplay"));
  const auto resources = reinterpret_cast<Resources>(dlsym(xlib, "XResourceManagerString"));
  const auto close = reinterpret_cast<Close>(dlsym(xlib, "XCloseDisplay"));
  Display* display = open != nullptr && resources != nullptr && close != nullptr ? open(nullptr) : nullptr;
  if (display == nullptr)
    return {};
  const char* text = resources(display);
  std::string copy = text == nullptr ? "" : text;
  close(display);
  return copy;
}

}  // namespace

int desktopScale() {
  if (const auto k = gdkScale())
    return *k;
  const auto dpi = xftDpi(xResources());
  return dpi ? scaleOfDpi(*dpi) : 1;
}

}  // namespace vargo::platform
